// A ready-made body shown by one cell: 3D text, a regular polyhedron, C60,
// a round body, a torus, a square, a disk or a teapot.  It has no parents
// and no vertices: a centre, an axis, a turn and a scale per axis place it,
// up to two clip planes open it, and it is drawn lit with its own material
// or the cell colour.  The sub-kind byte is the kind, the style byte solid
// (0) or wire frame, the second colour the inside, the VOD name the font of
// a 3D text and the fourth value word the first of its 16 display lists.
#pragma once
#include <QString>
#include <cstdint>

#include "model/cgcell.h"
#include "render/glrelease.h"

class CGSubassembly : public CGCell {
  DECLARE_SERIAL(CGSubassembly)

 public:
  static constexpr int kKindCount = 15;
  static constexpr int kKindText = 0;
  static constexpr int kKindCube = 2;
  static constexpr int kTextLists = 16;
  static constexpr int kTextureCount = 15;

  // For loading: planes (0, 0, 1, 0) and (0, -1, 0, 0), the grey inside,
  // the default font, every other own field 0.
  CGSubassembly();
  CGSubassembly(WORD id, BYTE kind, BYTE style, int materialMode, int texture, int dragLock, float cx, float cy,
                float cz, float ax, float ay, float az, float turn, float sx, float sy, float sz, int clipMode,
                double p1a, double p1b, double p1c, double p1d, double p2a, double p2b, double p2c, double p2d);
  ~CGSubassembly() override;

  // The kind's name ("3D文字" ... "茶壶"); empty outside 0..14.
  static QString KindName(int kind);

  // The cell record, then the own fields (see the .cpp for the order).  A
  // loaded kind, texture or number the drawing cannot use fails the load.
  void Serialize(CArchive& ar) override;
  void DrawVisibleEdges() override;
  void DrawLit() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // The routine all passes share, in the first or the second colour.
  void DrawBody(bool secondColour);
  // Moves the centre along the view's drag line as a free point is dragged.
  void MoveAlongDragLine();
  // The 16 lists of a 3D text go to the release queue; the text is rebuilt
  // at the next draw.
  void ReleaseTextLists();
  // The current material (the material sheet's) becomes the body's own.
  void TakeCurrentMaterial();

  float m_vCenter[3] = {0, 0, 0};
  float m_fTurn = 0;
  float m_vAxis[3] = {0, 0, 0};
  float m_vScale[3] = {0, 0, 0};
  std::int32_t m_nClipMode = 0;
  double m_dPlane1[4] = {0, 0, 1, 0};
  double m_dPlane2[4] = {0, -1, 0, 0};
  std::int32_t m_nMaterialMode = 0;
  float m_fAmbient[4] = {0, 0, 0, 0};
  float m_fDiffuse[4] = {0, 0, 0, 0};
  float m_fSpecular[4] = {0, 0, 0, 0};
  float m_fShininess = 0;
  std::int32_t m_nTexture = 0;
  std::int32_t m_nDragLock = 0;
  std::int32_t m_nReserved[2] = {0, 0};
  float m_fReserved[4] = {0, 0, 0, 0};
  QString m_strReserved;

 private:
  void DrawKind();
  void DrawText();
  void CheckLoaded() const;

  CGlListBlock m_textLists;
};

class CGPage;
// When the page's remaining-kinds selection holds exactly one cell and it is
// a ready-made body, the body takes its own-material mode and the current
// material (the material sheet's values); false when nothing fits.
bool GiveCurrentMaterialToSelectedBody(CGPage& page);
