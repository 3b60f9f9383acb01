// The one-point commands: the class, parents and place of the point each
// makes from the selected points (a selected line does not count), and
// followers that keep their offset.
#include <cmath>
#include <cstring>

#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(BoundPointCommands, EachMakesOnePointOnTheSelectedPointsInOrder) {
  struct Row {
    unsigned command;
    int points;        // selected first of C(1,6,3), A(1,2,3), B(4,2,3)
    const char* made;  // empty: refused
    const char* label;
    std::vector<float> at;  // empty: the cell's own business
  } const rows[] = {
      {ID_CREATE_POINT_PER_SC, 2, "CGVerFreeUpright(C,A)", "添加垂线上的伸缩点", {}},
      {ID_CREATE_POINT_PER_SC, 3, "CGVerFreePerpen(C,A,B)", "添加垂线上的伸缩点", {}},
      {ID_CREATE_POINT_PER_EQ, 2, "CGVerFreeUprightEquid(C,A)", "添加垂线上的等距点", {}},
      {ID_CREATE_POINT_PER_EQ, 3, "CGVerPerpenEquid(C,A,B)", "添加垂线上的等距点", {1, 6, 7}},
      {ID_CREATE_POINT_PER_EQ, 1, "", "", {}},
      {ID_CREATE_POINT_PAR_X, 1, "CGVerFreeParVector(C)", "添加平行于x轴的直线上点", {9, 6, 3}},
      {ID_CREATE_POINT_PAR_Y, 1, "CGVerFreeParVector(C)", "添加平行于y轴的直线上点", {1, 14, 3}},
      {ID_CREATE_POINT_PAR_Z, 1, "CGVerFreeParVector(C)", "添加平行于z轴的直线上点", {1, 6, 11}},
      {ID_CREATE_POINT_PAR_Z, 2, "", "", {}},
      {ID_CREATE_POINT_PAR_L, 3, "CGVerFreeParVecPP(C,A,B)", "添加平行线上点", {}},
      {ID_CREATE_POINT_PAR_L, 2, "", "", {}},
      {ID_CREATE_POINT_VECTOR, 1, "CGVerFreeHenchman(C)", "添加自由随从点", {6, 6, 3}},
      {ID_CREATE_POINT_2DZ, 1, "CGVerFree2dHenchman(C)", "添加二维随从点", {6, 6, 3}},
      {ID_CREATE_POINT_2DZ, 0, "", "", {}},
      {ID_CREATE_POINT_ORIGIN, 0, "CGVertex()", "添加坐标原点O", {0, 0, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.made) + " " + std::to_string(row.command));
    CommandPage p;
    const WORD a = p.Point(1, 2, 3), b = p.Point(4, 2, 3), c = p.Point(1, 6, 3);
    std::vector<WORD> chosen{c, a, b};
    chosen.resize(row.points);
    chosen.push_back(p.Line(a, b));
    p.Select(chosen);
    const std::vector<WORD> ids = p.ExpectMade(row.command, row.made, row.label);
    if (ids.empty()) continue;
    EXPECT_EQ(p.Find(ids[0])->m_strName, row.command == ID_CREATE_POINT_ORIGIN ? "O" : "D");
    if (!row.at.empty()) { EXPECT_EQ(p.At(ids[0]), row.at); }
    if (row.command != ID_CREATE_POINT_VECTOR && row.command != ID_CREATE_POINT_2DZ) continue;
    const float moved[3] = {-2, 7, 9};  // the 2-D follower keeps the leader's height
    p.As<CGVertex>(c)->PlaceAt(moved);
    p.Find(ids[0])->Recalculate();
    EXPECT_EQ(p.At(ids[0]), (std::vector<float>{3, 7, 9}));
  }
}

// A follower stands where its offset from the leader puts it, to the bit,
// as opening the document computes it again: beside a leader at -0 it is
// made at +0 (the leader's -0 plus the offset's +0), not at -0.
TEST(BoundPointCommands, FollowersStandWhereTheirOffsetPutsThem) {
  for (unsigned command : {ID_CREATE_POINT_VECTOR, ID_CREATE_POINT_2DZ}) {
    CommandPage p;
    p.Select({p.Point(-0.0f, -0.0f, -0.0f)});
    ASSERT_TRUE(p.Run(command));
    auto* made = p.As<CGVertex>(p.Page().m_nNextId - 1);
    ASSERT_TRUE(made);
    float was[3];
    std::memcpy(was, made->m_vPos, sizeof was);
    made->Recalculate();
    EXPECT_EQ(std::memcmp(was, made->m_vPos, sizeof was), 0) << command;
  }
}

}  // namespace
