// Whatever the loader accepts, the program can save and open again: points
// anywhere in the float range (or beyond it) must never make a cell store a
// value that the loader refuses.  (The fixtures of tests/fuzz/corpus/document
// go through the same round trip in Fuzz.Replay.document.)
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"

namespace KAVREL_FILE_LOCAL {

// The four free points of the every-class page moved to the float limit, to
// infinity and to NaN (which a file may hold for a point): the circles and
// points computed from them become undefined instead of storing the overflow.
TEST_F(DocumentFileTest, PointsAtTheEdgeOfTheFloatRangeSaveAndReopen) {
  constexpr float kMax = std::numeric_limits<float>::max();
  const float extremes[] = {0,     1,     -1,    1e-38f, 1e19f, -2e19f, 1e30f, 3e38f, -3e38f, kMax,
                            -kMax, std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
  CKavrelDoc built;
  BuildEveryCellClass(built);
  std::mt19937 random(21);
  const QString saved = folder.filePath(QStringLiteral("saved.kv"));
  for (int round = 0; round < 200 && !HasFailure(); ++round) {
    for (WORD id = 1; id <= 4; ++id)
      for (float& v : static_cast<CGVertex*>(built.m_pages.front()->m_cells.Lookup(id))->m_vPos)
        v = extremes[random() % std::size(extremes)];
    CKavrelDoc doc, reopened;
    ASSERT_TRUE(doc.OnOpenDocument(WriteFile(QStringLiteral("in.kv"), Bytes(built)), true)) << round;
    ASSERT_TRUE(doc.OnSaveDocument(saved)) << round;
    EXPECT_TRUE(reopened.OnOpenDocument(saved, true)) << "round " << round << ": " << Shown().toStdString();
    EXPECT_TRUE(Bytes(reopened) == Bytes(doc)) << "round " << round << ": the second save differs";
  }
}

}  // namespace
