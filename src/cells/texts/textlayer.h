// The screen-space text layer that captions, text bitmaps, images, formula
// texts and ink are drawn in: the model-view is the identity translated by
// the view's x and y translation, and texts lie at depth -50, where one
// view pixel is g_fUnitsPerPixel world units.  Texts follow panning but not
// rotation or zoom.
#pragma once
#include <GL/gl.h>

#include "model/cgcell.h"

inline constexpr float kTextLayerDepth = -50.0f;

// False when the cell is hidden or the current page shows its three-view
// layout: text cells then neither draw nor pick.
bool TextLayerShows(const CGCell& cell);

// The layer's model-view for the scope's lifetime (the old one is pushed).
class TextLayerMatrix {
 public:
  TextLayerMatrix();
  TextLayerMatrix(const TextLayerMatrix&) = delete;
  TextLayerMatrix& operator=(const TextLayerMatrix&) = delete;
  ~TextLayerMatrix() { glPopMatrix(); }
};

// The identity model-view for the scope's lifetime, for texts placed
// through g_dWorldToText.
class IdentityModelView {
 public:
  IdentityModelView() {
    glPushMatrix();
    glLoadIdentity();
  }
  IdentityModelView(const IdentityModelView&) = delete;
  IdentityModelView& operator=(const IdentityModelView&) = delete;
  ~IdentityModelView() { glPopMatrix(); }
};

// A 3D point taken into the text layer through g_dWorldToText (with the
// homogeneous divide), where texts attached to points are drawn with the
// identity model-view.  False when it maps to no point of the layer.
bool MapToTextLayer(const float point[3], float out[3]);

void SetTextColour(const RGBA& c);
// The preference selection colour.
void SetSelectionColour();
// A rectangle's outline from (x0, y0) to (x1, y1) in the plane z.
void OutlineRect(float x0, float y0, float x1, float y1, float z = kTextLayerDepth);
// A filled rectangle under the pick names (kind, id).
void PickRect(GLuint kind, WORD id, float x0, float y0, float x1, float y1, float z = kTextLayerDepth);
