// The three regular square frustums of the merged frustum tool, each one
// undo step "添加正四棱台" (faces in the automatic colours, edges segments).
#pragma once
#include "platform/types.h"

class CKavrelDoc;

// About the origin with the selected point `a` as its corner A (renamed so
// in the same undo step): the top ABCD turned by quarter turns about the z
// axis, the bottom at half size on the far side (25 cells).
void BuildCentredFrustum(CKavrelDoc& doc, WORD a);
// About the selected line: corners turned about it by quarter turns round
// its two ends (26 cells).
void BuildFrustumAboutLine(CKavrelDoc& doc, WORD line);
// The standard one: a free square base under an apex at height 16, cut by
// the frustum builder (29 cells).
void BuildStandardFrustum(CKavrelDoc& doc);
