// Transforming whole selected figures: the translate, rotate, scale and
// reflect commands make one image point per selected point and then build
// the selected lines, faces and circles again on those images.
//
//   ExpandSelectionToFaceVertices();
//   ... one image point per id of m_selPoints, in order, as the newest cells
//   const int more = BuildTransformedStructure(reverses);
//   ... one CCmdAddCells of m_selPoints.size() + more cells
#pragma once

// Appends to the current page's m_selPoints (not m_selAll) every point that
// defines a selected line, face or circle and is not selected yet, and
// marks it selected.  Loci, curves, ink and circles without defining
// points add nothing.
void ExpandSelectionToFaceVertices();

// Builds on the image points the images of the selected lines, faces and
// circles (same kind, style, size, hidden flags, colour and angular range)
// under the next ids, entered in the page's map; returns how many.  The
// k-th point of m_selPoints has its image under m_nNextId - n + k.  A
// figure of a point without an image (no image point there, or image ids
// that cannot be the newest cells) gets none; when the page has no ids for
// all, nothing is built.  `reversesOrientation` says the map turns figures
// over (a reflection, a negative ratio): a circle about an axis turns its
// reverse flag round so that its image runs over the images of its points.
int BuildTransformedStructure(bool reversesOrientation);
