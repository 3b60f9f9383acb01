#include "model/transformmarks.h"

#include <array>

namespace {
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
