// The vector commands: vectors from points, lines and faces, and the
// vectors and numbers computed from selected vectors and scalars.  A
// selected value is a scalar when it is a measured value and a vector when
// it is a vector value.  Operands are taken in selection order; each
// handler checks its own selection pattern before it builds and returns
// silently when the selection does not fit.
#pragma once

class CKavrelDoc;

// The position vector of every selected point, in selection order, as one
// undo step.
void OnMeasurePxyz(CKavrelDoc& doc);
// The vector from the first to the second of two selected points, else
// from the first to the second point of the one selected line.
void OnMeasureVxyz(CKavrelDoc& doc);
// The normal of the plane through three selected points, else through the
// first three corners of the one selected face.
void OnMeasureVecfn(CKavrelDoc& doc);
// Of two selected vectors (no scalar): sum, difference (first minus
// second), cross product and dot product (a number).
void OnMeasureVecHe(CKavrelDoc& doc);
void OnMeasureVecCha(CKavrelDoc& doc);
void OnMeasureVecShiji(CKavrelDoc& doc);
void OnMeasureVecShuji(CKavrelDoc& doc);
// A selected scalar times a selected vector, in either selection order.
void OnMeasureVecShucheng(CKavrelDoc& doc);
// Of one selected vector: its length, and its three components as one undo
// step.
void OnMeasureVecMo(CKavrelDoc& doc);
void OnMeasureVecComponent(CKavrelDoc& doc);
// The triple product of three selected vectors.
void OnMeasureVecHunji(CKavrelDoc& doc);
