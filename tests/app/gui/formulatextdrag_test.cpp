// A formula text dragged with the select tool in the running program (xvfb)
// follows the pointer pixel for pixel at every zoom, in the central and the
// parallel projection, and the saved document puts it back where it was.
#include <gtest/gtest.h>

#include <QRect>

#include "cells/texts/cgtbvodtext.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "render/viewglobals.h"
#include "support/runningapp.h"
#include "support/settle.h"
#include "ui/commandactions.h"

namespace KAVREL_FILE_LOCAL {

class FormulaTextDrag : public ProgramWindow {
 protected:
  // The box of the text's red pixels in a frame, in the view's pixels.
  QRect RedBox() {
    const QImage frame = view->grabFramebuffer();
    const double ratio = view->devicePixelRatioF();
    QRect box;
    for (int y = 0; y < frame.height(); ++y)
      for (int x = 0; x < frame.width(); ++x) {
        const QRgb c = frame.pixel(x, y);
        if (qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60) box |= QRect(x, y, 1, 1);
      }
    return {static_cast<int>(box.x() / ratio), static_cast<int>(box.y() / ratio), static_cast<int>(box.width() / ratio),
            static_cast<int>(box.height() / ratio)};
  }
};

TEST_F(FormulaTextDrag, FollowsThePointerAtEveryZoomAndProjectionAndReopensInPlace) {
  g_prefs.rgbaText = RGBA{255, 0, 0, 255};
  CGPage& page = Page();
  auto* text = new CGTbVodText(page.m_nNextId++, QStringLiteral("<#><l><e>WWW</e></l></#>"), 0xFFFFFF, 1);
  page.m_cells.SetAt(text->m_nId, text);
  const struct Case {
    unsigned projection;
    float zoom;
  } cases[] = {
      {ID_VIEW_PROJ_ID_ORTHO, 1.0f}, {ID_VIEW_PROJ_ID_ORTHO, 0.5f}, {ID_VIEW_PROJ_ID_ORTHO, 1.35f},
      {ID_VIEW_PROJ_ID_ORTHO, 2.5f}, {ID_VIEW_PROJ_PERSPEC, 1.0f},  {ID_VIEW_PROJ_PERSPEC, 2.5f},
      {ID_VIEW_PROJ_PERSPEC, 0.5f},
  };
  Settle();  // the window's layout settles before the first frame is measured
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.projection << " zoom " << c.zoom);
    window->Actions().Action(c.projection)->trigger();
    g_fViewScale = c.zoom;
    text->m_vLabelAnchor[0] = -4, text->m_vLabelAnchor[1] = 0;
    page.ClearSelection();
    const QRect before = RedBox();
    ASSERT_FALSE(before.isEmpty());
    Drag(before.center(), before.center() + QPoint(100, 40));
    const QRect after = RedBox();
    EXPECT_NEAR(after.left() - before.left(), 100, 1);
    EXPECT_NEAR(after.top() - before.top(), 40, 1);
    EXPECT_EQ(after.size(), before.size());
  }
  const float anchor[2] = {text->m_vLabelAnchor[0], text->m_vLabelAnchor[1]};
  const QRect shown = RedBox();
  const QString path = folder.filePath(QStringLiteral("dragged.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_TRUE(app.OpenDocumentFile(path));
  const std::vector<CGTbVodText*> texts = PageCellsOf<CGTbVodText>();
  ASSERT_EQ(texts.size(), 1u);
  const CGTbVodText* reopened = texts.front();
  EXPECT_EQ(reopened->m_vLabelAnchor[0], anchor[0]);
  EXPECT_EQ(reopened->m_vLabelAnchor[1], anchor[1]);
  EXPECT_EQ(RedBox(), shown);
}

}  // namespace
