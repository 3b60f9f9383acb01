// What documents of older program versions stored differently in their
// cells, brought up to version 420 (the document calls it for every cell of
// every page through its services, CKavrelDoc::UpgradePages).
#pragma once
#include "platform/types.h"

class CGCell;

// Applies every change the cell's class went through since program version
// `version`, oldest first.  A version of 0 or below gets them all.
void UpgradeCellFields(CGCell& cell, int version);

// A view-rotation button of a document before version 320 held a start and
// an end orientation as three angles (degrees) each, and a count.  Rewrites
// them as the start quaternion (its x, y, z over `start`, its w as the float
// in `startW`), the unit axis of the turn to the end orientation (over `end`)
// and the turn's angle in degrees (the float in `angle`); equal
// orientations turn trunc(count / 2) full turns.  Angles or a count that are
// not finite numbers give the angle 0 about (0, 0, 1), never NaN.
void ConvertOldRotation(float start[3], float end[3], float count, DWORD& startW, DWORD& angle);
