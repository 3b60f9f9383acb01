// The editor's memory picture and the formula's measured rectangle.
#include "editorfixture.h"

namespace KAVREL_FILE_LOCAL {

class EditorPainting : public EditorTest {};

TEST_F(EditorPainting, PaintFormulaMeasuresWithoutDrawing) {
  Load("<#><l><e>ab</e></l><l><e>c</e></l></#>");
  const int invalidations = host.invalidations;
  const RECT measured = editor.PaintFormula();
  EXPECT_EQ(std::make_pair(measured.left, measured.top), std::make_pair(0, 0));
  EXPECT_GT(measured.Width(), 0);
  EXPECT_GT(measured.Height(), 0);
  EXPECT_TRUE(host.sizes.empty());
  EXPECT_EQ(host.invalidations, invalidations);
  editor.RenderPicture({1, 1});
  editor.RenderPicture({1, 1});
  const std::pair<int, int> size(measured.Width(), measured.Height());
  EXPECT_EQ(host.sizes, (std::vector<std::pair<int, int>>{size, size})) << "each paint reports the size";
  tree.DeleteRoot();
  EXPECT_TRUE(editor.PaintFormula().IsEmpty());
  editor.SetRepaintLevel(2);
  const QImage empty = editor.RenderPicture({40, 30});
  EXPECT_EQ(host.sizes.back(), std::make_pair(0, 0));
  EXPECT_EQ(empty.size(), QSize(40, 30));
  EXPECT_EQ(State(), CFormulaCaret::NOTHING);
  editor.SetRepaintLevel(7);
  EXPECT_EQ(editor.RepaintLevel(), 2) << "a level beyond 2 is a full layout";
}

TEST_F(EditorPainting, ThePictureCoversWindowAndFormulaWithTheSelectionHighlighted) {
  Load("<#><l><e>abc</e></l></#>");
  tree.m_crBackground = 0x00FF00;
  editor.m_caret.m_crHighlight = 0xFF0000;
  const RECT formula = editor.PaintFormula();
  struct Case {
    QSize client, picture;
  } cases[] = {
      {{1, 1}, {formula.right, formula.bottom}},
      {{500, 3}, {500, formula.bottom}},
      {{2, 400}, {formula.right, 400}},
  };
  for (const Case& c : cases) {
    const QImage picture = editor.RenderPicture(c.client);
    EXPECT_EQ(picture.size(), c.picture) << c.client.width();
    EXPECT_EQ(picture.pixel(picture.width() - 1, picture.height() - 1), qRgb(0, 255, 0)) << c.client.width();
  }
  Key('A', true);
  const QImage selected = editor.RenderPicture({1, 1});
  const QRect highlight = editor.m_caret.m_geometry.region.boundingRect();
  ASSERT_FALSE(highlight.isEmpty());
  EXPECT_EQ(selected.pixel(highlight.topLeft()), qRgb(0, 0, 255));
}

}  // namespace
