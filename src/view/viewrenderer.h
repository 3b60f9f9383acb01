// Everything the view does with OpenGL, apart from the window: the fixed
// state and light, the textures and display lists, the reaction to a new
// client size and the frame.  It needs only a current context, so the same
// code runs in the widget and in the headless test context.
#pragma once
#include <QString>
#include <memory>

#include "view/backgroundbuffer.h"

class CGPage;
class CTextrueText;

class CViewRenderer {
 public:
  CViewRenderer();
  ~CViewRenderer();
  CViewRenderer(const CViewRenderer&) = delete;
  CViewRenderer& operator=(const CViewRenderer&) = delete;

  // Fixed state, light, the client vertex array, the fifteen textures from
  // Images/ of the program folder, the glyph textures, the display lists
  // and the two fonts' character lists, for the current context.  False when a picture failed to load or no lists were left;
  // whatever could be made is kept and used.
  bool InitOpenGL();
  // The shape block, the two ASCII blocks, the axes gizmo and the captions.
  bool BuildDisplayLists();
  // Made for the current context (InitOpenGL has run since the last Release).
  bool IsInitialised() const;

  // The client area is width x height pixels (devicePixelRatio device pixels
  // each): sizes, projection, viewport, background buffer.  Areas of 2
  // pixels or less in either direction change nothing.
  void OnSize(int width, int height, double devicePixelRatio = 1.0);

  // One whole frame of the current page: its background (or the captured
  // trace picture), the page in the normal view or in the quadrants of a
  // three-view page, the overlays of the current tool (view/overlays.h);
  // the caller presents it.  Without a current page: the preferences'
  // background colour only.
  void RenderScene();
  // Draws the trace layer over the captured picture and captures the result,
  // so that traces accumulate; nothing is presented.
  void CaptureBackground();

  // Deletes the GL objects of the current context (it is current and about
  // to go); a later InitOpenGL makes them again.
  void Release();

  CBackgroundBuffer& Background() { return m_background; }
  const QString& Caption(int i) const { return m_captions[i]; }

 private:
  void SetFixedState();
  void SetLight();
  bool LoadTextures();
  // Before drawing: objects queued for deletion go, waiting textures are
  // uploaded, the vertex array (it may have moved) is handed to GL again.
  void PrepareFrame();
  bool HasCapturedPicture() const;
  void DrawCapturedPicture();
  // Clears to the page's background colour, or starts from the captured
  // picture while it is valid.
  void DrawBackground(const float colour[3]);
  void DrawQuadrantCaption(int caption);
  // The front, side and top quadrants; false when the frame ends there (no
  // normal view in the lower-right quadrant).
  bool DrawThreeViewQuadrants(const CGPage& page);
  void SetWholeViewport();

  CBackgroundBuffer m_background;
  std::unique_ptr<CTextrueText> m_textureText;  // g_pTextrueText while it exists
  QString m_captions[5];
  unsigned m_generation = 0;  // GlGeneration() when made; 0 = not made
  int m_deviceWidth = 0;
  int m_deviceHeight = 0;
};
