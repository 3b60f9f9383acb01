#include "model/transformmarks.h"

#include <array>

namespace {
template <class Mark>
void GiveBack(Mark& mark, const Mark& before, const Mark& after) {
  if (mark == after) mark = before;
}

template <class Mark, size_t N>
void TranslateMark(Mark& mark, const std::array<WORD Mark::*, N>& fields, const std::function<WORD(WORD)>& to) {
  bool lost = false;
  for (WORD Mark::*field : fields)
    if (mark.*field) {
      mark.*field = to(mark.*field);
      lost = lost || mark.*field == 0;
    }
  if (lost) mark = Mark{};
}
}  // namespace

void TranslateMarks(CTransformMarks& marks, const std::function<WORD(WORD)>& to) {
  for (WORD* single : {&marks.MarkCenter, &marks.MarkAxis, &marks.MarkMirror})
    if (*single) *single = to(*single);
  TranslateMark(marks.MarkVector, std::array{&CVectorMark::start, &CVectorMark::end, &CVectorMark::value}, to);
  TranslateMark(marks.MarkAngle, std::array{&CAngleMark::a, &CAngleMark::b, &CAngleMark::c, &CAngleMark::value},
                to);
  TranslateMark(marks.MarkRatio,
                std::array{&CRatioMark::value, &CRatioMark::segment1, &CRatioMark::segment2, &CRatioMark::a,
                           &CRatioMark::b, &CRatioMark::c},
                to);
}

void GiveBackMarks(CTransformMarks& marks, const CTransformMarks& before, const CTransformMarks& after) {
  GiveBack(marks.MarkCenter, before.MarkCenter, after.MarkCenter);
  GiveBack(marks.MarkAxis, before.MarkAxis, after.MarkAxis);
  GiveBack(marks.MarkMirror, before.MarkMirror, after.MarkMirror);
  GiveBack(marks.MarkVector, before.MarkVector, after.MarkVector);
  GiveBack(marks.MarkAngle, before.MarkAngle, after.MarkAngle);
  GiveBack(marks.MarkRatio, before.MarkRatio, after.MarkRatio);
}
