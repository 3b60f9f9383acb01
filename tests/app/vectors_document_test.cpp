// Vectors in a document: a construction on three points follows a dragged
// point at once, with a length attached to the point and a point moved by
// a vector, and saves, reopens and saves again to the same bytes, which
// kvdump lists with the same values.
#include <gtest/gtest.h>

#include "cells/constructed/translations.h"
#include "cells/dynamic/vectors/attachedvalue.h"
#include "cells/dynamic/vectors/vectormeasures.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/primitives/cgverfree.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/vertexarray.h"
#include "render/viewglobals.h"
#include "support/pointdrags.h"

namespace KAVREL_FILE_LOCAL {

class VectorsDocumentTest : public DocumentFileTest {
 protected:
  template <class T, class... Args>
  T* Cell(Args... args) {
    CGPage& page = *g_pCurPage;
    auto* cell = new T(page.m_nNextId, args...);
    page.m_cells.SetAt(page.m_nNextId++, cell);
    return cell;
  }
  WORD Free(float x, float y, float z) {
    CGPage& page = *g_pCurPage;
    return Cell<CGVerFreeXyz>(page.m_nNextVertex++, page.GetNewName(1), x, y, z)->m_nId;
  }
};

TEST_F(VectorsDocumentTest, AConstructionFollowsTheDragAndReopensTheSame) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  ReserveVertexArray(40);
  g_fUnitsPerPixel = 0.05f;
  const WORD a = Free(0, 0, 0), b = Free(3, 4, 0), c = Free(0, 0, 12);
  auto* ab = Cell<CGTmVectorPP>(a, b);
  auto* ac = Cell<CGTmVectorPP>(a, c);
  auto* sum = Cell<CGTmVectorAdd>(ab->m_nId, ac->m_nId);
  auto* length = Cell<CGTmVarVectorLength>(sum->m_nId);
  auto* attached = Cell<CGTmVarAfterP>(length->m_nId, b);
  auto* normal = Cell<CGTmVectorNface>(a, b, c);
  auto* cross = Cell<CGTmVectorCross>(ab->m_nId, ac->m_nId);
  cross->m_nStyle = 1;
  cross->UpdateLabel();
  CGPage& page = *g_pCurPage;
  auto* moved = Cell<CGVerTranslateM>(page.m_nNextVertex++, page.GetNewName(1), c, ab->m_nId);
  EXPECT_EQ(sum->m_strValueText, QStringLiteral("(3, 4, 12)"));
  EXPECT_EQ(attached->m_strValueText, QStringLiteral("13"));
  EXPECT_EQ(normal->m_strValueText, QStringLiteral("(0.80, -0.60, 0)"));
  EXPECT_EQ(cross->m_strValueText, QStringLiteral("=(48, -36, 0)"));

  // B dragged straight down onto (6, 8) in its horizontal plane.
  ASSERT_TRUE(DragPointStraightDown(b, 6, 8));
  EXPECT_EQ(sum->m_strValueText, QStringLiteral("(6, 8, 12)"));
  EXPECT_EQ(attached->m_strValueText, QStringLiteral("15.62"));
  EXPECT_TRUE(attached->m_vLabelAnchor[0] == 6 + -24 * 0.05f && attached->m_vLabelAnchor[1] == 8 + -6 * 0.05f);
  EXPECT_TRUE(moved->m_vPos[0] == 6 && moved->m_vPos[1] == 8 && moved->m_vPos[2] == 12);

  // Ids 1 to 3 the points, 4 AB, 5 AC, 6 the sum, 7 its length, 8 attached, 10 the cross product.
  const QString listing = ReopenedListing(doc, QStringLiteral("vectors.kv"));
  for (const char* expected : {"\t6\tCGTmVectorAdd\t[AB]+[AC]\t1\t4,5\t6.0000\t8.0000\t12.0000\t(6, 8, 12)\n",
                               "\t7\tCGTmVarVectorLength\t|[AB]+[AC]|\t1\t6\t15.6205\t15.62\n",
                               "\t8\tCGTmVarAfterP\t合并到点的值\t1\t7,2\t15.6205\t15.62\t-1.2000\t-0.3000\t0.0000\n",
                               "\t10\tCGTmVectorCross\t[AB]×[AC]\t1\t4,5\t96.0000\t-72.0000\t0.0000\t=(96, -72, 0)\n"})
    EXPECT_TRUE(listing.contains(QString::fromUtf8(expected))) << expected << listing.toStdString();
  EXPECT_EQ(attached->m_nId, 8);
}

}  // namespace
