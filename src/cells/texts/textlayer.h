// The screen-space text layer (render/screenlayer.h) as text cells use it:
// captions, text bitmaps, images, formula texts and ink.
#pragma once
#include "model/cgcell.h"
#include "render/screenlayer.h"

// False when the cell is hidden or the current page shows its three-view
// layout: text cells then neither draw nor pick.
bool TextLayerShows(const CGCell& cell);

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
