// The ink pen's commands, the kept picture, the trimmed picture of the
// view and play.
#include "cells/texts/inkmarks.h"
#include "model/document/docservices.h"
#include "model/undo/cmdcells.h"
#include "platform/clipboard.h"
#include <QPainter>
#include <QTemporaryDir>

#include "render/textures.h"
#include "support/scripteddialogs.h"
#include "toolfixture.h"
#include "view/tools/retexture.h"
#include "view/tools/trimmedcapture.h"

namespace KAVREL_FILE_LOCAL {

void DrawStroke(ToolPage& t, RGBA colour, int x) {
  g_rgbaInk = colour;
  g_nToolMode = 9;
  t.Down(x, 10);
  t.Move(x + 20, 30, true);
  t.Up(x + 20, 30);
}

TEST(CaptureCommands, SavedStrokesBecomeOneInkCellPerColourRunInOneStep) {
  constexpr RGBA kRed{255, 0, 0, 0}, kBlue{0, 0, 255, 0};
  const std::pair<std::vector<RGBA>, std::vector<size_t>> rows[] = {  // stroke colours, strokes per cell made
      {{kRed}, {1}}, {{kRed, kRed, kBlue}, {2, 1}}, {{kRed, kBlue, kRed}, {1, 1, 1}}};
  for (const auto& [colours, strokesPerCell] : rows) {
    SCOPED_TRACE(strokesPerCell.size());
    ToolPage t;
    g_viewTool.step = 3;
    EXPECT_EQ(CommandRegistry().Query(ID_CREATE_INKMARKS).m_nCheck, 0) << "not the pen yet";
    ASSERT_TRUE(t.Run(ID_CREATE_INKMARKS));
    EXPECT_EQ(std::make_pair(g_viewTool.step, CommandRegistry().Query(ID_CREATE_INKMARKS).m_nCheck), std::make_pair(0, 1));
    g_fViewTranslate[0] = 1.5f, g_fViewTranslate[1] = -2.0f, g_prefs.fLineWidth = 4.0f;
    for (size_t i = 0; i < colours.size(); ++i) DrawStroke(t, colours[i], static_cast<int>(10 * i));
    ASSERT_TRUE(t.Run(ID_INK_SAVE));
    EXPECT_TRUE(g_viewTool.finishedStrokes.empty());
    EXPECT_EQ(std::make_pair(t.Steps(), t.LastLabel()), std::make_pair(1, Utf8("添加墨迹")));
    const size_t cells = strokesPerCell.size();
    EXPECT_EQ(dynamic_cast<CCmdAddCell*>(t.Page().m_undo.CurrentCommand()) != nullptr, cells == 1);
    ASSERT_EQ(t.Page().m_nNextId, 1 + cells);
    for (WORD i = 0; i < cells; ++i) {
      auto* ink = t.As<CGInkmarks>(static_cast<WORD>(1 + i));
      ASSERT_NE(ink, nullptr);
      EXPECT_EQ(std::make_tuple(ink->m_strokes.size(), ink->m_vLabelAnchor[0], ink->m_vLabelAnchor[1], ink->m_fSize),
                std::make_tuple(strokesPerCell[i], -1.5f, 2.0f, 4.0f)) << "cell " << i;
    }
    t.Page().m_undo.Undo();
    EXPECT_EQ(t.Find(1), nullptr);
  }
}

TEST(CaptureCommands, ErasingDropsStrokesAndTheKeptPictureAsEachSays) {
  // Command; strokes drawn; picture kept; enabled; picture kept after.
  const std::tuple<unsigned, bool, bool, bool, bool> rows[] = {
      {ID_INK_ERASE, true, true, true, true},    {ID_INK_SAVE, false, true, false, true},
      {ID_VIEW_ERASE, true, false, true, false}, {ID_VIEW_ERASE, false, true, true, false},
      {ID_VIEW_ERASE, false, false, false, false}};
  for (const auto& [id, strokes, pictureKept, enabled, pictureKeptAfter] : rows) {
    ToolPage t;
    if (strokes) DrawStroke(t, RGBA{}, 0);
    g_bBackgroundDirty = pictureKept ? 0 : 1;
    EXPECT_EQ(CommandRegistry().Query(id).m_bEnabled, enabled) << id << " strokes " << strokes;
    CommandRegistry().Run(id);
    EXPECT_TRUE(g_viewTool.finishedStrokes.empty()) << id;
    EXPECT_EQ(g_bBackgroundDirty == 0, pictureKeptAfter) << id;
  }
}

TEST(CaptureCommands, SnapshotDrawsTheSelectionAsTracesAndDropsIt) {
  for (BOOL traceSwitch : {0, 1}) {
    ToolPage t;
    const WORD a = t.Point(), b = t.Point(1, 0, 0);
    t.Select({a, b});
    t.Page().m_bFullTrace = traceSwitch;
    std::vector<WORD> traced;
    BOOL switchWhileDrawn = 0;
    t.surface.capture = [&] { traced = t.Page().m_traceList, switchWhileDrawn = t.Page().m_bFullTrace; };
    ASSERT_TRUE(t.Run(ID_VIEW_SNAPSHOT));
    EXPECT_EQ(traced, (std::vector<WORD>{a, b}));
    EXPECT_EQ(switchWhileDrawn, 1);
    EXPECT_EQ(t.Page().m_bFullTrace, traceSwitch);
    EXPECT_TRUE(t.Page().m_traceList.empty() && t.Page().m_selAll.empty() && !t.Find(a)->m_bSelected);
  }
}

QImage PaperWith(QRect ink) {
  QImage picture(100, 80, QImage::Format_ARGB32);
  picture.fill(Qt::white);
  QPainter(&picture).fillRect(ink, Qt::black);
  return picture;
}

TEST(TrimmedCapture, TheDrawnPartWithAMarginWhereThereIsRoom) {
  const std::pair<QRect, std::optional<QRect>> rows[] = {
      {QRect(40, 30, 10, 10), QRect(36, 26, 18, 18)},  // a square in the middle
      {QRect(0, 30, 10, 10), QRect(0, 26, 14, 18)},    // touching the left edge
      {QRect(4, 4, 92, 72), QRect(4, 4, 92, 72)},      // four pixels of room
      {QRect(5, 5, 90, 70), QRect(1, 1, 98, 78)},      // five pixels of room
      {QRect(), std::nullopt},                         // background only
  };
  for (const auto& [ink, expected] : rows)
    EXPECT_EQ(TrimmedCaptureRect(PaperWith(ink), qRgb(255, 255, 255)), expected) << ink.x() << "," << ink.y();
}

TEST(CaptureCommands, TheTrimmedViewGoesToTheClipboardAndPlayBuildsOrOpensTheMedia) {
  ToolPage t;
  g_nViewWidth = 100, g_nViewHeight = 80;
  t.surface.picture = PaperWith(QRect());
  ASSERT_TRUE(t.Run(ID_EDIT_PRINTSCR));
  EXPECT_FALSE(Clipboard().HasImage()) << "background only";
  t.surface.picture = PaperWith(QRect(40, 30, 10, 10));
  ASSERT_TRUE(t.Run(ID_EDIT_PRINTSCR));
  EXPECT_EQ(Clipboard().Image().size(), QSize(18, 18));
  g_prefs.background = {0.999f, 1.0f, 1.0f, 1.0f};  // times 255, truncated: 254
  ASSERT_TRUE(t.Run(ID_EDIT_PRINTSCR));
  EXPECT_EQ(Clipboard().Image().size(), QSize(100, 80));

  for (bool builds : {true, false}) {
    int asked = 0, media = 0;
    DocumentServices().buildFromSelection = [&](int kind) { return asked = kind, builds; };
    CommandRegistry().Register(ID_VIEW_MEDIA, [&](unsigned) { ++media; }, {}, &media);
    ASSERT_TRUE(t.Run(ID_CREATE_PLAY));
    CommandRegistry().Withdraw(&media);
    EXPECT_EQ(std::make_pair(asked, media), std::make_pair(12, builds ? 0 : 1));
  }
}

TEST(CaptureCommands, ANewTexturePictureFromTheDialog) {
  QTemporaryDir dir;
  const QString good = dir.filePath(QStringLiteral("wood.png")), bad = dir.filePath(QStringLiteral("none.png"));
  QImage(6, 4, QImage::Format_RGB32).save(good);
  // Wider than a document stores (16384): scaled down to that as it is taken.
  const QString wide = dir.filePath(QStringLiteral("wide.png")), wider = dir.filePath(QStringLiteral("wider.png"));
  for (const auto& [path, width] : {std::pair{wide, 16385}, {wider, 20000}}) {
    QImage picture(width, 2, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    picture.save(path);
  }
  // OK pressed; texture (the slot looked at, modulo 3); picture file; the
  // slot's width and height after (0 x 0: not loaded).
  const std::tuple<bool, int, QString, int, int> rows[] = {
      {false, 1, good, 0, 0},    {true, 1, QString(), 0, 0},  {true, 1, bad, 0, 0},     {true, 3, good, 0, 0},
      {true, 1, good, 6, 4},     {true, 2, good, 6, 4},       {true, 0, wide, 16384, 2}, {true, 2, wider, 16384, 2}};
  for (const auto& [ok, texture, image, width, height] : rows) {
    const bool loaded = width > 0;
    ToolPage t;
    CDlgReTextext answer;
    answer.m_nTexture = texture, answer.m_strImage = image;
    ok ? t.dialogs->Ok(answer) : t.dialogs->Cancel<CDlgReTextext>();
    g_textureSlots[texture % 3].width = g_textureSlots[texture % 3].height = 0;
    ASSERT_TRUE(t.Run(ID_EDIT_RETEXTURE));
    const CTextureSlot& slot = g_textureSlots[texture % 3];
    EXPECT_EQ(std::make_tuple(slot.width, slot.height, t.doc.IsModified()), std::make_tuple(width, height, loaded))
        << image.toStdString() << " " << texture;
  }
  g_strProgramFolder = QStringLiteral("/opt/kavrel");
  for (auto [index, number] : {std::pair{0, 1}, {1, 2}, {2, 3}, {5, 3}, {-1, 3}})
    EXPECT_EQ(BuiltInTexturePath(index), QStringLiteral("/opt/kavrel/Images/Img%1.jpg").arg(number));
}

}  // namespace
