// Transformed structures: the selection closed over the defining points,
// and the images of lines, faces and circles built on image points that
// the test makes as a transformation command does.
#include <gtest/gtest.h>

#include <functional>
#include <numbers>

#include "cells/constructed/circlepoints.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/pageservices/structureimages.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/texts/inkmarks.h"
#include "model/undo/cmdcells.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

// Shifted by (5, -2, 1), or reflected in the plane x = 1.
void Shift(const float p[3], float out[3]) { out[0] = p[0] + 5, out[1] = p[1] - 2, out[2] = p[2] + 1; }
void Mirror(const float p[3], float out[3]) { out[0] = 2 - p[0], out[1] = p[1], out[2] = p[2]; }
void Lift(const float p[3], float out[3]) { out[0] = p[0], out[1] = p[1], out[2] = p[2] + 5; }

struct Structures : CommandPage {
  // Selects `ids`, closes the selection and makes one image point per point.
  void Prepare(const std::vector<WORD>& ids, void (*map)(const float*, float*) = Shift) {
    Select(ids);
    ExpandSelectionToFaceVertices();
    for (WORD id : std::vector<WORD>(Page().m_selPoints)) {
      float at[3];
      map(As<CGVertex>(id)->m_vPos, at);
      Point(at[0], at[1], at[2]);
    }
  }
  template <class T>
  T* Newest() const { return As<T>(static_cast<WORD>(Page().m_nNextId - 1)); }
};

TEST(StructureImages, ATriangleAloneGetsOneFaceOnItsImagePointsUndoneAsOne) {
  Structures p;
  const std::vector<WORD> abc = p.Points(3);
  auto* face = p.As<CGFace>(p.Face(abc));
  face->m_nSubKind = 2, face->m_nStyle = 3, face->m_bHidden = 1, face->m_bLabelHidden = 0;
  face->m_rgbaColor = RGBA{10, 20, 30, 40};
  p.Prepare({face->m_nId, abc[0]});
  EXPECT_EQ(p.Page().m_selPoints, abc) << "A once, then B and C";
  EXPECT_EQ(p.Page().m_selAll, (std::vector<WORD>{4, 1})) << "the corners join the points only";
  ASSERT_EQ(BuildTransformedStructure(false), 1);
  const auto* image = p.Newest<CGFace>();
  ASSERT_TRUE(image && image->m_nId == 8 && image->m_parents == (std::vector<WORD>{5, 6, 7}));
  EXPECT_TRUE(image->m_nSubKind == 2 && image->m_nStyle == 3 && image->m_bHidden && !image->m_bLabelHidden);
  EXPECT_EQ(image->m_rgbaColor, (RGBA{10, 20, 30, 255})) << "RGB only";
  p.Page().m_undo.Submit(std::make_unique<CCmdAddCells>(4, QStringLiteral("平移")));
  p.Page().m_undo.Undo();
  EXPECT_TRUE(p.Page().m_nNextId == 5 && p.Page().m_cells.size() == 4);
}

TEST(StructureImages, LinesAndCirclesKeepTheirClassKindAndLook) {
  const std::pair<const char*, std::function<CGCell*(Structures&)>> rows[] = {
      {"ray", [](Structures& p) { return new CGLine(p.Page().m_nNextId++, p.Point(1, 2, 3), p.Point(4, 0, 0), kLineRay); }},
      {"three-point arc",
       [](Structures& p) {
         auto* arc = new CGArcCircle3P(p.Page().m_nNextId++, p.Point(3, 0, 0), p.Point(0, 3, 0), p.Point(-3, 0, 0), kArcArc);
         return arc->AutoRange = 0, arc->StartAngle = 0.25f, arc->EndAngle = 2.0f, arc;
       }},
      {"measured radius",
       [](Structures& p) {
         const WORD c = p.Point(1, 1, 1), r = p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, "r", 2.5f));
         return new CGArcCenterR(p.Page().m_nNextId++, c, r, kArcDisc);
       }},
      {"centre and point", [](Structures& p) { return new CGArcPoint2(p.Page().m_nNextId++, p.Point(), p.Point(2), kArcSector); }},
  };
  for (const auto& [name, make] : rows) {
    Structures p;
    CGCell* source = make(p);
    source->m_nStyle = 3, source->m_fSize = 4.5f, source->m_bHidden = 1, source->m_bLabelHidden = 0;
    source->m_rgbaColor = RGBA{1, 2, 3, 4};
    p.Prepare({p.Enter(source)});
    ASSERT_EQ(BuildTransformedStructure(false), 1) << name;
    const CGCell& image = *p.Newest<CGCell>();
    EXPECT_EQ(image.GetRuntimeClass(), source->GetRuntimeClass()) << name;
    EXPECT_TRUE(image.m_nSubKind == source->m_nSubKind && image.m_nStyle == 3 && image.m_fSize == 4.5f &&
                image.m_bHidden && !image.m_bLabelHidden && image.m_rgbaColor == source->m_rgbaColor) << name;
    const auto* arc = dynamic_cast<const CGArc*>(&image);
    if (!arc) continue;
    const auto* from = static_cast<const CGArc*>(source);
    EXPECT_TRUE(arc->AutoRange == from->AutoRange && arc->StartAngle == from->StartAngle &&
                arc->EndAngle == from->EndAngle && arc->Radius == from->Radius) << name;
    // On the images of its points; a measured radius stays the same cell.
    EXPECT_EQ(image.m_parents.back(), name == std::string("measured radius") ? source->m_parents[1] : image.m_nId - 1) << name;
  }
}

TEST(StructureImages, ArcsAboutAnAxisRunOverTheImagesOfTheirPoints) {
  // Quarter arcs about an axis, turning either way, shifted or reflected.
  for (const auto& [flag, reflected] : {std::pair{0, false}, {0, true}, {1, false}, {1, true}}) {
    Structures p;
    auto* arc = new CGArcPointN(p.Page().m_nNextId++, p.Point(), p.Point(2), p.Point(0, 0, 3), kArcArc, flag);
    arc->StartAngle = 0, arc->EndAngle = std::numbers::pi_v<float> / 2;
    p.Prepare({p.Enter(arc)}, reflected ? Mirror : Shift);
    ASSERT_EQ(BuildTransformedStructure(reflected), 1);
    for (int k = 0; k < 10; ++k) {
      double on[3], image[3];
      arc->PointAtParameter(on, k / 9.0);
      p.Newest<CGArc>()->PointAtParameter(image, k / 9.0);
      const float source[3] = {float(on[0]), float(on[1]), float(on[2])};
      float mapped[3];
      (reflected ? Mirror : Shift)(source, mapped);
      for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(image[i], mapped[i], 1e-4) << "flag " << flag << (reflected ? " reflected " : " shifted ") << k;
    }
  }
}

TEST(StructureImages, AReversedHorizontalArcKeepsItsSideWhenMoved) {
  Structures p;
  auto* arc = new CGArcPoint2(p.Page().m_nNextId++, p.Point(1, 1, 0), p.Point(3, 1, 0), kArcArc);
  arc->m_nParamB = 1;
  arc->AutoRange = 0, arc->StartAngle = 0, arc->EndAngle = std::numbers::pi_v<float> / 2;
  arc->Recalculate();
  p.Prepare({p.Enter(arc)}, Lift);
  ASSERT_EQ(BuildTransformedStructure(false), 1);
  const auto* image = p.Newest<CGArcPoint2>();
  ASSERT_TRUE(image);
  EXPECT_EQ(image->m_nParamB, 1);
  for (int k = 0; k <= 4; ++k) {
    double on[3], moved[3];
    arc->PointAtParameter(on, k / 4.0);
    image->PointAtParameter(moved, k / 4.0);
    EXPECT_NEAR(on[0], moved[0], 1e-5) << k;
    EXPECT_NEAR(on[1], moved[1], 1e-5) << k;
    EXPECT_NEAR(on[2] + 5, moved[2], 1e-5) << k;
  }
  double half[3];
  arc->PointAtParameter(half, 0.5);
  EXPECT_LT(half[1], 1) << "reversed, the quarter runs below the centre";
}

TEST(StructureImages, WhatHasNoImageOrNoRoomIsNotBuilt) {
  const std::pair<const char*, std::function<void(Structures&)>> rows[] = {
      {"ink adds nothing",
       [](Structures& p) {
         const float stroke[] = {0, 0, 0, 1, 1, 0};
         p.Prepare({p.Enter(new CGInkmarks(p.Page().m_nNextId++, std::make_unique<CStroke>(2, stroke)))});
       }},
      {"an arc on a circle: a class with no image",
       [](Structures& p) {
         const WORD a = p.Point(2), b = p.Point(0, 2);
         const WORD circle = p.Enter(new CGArcPoint2(p.Page().m_nNextId++, p.Point(), a, kArcCircle));
         p.Prepare({a, b, p.Enter(new CGArcInCircle(p.Page().m_nNextId++, a, b, circle))});
       }},
      {"no images made", [](Structures& p) { p.Select({p.Face(p.Points(3))}), ExpandSelectionToFaceVertices(); }},
      {"image ids that wrapped", [](Structures& p) { p.Select({p.Face(p.Points(3))}), ExpandSelectionToFaceVertices(), p.Page().m_nNextId = 2; }},
      {"a line selected after the closing: one end without an image",
       [](Structures& p) {
         const WORD a = p.Point(), line = p.Line(a, p.Point(1));
         p.Prepare({a}), p.Page().SelectCell(line);
       }},
      {"no id for the second line",
       [](Structures& p) {
         const std::vector<WORD> abc = p.Points(3);
         const WORD ab = p.Line(abc[0], abc[1]), bc = p.Line(abc[1], abc[2]);
         p.Page().m_nNextId = 0xFFFB;  // the images take 0xFFFB to 0xFFFD
         p.Prepare({ab, bc});
       }},
  };
  for (const auto& [name, prepare] : rows) {
    Structures p;
    prepare(p);
    const WORD next = p.Page().m_nNextId;
    EXPECT_EQ(BuildTransformedStructure(false), 0) << name;
    EXPECT_EQ(p.Page().m_nNextId, next) << name;
  }
}

}  // namespace
