// Delete, cut, paste of pages and pictures, and paste's undo, through the
// command registry as the ribbon runs them.
#include <QImage>
#include <algorithm>

#include "cells/primitives/cgverfreeinline.h"
#include "cells/texts/cgtextbit.h"
#include "editing/editcommands.h"
#include "model/document/docservices.h"
#include "editingtestsupport.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

// A, B, segment AB, P on AB, and C apart.
struct DeleteFigure {
  explicit DeleteFigure(CommandPage& p) {
    a = p.Point(0, 0, 0), b = p.Point(4, 0, 0);
    ab = p.Line(a, b);
    CGPage& page = p.Page();
    pt = p.Enter(new CGVerFreeInLine(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), ab, 0.5f));
    c = p.Point(0, 3, 0);
    bc = p.Line(b, c);
  }
  WORD a, b, ab, pt, c, bc;
};

TEST(EditDelete, ACellGoesWithItsDescendantsInOneStepAndComesBackExactly) {
  CommandPage p;
  DeleteFigure f(p);
  const auto records = CellRecords(p.Page());
  std::vector<std::pair<WPARAM, std::vector<WORD>>> told;
  p.seams.bridge->observer = [&](const BridgeMessage& m) {
    if (m.message == WM_CELLS_CHANGED && m.lParam != 0)
      told.emplace_back(m.wParam, *reinterpret_cast<const std::vector<WORD>*>(m.lParam));
  };
  p.Select({f.a});
  ASSERT_TRUE(p.Run(ID_EDIT_DELETE));
  EXPECT_EQ(p.Page().m_cells.Ids(), (std::vector<WORD>{f.b, f.c, f.bc}));
  EXPECT_EQ(p.Find(f.b)->m_children, (std::vector<WORD>{f.bc}));
  EXPECT_EQ(p.Page().m_undo.GetCount(), 1);
  EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QStringLiteral("清除对象"));
  EXPECT_TRUE(p.doc.IsModified());
  EXPECT_TRUE(p.Page().m_selAll.empty());
  ASSERT_TRUE(p.Page().m_undo.Undo());
  // Ids, parents, slots and child lists in their old order.
  EXPECT_EQ(CellRecords(p.Page()), records);
  EXPECT_EQ(p.Find(f.b)->m_children, (std::vector<WORD>{f.ab, f.bc}));
  const std::vector<WORD> gone{f.a, f.ab, f.pt};
  EXPECT_EQ(told, (std::vector<std::pair<WPARAM, std::vector<WORD>>>{{0, gone}, {1, gone}}));
  ASSERT_TRUE(p.Page().m_undo.Redo());
  EXPECT_EQ(p.Page().m_cells.Ids(), (std::vector<WORD>{f.b, f.c, f.bc}));
}

TEST(EditDelete, ASelectedPageGoesForGoodAfterTheQuestion) {
  struct Row {
    const char* name;
    int pages, current;
    int answer;
    int expectedPages;
    WORD expectedCurrentId;
  } const rows[] = {
      {"the only page", 1, 0, IDOK, 1, 1},
      {"the last of three", 3, 2, IDOK, 2, 2},
      {"the middle of three", 3, 1, IDOK, 2, 3},
      {"cancelled", 3, 1, IDCANCEL, 3, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    for (int i = 1; i < row.pages; ++i) p.doc.OnCreatePage();
    p.doc.SwitchToPage(p.doc.m_pages[row.current].get());
    p.Point();
    p.doc.SetModifiedFlag(false);
    p.Page().m_bSelected = 1;
    p.seams.notifier->answers = {row.answer};
    int mediaClosed = 0;
    DocumentServices().closeMedia = [&mediaClosed] { ++mediaClosed; };
    const int resets = p.seams.bridge->stepResets;
    ASSERT_TRUE(p.Run(ID_EDIT_DELETE));
    DocumentServices().closeMedia = nullptr;
    // Only emptying the document takes the played page's media with it.
    EXPECT_EQ(mediaClosed, row.pages == 1 && row.answer == IDOK ? 1 : 0);
    ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
    const ShownMessage& asked = p.seams.notifier->shown[0];
    EXPECT_EQ(asked.text, QStringLiteral("您的操作将使当前页被删除。删除的页面无法恢复。您真的想执行删除？"));
    EXPECT_EQ(asked.caption, QStringLiteral("页面被删除"));
    EXPECT_EQ(asked.type, unsigned(MB_OKCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(p.doc.m_pages.size(), size_t(row.expectedPages));
    EXPECT_EQ(p.Page().m_nId, row.expectedCurrentId);
    EXPECT_EQ(p.doc.IsModified(), row.answer == IDOK);
    if (row.answer != IDOK) {
      EXPECT_EQ(p.Page().m_cells.size(), 1u);
      continue;
    }
    EXPECT_TRUE(p.Page().m_cells.empty() || row.pages > 1);
    EXPECT_EQ(p.seams.bridge->statusTexts.back(),
              std::make_pair(2, QStringLiteral("当前页：") + p.Page().m_strName));
    if (row.pages == 1) {
      EXPECT_EQ(p.Page().m_strName, QStringLiteral("第一页"));
      EXPECT_EQ(p.doc.m_nLastPageId, 1);
      EXPECT_EQ(p.seams.bridge->objectListFills, 1);
      EXPECT_EQ(p.seams.bridge->stepResets, resets + 1) << "the tool may hold ids of the page gone";
    } else {
      const auto told = p.Messages(WM_PAGE_ITEM);
      EXPECT_EQ(std::count_if(told.begin(), told.end(), [](const BridgeMessage& m) { return m.wParam == 2; }), 1);
    }
  }
}

TEST(EditCut, ASelectedPageIsCopiedThenAskedFor) {
  CommandPage p;
  p.Point();
  p.Page().m_bSelected = 1;
  const QByteArray page = PageBytes(p.Page());
  p.seams.notifier->answers = {IDCANCEL};
  ASSERT_TRUE(p.Run(ID_EDIT_CUT));
  EXPECT_EQ(ClipboardRecord().toHex(), (QByteArray::fromHex("01000000") + page).toHex()) << "a kind one record";
  EXPECT_EQ(p.seams.notifier->shown.size(), 1u);
  EXPECT_EQ(p.doc.m_pages.size(), 1u);
  EXPECT_EQ(p.Page().m_cells.size(), 1u);
}

TEST(EditPaste, APageFollowsTheCurrentOneUnderTheNextIdWithoutUndo) {
  struct Row {
    WORD lastPageId;
    const char* name;
  } const rows[] = {{2, "第三页"}, {11, "第12页"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    const WORD a = p.Point(1, 1, 0), b = p.Point(2, 3, 0);
    p.Line(a, b);
    p.doc.OnCreatePage();
    p.doc.SwitchToPage(p.doc.m_pages[0].get());
    p.Page().m_bSelected = 1;
    ASSERT_TRUE(p.Run(ID_EDIT_COPY));
    p.doc.m_nLastPageId = row.lastPageId;
    ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
    ASSERT_EQ(p.doc.m_pages.size(), 3u);
    CGPage* pasted = p.doc.m_pages[1].get();
    EXPECT_EQ(g_pCurPage, pasted);
    EXPECT_EQ(pasted->m_nId, row.lastPageId + 1);
    EXPECT_EQ(p.doc.m_nLastPageId, row.lastPageId + 1);
    EXPECT_EQ(pasted->m_strName, QString::fromUtf8(row.name));
    EXPECT_FALSE(pasted->m_bSelected);
    EXPECT_EQ(pasted->m_cells.Ids(), (std::vector<WORD>{1, 2, 3}));
    EXPECT_EQ(p.Find(3)->m_strName, QStringLiteral("AB"));
    EXPECT_EQ(pasted->m_undo.GetCount(), 0);
    EXPECT_EQ(p.seams.bridge->statusTexts.back(), std::make_pair(2, QStringLiteral("当前页：") + row.name));
    EXPECT_TRUE(p.doc.IsModified());
  }
}

TEST(EditPaste, AnEmptyCopyPastesNothingButStillSteps) {
  CommandPage p;
  p.Point();
  p.Page().m_selAll.push_back(99);  // a stale entry: the command runs, nothing is copied
  ASSERT_TRUE(p.Run(ID_EDIT_COPY));
  p.Page().m_selAll.clear();
  p.ExpectNothingMade([&] { ASSERT_TRUE(p.Run(ID_EDIT_PASTE)); });
  EXPECT_EQ(p.Page().m_nPasteCount, 2);
  EXPECT_TRUE(p.seams.notifier->shown.empty());
}

// A picture to paste, and what the page made of it.
struct PictureRow {
  const char* name;
  QImage image;
  int pasteCount;
  float scale;
};

TEST(EditPaste, APictureBecomesAnImageCellAtThePasteStep) {
  QImage small(3, 2, QImage::Format_ARGB32);
  small.fill(qRgb(0, 0, 0));
  small.setPixel(0, 0, qRgb(10, 20, 30));
  small.setPixel(2, 1, qRgb(200, 100, 50));
  QImage green16(1, 1, QImage::Format_RGB16);
  green16.setPixel(0, 0, qRgb(0, 255, 0));
  QImage wide(2000, 100, QImage::Format_RGB32);
  wide.fill(qRgb(1, 2, 3));
  QImage tall(100, 1000, QImage::Format_RGB32);
  tall.fill(qRgb(1, 2, 3));
  const PictureRow rows[] = {
      {"32 bits", small, 0, 1.0f},
      {"16 bits: green stays green", green16, 1, 1.0f},
      {"wider than the view", wide, 2, 0.98f * 800 / 2000},
      {"taller than the view", tall, 0, 0.98f * 600 / 1000},
  };
  for (const PictureRow& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    DocumentServices().createImageCell = CreateImageCell;
    g_nViewWidth = 800;
    g_nViewHeight = 600;
    auto* clipboard = new TwoFormatClipboard;
    SetClipboard(std::unique_ptr<IClipboard>(clipboard));
    clipboard->SetImage(row.image);
    clipboard->SetData(QString::fromLatin1(kClipboardFormat), QByteArray::fromHex("0200000000000000"));
    p.Page().m_nPasteCount = row.pasteCount;
    ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
    auto* image = p.As<CGTbImage>(1);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QStringLiteral("粘贴图片"));
    EXPECT_EQ(p.Page().m_nPasteCount, row.pasteCount + 1);
    const int w = row.image.width(), h = row.image.height();
    EXPECT_EQ(image->m_nWidth, DWORD(w));
    EXPECT_FLOAT_EQ(image->ZoomX(), row.scale);
    const double u = g_fUnitsPerPixel;
    EXPECT_FLOAT_EQ(image->m_vLabelAnchor[0], float(40 * row.pasteCount * u - w * double(row.scale) * u / 2));
    EXPECT_FLOAT_EQ(image->m_vLabelAnchor[1], float(40 * row.pasteCount * u - h * double(row.scale) * u / 2));
    if (w == 3) {
      // Bottom-up R, G, B rows of 12 bytes.
      EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image->Pixels().data()), 24).toHex(),
                QByteArray::fromHex("000000" "000000" "c86432" "000000" "0a141e" "000000" "000000" "000000").toHex());
    } else if (w == 1) {
      EXPECT_EQ(image->Pixels()[0], 0);
      EXPECT_EQ(image->Pixels()[1], 255);
      EXPECT_EQ(image->Pixels()[2], 0);
    }
  }
}

TEST(EditPaste, IsEnabledByARecordOrAPictureAndTellsOfAPictureItCannotHave) {
  CommandPage p;
  auto* clipboard = new TwoFormatClipboard;
  SetClipboard(std::unique_ptr<IClipboard>(clipboard));
  EXPECT_FALSE(CommandRegistry().Query(ID_EDIT_PASTE).m_bEnabled);
  clipboard->records[QString::fromLatin1(kClipboardFormat)] = QByteArray::fromHex("0200000000");
  EXPECT_TRUE(CommandRegistry().Query(ID_EDIT_PASTE).m_bEnabled);
  clipboard->records.clear();
  clipboard->hasImage = true;  // said to be there, but it cannot be had
  EXPECT_TRUE(CommandRegistry().Query(ID_EDIT_PASTE).m_bEnabled);
  p.ExpectNothingMade([&] { ASSERT_TRUE(p.Run(ID_EDIT_PASTE)); });
  ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
  EXPECT_EQ(p.seams.notifier->shown[0].text, QStringLiteral("无法取得剪贴板数据,不能完成粘贴!"));
  EXPECT_EQ(p.seams.notifier->shown[0].caption, QStringLiteral("粘贴图片"));
  EXPECT_EQ(p.seams.notifier->shown[0].type, unsigned(MB_OK | MB_ICONINFORMATION));
}

}  // namespace
