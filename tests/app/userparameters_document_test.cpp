// A parameter and a calculation over it in a document: the slider dragged as
// the view drags it, the plus command, and the page saved, reopened and
// saved again to the same bytes.
#include <gtest/gtest.h>

#include <vector>

#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "platform/editscope.h"
#include "render/viewglobals.h"

namespace KAVREL_FILE_LOCAL {

using UserParametersDocumentTest = DocumentFileTest;

TEST_F(UserParametersDocumentTest, SliderAndPlusDriveACalculationThatReopensTheSame) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  auto* t = new CGTmVarParameter(page.m_nNextId, QStringLiteral("t"), 2);
  page.m_cells.SetAt(page.m_nNextId++, t);
  t->SetRange(0, 10);
  t->m_nSubKind = 1;
  auto* square = new CGTmVarCalculator(page.m_nNextId, {t->m_nId}, QStringLiteral("No1*No1"), QString());
  page.m_cells.SetAt(page.m_nNextId++, square);
  EXPECT_EQ(square->CurrentValueText(), QStringLiteral(" =4"));

  // The view's drag: the first move marks and collects the dependants,
  // every move drags the slider and recomputes them in ascending ids.
  std::vector<WORD> dependants;
  t->MarkDescendants();
  page.CollectDirtyIds(dependants);
  ASSERT_EQ(dependants, std::vector<WORD>({square->m_nId}));
  g_nMouseDeltaX = 10;
  t->DragSlider();
  page.RecalculateCells(dependants);
  EXPECT_EQ(t->m_fValue, 3);
  EXPECT_EQ(square->CurrentValueText(), QStringLiteral(" =9"));

  page.m_selValues = {t->m_nId};
  {
    const CEditScope key;  // the plus key, an edit of its own
    doc.OnParamIncrease();
  }
  EXPECT_EQ(square->m_fValue, 16);

  // Saved straight after the recomputation: the record composes the text.
  const QByteArray saved = Bytes(doc);
  EXPECT_EQ(square->m_strValueText, QStringLiteral(" =16"));
  const QString first = WriteFile(QStringLiteral("parameters.kv"), saved);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(first, true)) << Shown().toStdString();
  EXPECT_EQ(Bytes(reopened).toHex(), saved.toHex());
  const auto* loaded = dynamic_cast<CGTmVarCalculator*>(g_pCurPage->m_cells.Lookup(square->m_nId));
  ASSERT_NE(loaded, nullptr);
  EXPECT_TRUE(loaded->m_bCompiled && loaded->m_bDefined);
  const QString listing = KvdumpListing(first);
  EXPECT_TRUE(listing.contains(QStringLiteral("\tCGTmVarParameter\tt\t")) &&
              listing.contains(QStringLiteral("\tCGTmVarCalculator\t[t]*[t]\t")) &&
              listing.contains(QStringLiteral("\t16.0000\t =16\n")))
      << listing.toStdString();
}

}  // namespace
