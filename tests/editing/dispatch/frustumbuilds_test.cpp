// The frustum tool's three square frustums: cell counts, names, places
// and one undo step that also gives the selected corner its name back.
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "dispatchtestsupport.h"
#include "editing/dispatch/builddispatch.h"

namespace dispatchtest {
namespace KAVREL_FILE_LOCAL {

constexpr char kLabel[] = "添加正四棱台";

TEST(FrustumTool, OnePointIsCornerAOfAFrustumAboutTheOrigin) {
  CommandPage p;
  p.Point(0, 0, 0);
  const WORD corner = p.Point(2, 1, 3);  // "B"
  p.Select({corner});
  Probe probe(p, kToolFrustum);
  // The undo step gives the corner back its name, and takes it again on redo.
  const std::vector<WORD> made = p.ExpectConstruction(kProbe, 25, QString::fromUtf8(kLabel));
  EXPECT_EQ(probe.result, 0);
  const CGCell* a = p.Find(corner);
  EXPECT_EQ(a->m_strName, QStringLiteral("A"));
  EXPECT_TRUE(a->m_bNameFixed);
  EXPECT_EQ(p.Summary({made[0], made[1], made[2]}), "CGVerRotate(A) CGVerSymmetry(A) CGVerSymmetry(C)");
  const std::vector<std::vector<float>> at = {{-1, 2, 3}, {-2, -1, 3}, {1, -2, 3},
                                              {1, 0.5f, -1.5f}, {-0.5f, 1, -1.5f}, {-1, -0.5f, -1.5f}, {0.5f, -1, -1.5f}};
  // The other corners take the page's next automatic names.
  const char* names[] = {"C", "D", "E", "A1", "B1", "C1", "D1"};
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(p.Find(made[k])->m_strName, QString::fromLatin1(names[k])) << k;
    for (int axis = 0; axis < 3; ++axis) EXPECT_NEAR(p.At(made[k])[axis], at[k][axis], 1e-5) << names[k];
  }
  EXPECT_EQ(p.Summary(std::vector<WORD>(made.begin() + 7, made.end())),
            "CGLine(A,C) CGLine(C,D) CGLine(D,E) CGLine(E,A) CGLine(A1,B1) CGLine(B1,C1) CGLine(C1,D1) "
            "CGLine(D1,A1) CGLine(A,A1) CGLine(C,B1) CGLine(D,C1) CGLine(E,D1) CGFace(A,C,D,E) "
            "CGFace(A1,B1,C1,D1) CGFace(A,C,B1,A1) CGFace(C,D,C1,B1) CGFace(D,E,D1,C1) CGFace(E,A,A1,D1)");
  ASSERT_TRUE(p.Page().m_undo.Undo());
  EXPECT_EQ(p.Find(corner)->m_strName, QStringLiteral("B"));
  EXPECT_FALSE(p.Find(corner)->m_bNameFixed);
}

TEST(FrustumTool, OneLineIsTheAxisOfAFrustum) {
  CommandPage p;
  const WORD a = p.Point(0, 0, 0), b = p.Point(4, 0, 0);
  p.Select({p.Line(a, b)});
  Probe probe(p, kToolFrustum);
  const std::vector<WORD> made = p.ExpectConstruction(kProbe, 26, QString::fromUtf8(kLabel));
  EXPECT_EQ(p.Summary({made[0], made[1], made[2], made[4], made[5], made[6]}),
            "CGVerFreeUpright(A,B) CGVerRotateX(C,AB) CGVerSymmetryP(C,A) CGVerFreeParVecPP(B,A,C) "
            "CGVerRotateX(G,AB) CGVerSymmetryP(G,B)");
  const auto* upright = p.As<CGVerFreeUpright>(made[0]);
  EXPECT_EQ(upright->Radius(), 10.0f);
  EXPECT_EQ(upright->Angle(), 2.4f);
  EXPECT_EQ(p.Find(made[4])->m_fValue, 5.0f);
  EXPECT_NEAR(p.At(made[0])[0], 0, 1e-5) << "square to the axis at its first end";
}

TEST(FrustumTool, NothingSelectedMakesTheStandardFrustum) {
  CommandPage p;
  Probe probe(p, kToolFrustum);
  const std::vector<WORD> made = p.ExpectConstruction(kProbe, 29, QString::fromUtf8(kLabel));
  EXPECT_EQ(p.Summary({made[0], made[1], made[2], made[3], made[9], made[10]}),
            "CGVerFreeXyz() CGVerFreeHenchman(A) CGVerFreeUprightEquid(A,B) CGVerTranslate(B,A,D) "
            "CGVerScale(A,C) CGVerFreePerpen(E,A,B)");
  EXPECT_EQ(p.Find(made[3])->m_strName, QStringLiteral("C")) << "drawn before the third corner's";
  EXPECT_EQ(p.At(made[0]), (std::vector<float>{-6, -6, -5}));
  EXPECT_EQ(p.At(made[1]), (std::vector<float>{6, -6, -5}));
  const CGCell* v = p.Find(made[10]);
  EXPECT_EQ(v->m_strName, QStringLiteral("V"));
  EXPECT_TRUE(v->m_bLabelHidden && p.Find(made[9])->m_bLabelHidden);
  EXPECT_FALSE(v->m_bHidden);
  EXPECT_EQ(v->m_fValue, 16.0f);
}

}  // namespace
}  // namespace dispatchtest
