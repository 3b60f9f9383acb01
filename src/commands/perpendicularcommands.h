// Perpendicular and parallel constructions on the selected points, lines
// and faces; the rows register themselves.
#pragma once

class CKavrelDoc;

// The square face across the first selected line: through the first
// selected point about its foot, else about the line's first point.
// Without a selected line nothing is made.
void OnCreateFacePerline(CKavrelDoc& doc);
