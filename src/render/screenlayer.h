// The screen layer that captions, texts, pictures, sliders and buttons are
// drawn in: the model-view is the identity translated by the view's x and y
// translation, and everything lies at depth -50, where one view pixel is
// g_fUnitsPerPixel world units.  It follows panning but not rotation or zoom.
#pragma once
#include <GL/gl.h>

#include "platform/types.h"
#include "render/viewglobals.h"

inline constexpr float kTextLayerDepth = -50.0f;

// The layer's model-view for the scope's lifetime (the old one is pushed).
class TextLayerMatrix {
 public:
  TextLayerMatrix();
  TextLayerMatrix(const TextLayerMatrix&) = delete;
  TextLayerMatrix& operator=(const TextLayerMatrix&) = delete;
  ~TextLayerMatrix() { glPopMatrix(); }
};

// Holds a point of the layer (x, y) over the view, kKeptInsideView pixels
// inside its edges, so that a caption or a picture dragged there keeps its
// anchor in sight when a pane beside the view grows a little.
inline constexpr int kKeptInsideView = 8;
void KeepInView(float point[2]);

void SetTextColour(const RGBA& c);
// The preference selection colour.
void SetSelectionColour();

// A rectangle from (x0, y0) to (x1, y1) in the plane z: filled, outlined,
// or filled under the pick names (kind, id).
void FillRect(float x0, float y0, float x1, float y1, float z = kTextLayerDepth);
void OutlineRect(float x0, float y0, float x1, float y1, float z = kTextLayerDepth);
void PickRect(GLuint kind, WORD id, float x0, float y0, float x1, float y1, float z = kTextLayerDepth);
