// The 3DS model drawn headless through its passes: the wire frame only in
// the line pass, the lit model with its magenta box when selected, the
// turn about its pivot, a texture, the pick faces and the line width put
// back.
#include <GL/gl.h>

#include <cmath>

#include "../celldrawtestsupport.h"
#include "model3dsfiles.h"

namespace KAVREL_FILE_LOCAL {

constexpr float kHalfPi = 1.5707963267948966f;

class Model3dsGl : public CellGlTest {
 protected:
  // A flat 20 x 4 rectangle in red, its box centre (10, 2, 0) placed at
  // (32.5, 32.5, 0) with scale 1: its edges run along pixel centres.
  std::unique_ptr<CGModel3ds> Rectangle(BYTE mode, const std::string& texture = {}) {
    auto model = files.Model(files.Write(
        QStringLiteral("r.3ds"),
        Write3ds({ModelMaterial("red", 220, 0, 0, texture)}, {FlatRectangle("r", 0, 0, 20, 4, "red")})), mode);
    model->Scale = 1;
    model->Position[0] = model->Position[1] = 32.5f;
    return model;
  }
  QImage Drawn(const std::function<void()>& draw) {
    ViewState();
    draw();
    return gl.ReadPixels();
  }
  static bool IsRed(QRgb c) { return qRed(c) > 180 && qGreen(c) < 60 && qBlue(c) < 60; }
  static bool IsMagenta(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) > 200; }

  ModelFiles files;
};

TEST_F(Model3dsGl, LitModelFillsItsPlaceAndTheWireFrameOnlyTheLinePass) {
  const auto lit = Rectangle(CGModel3ds::kLit);
  const QImage filled = Drawn([&] { lit->DrawLit(); });
  EXPECT_TRUE(IsRed(At(filled, 32, 32)));
  EXPECT_TRUE(IsRed(At(filled, 24, 31)));
  EXPECT_TRUE(IsWhite(At(filled, 32, 36)));
  EXPECT_TRUE(IsWhite(At(Drawn([&] { lit->DrawVisibleEdges(); }), 32, 32))) << "not selected: no outline";

  const auto wire = Rectangle(CGModel3ds::kWire);
  EXPECT_TRUE(IsWhite(At(Drawn([&] { wire->DrawLit(); }), 32, 32)));
  g_prefs.fLineWidth = 3.0f;
  const QImage lines = Drawn([&] { wire->DrawVisibleEdges(); });
  // The diagonal of the two triangles runs through the centre; the inside
  // of each triangle stays empty.
  EXPECT_TRUE(IsRed(At(lines, 32, 32)));
  EXPECT_TRUE(IsWhite(At(lines, 38, 31)));
  GLfloat width = 0;
  glGetFloatv(GL_LINE_WIDTH, &width);
  EXPECT_EQ(width, 3.0f) << "the preference width, not a fixed one";
  GLint polygon[2] = {0, 0};
  glGetIntegerv(GL_POLYGON_MODE, polygon);
  EXPECT_EQ(polygon[0], GL_FILL);
}

TEST_F(Model3dsGl, ASelectedLitModelIsOutlinedByItsMagentaBox) {
  const auto model = Rectangle(CGModel3ds::kLit);
  model->m_bSelected = true;
  const QImage outline = Drawn([&] { model->DrawVisibleEdges(); });
  EXPECT_TRUE(IsMagenta(At(outline, 22, 32)));  // the box's side at x min
  EXPECT_TRUE(IsMagenta(At(outline, 32, 30)));  // an edge along x at y min
  EXPECT_TRUE(IsWhite(At(outline, 32, 32)));
}

TEST_F(Model3dsGl, TheValueTurnsTheModelAboutItsPivot) {
  const auto model = Rectangle(CGModel3ds::kLit);
  model->m_fValue = kHalfPi;
  const QImage turned = Drawn([&] { model->DrawLit(); });
  // The pivot is position - scale * box centre = (22.5, 30.5): the rectangle
  // turns into x 18..22, y 30..50, away from its own centre.
  EXPECT_TRUE(IsRed(At(turned, 20, 45)));
  EXPECT_TRUE(IsWhite(At(turned, 32, 32)));
  EXPECT_TRUE(IsWhite(At(turned, 24, 31)));
}

TEST_F(Model3dsGl, ATexturedObjectWearsItsPictureAlongItsCoordinates) {
  // Green on the left half, blue on the right: u runs 0 -> 1 along x.
  QImage picture(8, 1, QImage::Format_RGB32);
  for (int x = 0; x < 8; ++x) picture.setPixel(x, 0, x < 4 ? qRgb(0, 200, 0) : qRgb(0, 0, 200));
  ASSERT_TRUE(picture.save(files.folder.filePath(QStringLiteral("halves.png"))));
  const auto model = Rectangle(CGModel3ds::kLit, "halves.png");
  const QImage drawn = Drawn([&] { model->DrawLit(); });
  EXPECT_TRUE(IsGreen(At(drawn, 24, 32))) << std::hex << At(drawn, 24, 32);
  const QRgb right = At(drawn, 38, 32);
  EXPECT_TRUE(qBlue(right) > 150 && qGreen(right) < 60) << std::hex << right;
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(Model3dsGl, PickedThroughItsBoxFacesAsKind11) {
  const auto model = Rectangle(CGModel3ds::kLit);
  const Names names = Pick(*model, 3, 32, 32, gl.Width(), gl.Height());
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.front(), (std::vector<GLuint>{11, 1}));
  EXPECT_TRUE(Pick(*model, 2, 32, 32, gl.Width(), gl.Height()).empty());
  model->m_bHidden = 1;
  EXPECT_TRUE(Pick(*model, 3, 32, 32, gl.Width(), gl.Height()).empty());

  // A model that is not flat, its box x 0..20, y 0..12, z 0..16 placed at
  // x 22.5..42.5, y 26.5..38.5, z -8..8: seen from above, from -x and from
  // +y, each of the three box faces shows whole, near every corner.
  const auto solid =
      files.Model(files.Write(QStringLiteral("box.3ds"), Write3ds({}, {Box3ds("b", 0, 0, 0, 20, 12, 16)})));
  solid->Scale = 1;
  solid->Position[0] = solid->Position[1] = 32.5f;
  enum View { kAbove, kFromMinusX, kFromPlusY };
  const struct Row {
    View view;
    int x, y;
    bool hit;
  } rows[] = {
      {kAbove, 25, 29, true},      {kAbove, 40, 29, true},      {kAbove, 40, 36, true},
      {kAbove, 25, 36, true},      {kAbove, 45, 32, false},     {kFromMinusX, 27, 29, true},
      {kFromMinusX, 37, 29, true}, {kFromMinusX, 37, 35, true}, {kFromMinusX, 27, 35, true},
      {kFromMinusX, 42, 32, false}, {kFromPlusY, 25, 27, true}, {kFromPlusY, 40, 27, true},
      {kFromPlusY, 40, 37, true},  {kFromPlusY, 25, 37, true},  {kFromPlusY, 32, 42, false},
  };
  for (const Row& r : rows) {
    glLoadIdentity();
    // From -x the screen shows z (shifted by 32) across and y up; from +y,
    // x across and -z (shifted by 32) up.
    if (r.view == kFromMinusX) glTranslated(32, 0, 0), glRotated(90, 0, 1, 0);
    if (r.view == kFromPlusY) glTranslated(0, 32, 0), glRotated(90, 1, 0, 0);
    const Names names = Pick(*solid, 3, r.x, r.y, gl.Width(), gl.Height());
    EXPECT_EQ(!names.empty(), r.hit) << "view " << r.view << " at " << r.x << "," << r.y;
    if (r.hit && !names.empty()) {
      EXPECT_EQ(names.front(), (std::vector<GLuint>{11, 1}));
    }
  }
  glLoadIdentity();
}

}  // namespace
