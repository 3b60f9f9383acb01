// Measured values in a document: a distance follows a dragged point at
// once, and a page holding one of every measured value saves, reopens and
// saves again to the same bytes, which kvdump lists with the same values.
#include <gtest/gtest.h>


#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/measures/pointreadings.h"
#include "cells/dynamic/measures/roundmeasures.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/revolution/roundsolids.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/vertexarray.h"
#include "support/pointdrags.h"

namespace KAVREL_FILE_LOCAL {

class MeasurementsDocumentTest : public DocumentFileTest {
 protected:
  template <class T, class... Args>
  WORD Cell(Args... args) {
    CGPage& page = *g_pCurPage;
    CGCell* cell = new T(page.m_nNextId, args...);
    page.m_cells.SetAt(page.m_nNextId++, cell);
    return cell->m_nId;
  }
  WORD Free(float x, float y, float z) {
    CGPage& page = *g_pCurPage;
    return Cell<CGVerFreeXyz>(page.m_nNextVertex++, page.GetNewName(1), x, y, z);
  }
  CGTmVariable* Value(WORD id) { return static_cast<CGTmVariable*>(g_pCurPage->m_cells.Lookup(id)); }
};

TEST_F(MeasurementsDocumentTest, DistanceFollowsTheDragAndEveryMemberReopensTheSame) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  ReserveVertexArray(40);
  const WORD a = Free(0, 0, 0), b = Free(3, 4, 0), c = Free(0, 4, 0), d = Free(0, 0, 4);
  const WORD distance = Cell<CGTmVarDistancePP>(a, b);
  Value(distance)->m_nStyle = 1;
  Value(distance)->Recalculate();
  EXPECT_EQ(Value(distance)->CurrentValueText(), QStringLiteral(" =5"));

  // B dragged straight down onto (6, 8) in its horizontal plane.
  ASSERT_TRUE(DragPointStraightDown(b, 6, 8));
  EXPECT_EQ(Value(distance)->CurrentValueText(), QStringLiteral(" =10"));

  // One of every other member.
  const WORD ab = Cell<CGLine>(a, b, BYTE{kLineSegment}), cd = Cell<CGLine>(c, d, BYTE{kLineFull});
  const WORD abc = Cell<CGFace>(a, b, c, COLORREF{0x00336699}), abd = Cell<CGFace>(a, b, d, COLORREF{0x00336699});
  const float quarter = 1.5707964f;
  const WORD arc = Cell<CGArc>(1.0f, 1.0f, 1.0f, 2.0f, 0.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f, quarter, BYTE{kArcSegment});
  const WORD cylinder = Cell<CGCylinder>(0.0f, 0.0f, 0.0f, 1.0f, 2.0f, 0.0f, 0.0f, 1.0f);
  const WORD cone = Cell<CGCone>(0.0f, 0.0f, 0.0f, 3.0f, 4.0f, 0.0f, 0.0f, 1.0f);
  const WORD frustum = Cell<CGFrustum>(0.0f, 0.0f, 0.0f, 2.0f, 3.0f, 0.0f, 0.0f, 1.0f, 0.5f);
  const WORD sphere = Cell<CGSphere>(0.0f, 0.0f, 0.0f, 3.0f, 0.0f, 0.0f, 1.0f);
  CGPage& page = *g_pCurPage;
  const WORD bound = Cell<CGVerFreeInLine>(page.m_nNextVertex++, page.GetNewName(1), ab, 0.25f);
  for (WORD id : {Cell<CGTmVarCoordX>(b), Cell<CGTmVarCoordY>(b), Cell<CGTmVarCoordZ>(d), Cell<CGTmVarPara>(bound),
                  Cell<CGTmVarParaPInL>(c, ab), Cell<CGTmVarParaPInY>(d, arc), Cell<CGTmVarDistancePL>(c, ab),
                  Cell<CGTmVarDistancePF>(d, abc), Cell<CGTmVarDistanceLL>(ab, cd), Cell<CGTmVarAngleLL>(ab, cd),
                  Cell<CGTmVarAngleLF>(cd, abc), Cell<CGTmVarAngleFF>(abc, abd), Cell<CGTmVarAngleP3>(a, b, c),
                  Cell<CGTmVarArea>(abc), Cell<CGTmVarVolume>(a, b, c, d), Cell<CGTmVarRadius>(arc),
                  Cell<CGTmVarAreaCircle>(arc), Cell<CGTmVarLenArc>(arc), Cell<CGTmVarAreaCylinder>(cylinder),
                  Cell<CGTmVarAreaCone>(cone), Cell<CGTmVarAreaFrustum>(frustum), Cell<CGTmVarAreaSphere>(sphere),
                  Cell<CGTmVarVolumeCylinder>(cylinder), Cell<CGTmVarVolumeCone>(cone),
                  Cell<CGTmVarVolumeFrustum>(frustum), Cell<CGTmVarVolumeSphere>(sphere)})
  {
    Value(id)->m_nStyle = static_cast<BYTE>(id % 2);  // both caption forms
    Value(id)->Recalculate();
  }

  const QString listing = ReopenedListing(doc, QStringLiteral("measured.kv"));
  EXPECT_TRUE(listing.contains(QStringLiteral("\tCGTmVarDistancePP\t|AB|\t1\t1,2\t10.0000\t =10\n"))) << listing.toStdString();
  EXPECT_TRUE(listing.contains(QStringLiteral("\tCGTmVarAreaCircle\tS ( c1)\t1\t%1\t1.1416\t").arg(arc)))
      << listing.toStdString();
  EXPECT_EQ(listing.count(QStringLiteral("\tCGTmVar")), 27);
}

}  // namespace
