// The property row of a single selected point: the point dialog filled by
// the point's class (which values it shows, whether its coordinates can be
// typed), and its write-back, whose coordinate and parameter edits are the
// property command's only undoable steps.
#pragma once
#include "editing/dialogs/properties/primitivedialogs.h"

class CGCell;
class CGPage;
class CGVertex;

// The dialog as it opens for the point.
CDlgPropertyPoint PointPropertiesOf(CGVertex& point);
// The answer of an OK written back to the point (and, with the apply-to-page
// box, the look of every point of the page), then its dependants relabelled;
// the edit's end computes them.
void ApplyPointProperties(CGPage& page, CGVertex& point, const CDlgPropertyPoint& answer);
