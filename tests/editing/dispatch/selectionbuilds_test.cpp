// The cells the merged tools build themselves: what each makes of a
// selection, in one undo step of the right name, and what it refuses.
#include <cmath>

#include "cells/primitives/cgface.h"
#include "commands/solids/anchoredsolids.h"
#include "commands/solids/presetsolids.h"
#include "commands/spherecommands.h"
#include "dispatchtestsupport.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dispatch/builddispatch.h"
#include "math/toolplacement.h"
#include "model/modeltexts.h"
#include "platform/crtrandom.h"

namespace dispatchtest {
namespace KAVREL_FILE_LOCAL {

TEST(ToolPlacement, ScatterOffsetAndLevelFaces) {
  const struct {
    int r[4];
    float d[3];
  } rows[] = {
      {{0, 0, 0, 0}, {2, -2, -3}},
      {{32767, 32767, 32767, 32767}, {5, 5, 3}},
      {{16383, 16383, 0, 16383}, {3.499954f, -2, -0.0000916f}},  // 2 r2 / 32767 - 1 < 0: minus y
      {{16384, 16384, 32767, 16384}, {3.500046f, 5, 0.0000916f}},
  };
  for (const auto& row : rows) {
    float d[3];
    ScatterOffset(row.r, d);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(d[k], row.d[k], 2e-6) << row.r[0] << " axis " << k;
  }
  const float a[3] = {1, 2, 3}, b[3] = {4, 5, 3.0001f}, c[3] = {0, 0, 2.99991f}, tilted[3] = {0, 0, 3.0002f};
  EXPECT_TRUE(IsLevel(a, b, c));
  EXPECT_FALSE(IsLevel(a, b, tilted));
  EXPECT_FALSE(IsLevel(a, tilted, b));
}

struct BuildRow {
  int kind;
  std::vector<Cell> selected;
  const char* made;  // CommandPage::Summary
  const char* label;
};

TEST(MergedTools, BuildsFromTheSelection) {
  const BuildRow rows[] = {
      {kToolPoint, {A, B}, "CGVerSymmetryP(A,B)", "添加对称点"},
      {kToolPoint, {B, AB}, "CGVerSymmetryL(B,AB)", "添加对称点"},
      {kToolPoint, {D, ABC}, "CGVerSymmetryF(D,ABC)", "添加对称点"},
      {kToolPoint, {K1, K3}, "CGVerCoordinates(|AC|,|AB|)", "添加由度量值绘制的点"},
      {kToolLine, {C}, "CGVerFreeParVector(C) CGLine(C,J)", "添加水平线段"},
  };
  for (const BuildRow& row : rows) {
    SCOPED_TRACE(row.made);
    CommandPage p;
    const Cells c = Scene(p);
    p.Select(Ids(c, row.selected));
    StandIns standIns;
    Probe probe(p, row.kind);
    const std::vector<WORD> made = p.ExpectMade(kProbe, row.made, row.label);
    EXPECT_EQ(probe.result, 1);
    EXPECT_TRUE(standIns.Calls().empty());
    if (made.empty()) continue;
    if (row.kind == kToolPoint && row.selected.size() == 2 && row.selected[0] != K1) {
      EXPECT_EQ(p.Find(made[0])->m_strName, p.Find(c[row.selected[0]])->m_strName + "'");
    }
  }
}

TEST(MergedTools, ValuesPlaceThePointTheyAreTheCoordinatesOf) {
  CommandPage p;
  const Cells c = Scene(p);
  const std::vector<float> want[] = {{3, 0, 0}, {3, 0, 0}, {3, 0, 4}};
  const std::vector<Cell> chosen[] = {{K1}, {K1, K2}, {K1, K2, K3}};
  for (int k = 0; k < 3; ++k) {
    p.Select(Ids(c, chosen[k]));
    const WORD id = p.Page().m_nNextId;
    EXPECT_EQ(BuildFromSelection(p.doc, kToolPoint), 1);
    EXPECT_EQ(p.Find(id)->m_parents, Ids(c, chosen[k]));
    EXPECT_EQ(p.At(id), want[k]) << k;
  }
}

TEST(MergedTools, OneFreePointGetsAFollowerAtARandomOffset) {
  const struct {
    unsigned seed;
    Cell leader;
    const char* made;
    std::vector<float> at;  // the leader moved by the offset of the seed's four numbers
  } rows[] = {
      {12345, B, "CGVerFreeHenchman(B)", {6.694357f, 4.361675f, 1.051332f}},  // B (4, 0, 0)
      {3, B, "CGVerFreeHenchman(B)", {6.004395f, -2.850917f, -1.335337f}},
      // D (0, 0, 5): the offset is added to its height.
      {12345, D, "CGVerFreeHenchman(D)", {2.694357f, 4.361675f, 6.051332f}},
  };
  for (const auto& row : rows) {
    CommandPage p;
    const Cells c = Scene(p);
    p.Select({c[row.leader]});
    KvSrand(row.seed);
    Probe probe(p, kToolPoint);
    const std::vector<WORD> made = p.ExpectMade(kProbe, row.made, "添加三维随动点");
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(probe.result, 1);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(p.At(made[0])[k], row.at[k], 2e-5) << row.seed;
  }
}

// Two level triangles (corners 3 + 3): the count asked, offered with 6.
class OverlapFace : public ::testing::Test {
 protected:
  void SetUp() override {
    c = Scene(p);
    p.Select({c[ABC], c[EFC]});
  }
  CommandPage p;
  Cells c{};
};

TEST_F(OverlapFace, SixCornersMakeSixPointsAndAFaceInOneStep) {
  CDlgNumber answer;
  answer.m_nCount = 6;
  p.dialogs->Ok(answer);
  Probe probe(p, kToolPolygon);
  const std::vector<WORD> made = p.ExpectMade(
      kProbe,
      "CGVerOverlayFaceFirst(ABC,EFC) CGVerFIF(1) CGVerFIF(1) CGVerFIF(1) CGVerFIF(1) CGVerFIF(1) "
      "CGFace(1,2,3,4,5,6)",
      "添加重叠面");
  EXPECT_EQ(probe.result, 1);
  ASSERT_EQ(p.dialogs->Offered<CDlgNumber>().size(), 1u);
  EXPECT_EQ(p.dialogs->Offered<CDlgNumber>()[0].m_nCount, 6);
  ASSERT_EQ(made.size(), 7u);
  EXPECT_EQ(p.Find(made[6])->m_nStyle, 1);
  EXPECT_EQ(p.As<CGFace>(made[6])->CornerCount, 6);
}

TEST_F(OverlapFace, ACountOutOfRangeIsRefusedAndCancelFills) {
  StandIns standIns;
  for (int n : {7, 2}) {
    CDlgNumber answer;
    answer.m_nCount = n;
    p.dialogs->Ok(answer);
    p.ExpectNothingMade([&] { EXPECT_EQ(BuildFromSelection(p.doc, kToolPolygon), 0) << n; });
  }
  EXPECT_EQ(p.seams.notifier->Texts(),
            std::vector<QString>(2, QString::fromUtf8("重叠面顶点数要大于3且不大于两面顶点数之和！")));
  EXPECT_TRUE(standIns.Calls().empty());
  p.dialogs->Cancel<CDlgNumber>();
  EXPECT_EQ(BuildFromSelection(p.doc, kToolPolygon), 1);
  EXPECT_EQ(standIns.Ids(), std::vector<unsigned>{ID_VIEW_FILL});
  EXPECT_EQ(p.seams.notifier->Texts().size(), 2u);
}

// A page one id short of what a build needs: nothing is made (the corner
// of the centred frustum keeps its name), after the frame's message.
TEST(MergedTools, AFullPageMakesNothing) {
  const struct {
    int kind;
    std::vector<Cell> selected;
    int needed;
    int result;
  } rows[] = {
      {kToolPoint, {B}, 1, 0},      {kToolPoint, {A, B}, 1, 0},  {kToolPoint, {K1}, 1, 0},
      {kToolLine, {C}, 2, 1},       {kToolPolygon, {ABC, EFC}, 7, 0}, {kToolFrustum, {}, 29, 0},
      {kToolFrustum, {B}, 25, 0},   {kToolFrustum, {AB}, 26, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "tool " << row.kind << " needing " << row.needed);
    CommandPage p;
    const Cells c = Scene(p);
    p.Select(Ids(c, row.selected));
    CDlgNumber answer;
    answer.m_nCount = 6;
    p.dialogs->Ok(answer);
    p.Page().m_nNextId = static_cast<WORD>(CGPage::kMaxCellId + 2 - row.needed);
    p.ExpectNothingMade([&] { EXPECT_EQ(BuildFromSelection(p.doc, row.kind), row.result); });
    EXPECT_EQ(p.seams.notifier->Texts(), std::vector<QString>{QString::fromUtf8(kTextTooManyCells)});
  }
}

// The cells a tool makes equal those its construction makes called
// directly on the same page.
std::string MadeBy(int kind, const std::vector<Cell>& selected, void (*direct)(CKavrelDoc&, const Cells&),
                   int* result = nullptr) {
  CommandPage p;
  const Cells c = Scene(p);
  p.Select(Ids(c, selected));
  const WORD first = p.Page().m_nNextId;
  if (direct)
    direct(p.doc, c);
  else if (result)
    *result = BuildFromSelection(p.doc, kind);
  std::vector<WORD> ids;
  for (WORD id = first; id < p.Page().m_nNextId; ++id) ids.push_back(id);
  auto* step = p.Page().m_undo.CurrentCommand();
  return p.Summary(ids) + " | " + (step ? step->GetName().toStdString() : std::string("no step"));
}

TEST(MergedTools, ReadyMadeConstructionsOnTheSelection) {
  using Direct = void (*)(CKavrelDoc&, const Cells&);
  const struct {
    int kind;
    std::vector<Cell> selected;
    Direct direct;
    int result;
  } rows[] = {
      {kToolCircle, {A}, [](CKavrelDoc& doc, const Cells&) { CreateHorizontalCircle(doc); }, 1},
      {kToolCircle, {A, B}, [](CKavrelDoc& doc, const Cells&) { CreateHorizontalCircle(doc); }, 1},
      {kToolPrism, {B}, [](CKavrelDoc& doc, const Cells& c) { CreateCuboidXyz(doc, c[B]); }, 0},
      {kToolPyramid, {B}, [](CKavrelDoc& doc, const Cells& c) { CreateRegularTriPyramid(doc, c[B]); }, 0},
      {kToolPyramid, {A, B, C, D}, [](CKavrelDoc& doc, const Cells&) { CreateRegularTetrahedron(doc); }, 0},
      {kToolPyramid, {}, [](CKavrelDoc& doc, const Cells&) { CreateRegularTetrahedron(doc); }, 0},
  };
  for (const auto& row : rows) {
    int result = -1;
    const std::string byTool = MadeBy(row.kind, row.selected, nullptr, &result);
    EXPECT_EQ(byTool, MadeBy(row.kind, row.selected, row.direct)) << row.kind;
    EXPECT_EQ(byTool.find("no step"), std::string::npos) << byTool;
    EXPECT_EQ(result, row.result) << row.kind;
  }
}

}  // namespace
}  // namespace dispatchtest
