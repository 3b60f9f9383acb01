// Marking the elements of a transformation on the current page (a centre,
// an axis, a mirror face, a vector, an angle, a ratio) and reading them
// back for the transformation commands.  Marking changes no cell, records
// no undo step and leaves the document unmodified.
//
// A mark names cells by id, and ids come back with undo and delete: a mark
// counts only while each cell it names exists and is of the kind the mark
// holds (a point, a line, a face, a scalar or vector value); otherwise it
// is no mark.
#pragma once
#include "model/transformmarks.h"

class CCmdUI;
class CGCell;
class CGPage;
class CKavrelDoc;

// The handlers, also called directly (the registry asks their rules first).
void OnTransMarkCenter(CKavrelDoc& doc);  // P = 1
void OnTransMarkAxis(CKavrelDoc& doc);    // L = 1
void OnTransMarkMirror(CKavrelDoc& doc);  // F = 1
// P = 2: from the first point to the second; else one vector value.
void OnTransMarkVector(CKavrelDoc& doc);
// P = 3: the angle of the three in selection order; else one scalar value;
// else the mark is cleared.
void OnTransMarkAngle(CKavrelDoc& doc);
// Tested in order: two lines; one scalar value; three points; else the
// mark stays as it was.
void OnTransMarkRatio(CKavrelDoc& doc);

// The marked centre, axis and mirror when they count; else null.
CGCell* MarkedCentre(const CGPage& page);
CGCell* MarkedAxis(const CGPage& page);
CGCell* MarkedMirror(const CGPage& page);
// The vector, angle and ratio marks when they count; one that does not is
// reset to kind 0 on the page and returned so.
CVectorMark LiveVectorMark(CGPage& page);
CAngleMark LiveAngleMark(CGPage& page);
CRatioMark LiveRatioMark(CGPage& page);
