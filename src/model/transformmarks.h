// The marks the transformation commands read: the centre, axis, mirror,
// vector, angle and ratio a user marked on a page, by cell id.  A page
// keeps one set; it is not stored and lives as long as the page.
#pragma once
#include <functional>

#include "platform/types.h"

// Kind 1: from point `start` to point `end`; kind 2: the vector value
// `value`; 0: none.
struct CVectorMark {
  int kind = 0;
  WORD start = 0, end = 0, value = 0;
  bool operator==(const CVectorMark&) const = default;
};
// Kind 1: the angle ABC of three points (B the vertex); kind 2: the scalar
// value `value`; 0: none.
struct CAngleMark {
  int kind = 0;
  WORD a = 0, b = 0, c = 0, value = 0;
  bool operator==(const CAngleMark&) const = default;
};
// Kind 1: the scalar value `value`; kind 2: the lengths of segments
// `segment1` : `segment2`; kind 3: AB : AC of three points; 0: none.
struct CRatioMark {
  int kind = 0;
  WORD value = 0, segment1 = 0, segment2 = 0, a = 0, b = 0, c = 0;
  bool operator==(const CRatioMark&) const = default;
};

struct CTransformMarks {
  WORD MarkCenter = 0;  // a point
  WORD MarkAxis = 0;    // a line
  WORD MarkMirror = 0;  // a face
  CVectorMark MarkVector;
  CAngleMark MarkAngle;
  CRatioMark MarkRatio;
};

// Every id of the marks through `to`, which gives 0 for a cell that is gone
// (so its id may later name another cell); a mark that loses one of its
// cells is no mark, never one re-pointed at what takes the id.
void TranslateMarks(CTransformMarks& marks, const std::function<WORD(WORD)>& to);
// Each mark that is still as `after` left it becomes what `before` held
// again; one the user set anew in between stays.
void GiveBackMarks(CTransformMarks& marks, const CTransformMarks& before, const CTransformMarks& after);
