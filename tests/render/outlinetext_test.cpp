// 3D outline text: the 16-character limit, the lists it replaces, and what
// the two formats compile.
#include <GL/gl.h>

#include "render/glfontlists.h"
#include "render/outlinetext.h"
#include "texttestsupport.h"

namespace KAVREL_FILE_LOCAL {

const QString kTimes = QStringLiteral("Times New Roman");

using OutlineTextTest = TextGlTest;

TEST_F(OutlineTextTest, KeepsSixteenCharactersAndReplacesThePreviousLists) {
  GLuint base = 77;
  EXPECT_TRUE(BuildOutlineText(QString(), base, kTimes, kOutlinePolygons).isEmpty());
  EXPECT_EQ(std::make_tuple(base, names->generateCalls, names->deleted.size()), std::make_tuple(77u, 0, size_t(0)))
      << "no text makes and deletes nothing";
  base = 0;
  const QString first = BuildOutlineText(QStringLiteral("ABCDEFGHIJKLMNOPQRST"), base, kTimes, kOutlinePolygons);
  ASSERT_EQ(first.size(), 16);
  const GLuint firstBase = base;
  for (int i = 0; i < 16; ++i) EXPECT_EQ(first.at(i).unicode(), firstBase + i);
  EXPECT_TRUE(names->deleted.empty()) << "no previous lists";

  const QString second = BuildOutlineText(QString::fromUtf16(u"第一页"), base, QString::fromUtf16(u"宋体"),
                                          kOutlineLines);
  EXPECT_EQ(second.size(), 3);
  const std::vector<CountingListNames::Block> deleted{{firstBase, 16}};
  EXPECT_EQ(names->deleted, deleted);
  ASSERT_EQ(names->generated.size(), 2u);
  EXPECT_EQ(names->generated[1].range, 16);
  EXPECT_EQ(second.at(0).unicode(), base);
}

TEST_F(OutlineTextTest, NoListsLeftGivesAnEmptyTextAndNoBase) {
  GLuint base = 0;
  BuildOutlineText(QStringLiteral("A"), base, kTimes, kOutlinePolygons);
  const GLuint old = base;
  names->budget = 0;
  EXPECT_TRUE(BuildOutlineText(QStringLiteral("B"), base, kTimes, kOutlinePolygons).isEmpty());
  EXPECT_EQ(base, 0u);
  const std::vector<CountingListNames::Block> deleted{{old, 16}};
  EXPECT_EQ(names->deleted, deleted) << "the old lists go all the same";
}

TEST_F(OutlineTextTest, FormatsCompileSolidsOrOutlinesOneEmHighAndAdvance) {
  struct Case { int format; bool polygons; };
  for (const Case c : {Case{kOutlinePolygons, true}, Case{kOutlineLines, false}}) {
    GLuint base = 0;
    const QString lists = BuildOutlineText(QString::fromUtf16(u"H第"), base, kTimes, c.format);
    ASSERT_EQ(lists.size(), 2);
    for (const QChar list : lists) {
      glLoadIdentity();
      glTranslatef(100, 50, 0);
      glScalef(100, 100, 100);
      const Captured drawn = CaptureFeedback([&] { glCallList(list.unicode()); });
      EXPECT_EQ(drawn.polygons > 0, c.polygons) << c.format;
      EXPECT_EQ(drawn.lines > 0, !c.polygons) << c.format;
      // Every vertex within the em square and the extrusion depth.
      for (const FeedbackVertex& v : drawn.vertices) {
        EXPECT_GE(v.x, 100 - 10);
        EXPECT_LE(v.x, 100 + 110);
        EXPECT_GE(v.y, 50 - 30);
        EXPECT_LE(v.y, 50 + 100);
      }
      // The list ends by moving on by the character's advance.
      double m[16];
      glGetDoublev(GL_MODELVIEW_MATRIX, m);
      EXPECT_GT(m[12], 100 + 40) << "advance of at least 0.4 em";
      EXPECT_LT(m[12], 100 + 110);
    }
  }
  glLoadIdentity();
}

// Picking draws the page in selection mode, where Mesa has crashed on
// lists of several fans, strips or line loops.
TEST_F(OutlineTextTest, ListsDrawInSelectionMode) {
  for (const int format : {kOutlinePolygons, kOutlineLines}) {
    GLuint base = 0;
    const QString lists = BuildOutlineText(QString::fromUtf16(u"第H"), base, kTimes, format);
    GLuint buffer[64];
    glSelectBuffer(64, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(7);
    glScalef(100, 100, 100);
    CallTextLists(lists);
    glLoadIdentity();
    EXPECT_EQ(glRenderMode(GL_RENDER), 1) << format;
    EXPECT_EQ(buffer[3], 7u);
  }
}

TEST_F(OutlineTextTest, SolidsHaveFrontBackAndSides) {
  GLuint base = 0;
  BuildOutlineText(QStringLiteral("I"), base, kTimes, kOutlinePolygons);
  glScalef(100, 100, 100);
  const Captured drawn = CaptureFeedback([&] { glCallList(base); });
  // Feedback z is window depth: the front face (z = 0) and the back face
  // (z = -0.2 em) lie at two depths, the sides span both.
  float nearest = 2, farthest = -1;
  for (const FeedbackVertex& v : drawn.vertices) nearest = std::min(nearest, v.z), farthest = std::max(farthest, v.z);
  EXPECT_GT(farthest - nearest, 0.05f);
  EXPECT_GE(drawn.polygons, 2 * 4 + 2 * 2) << "the stem's four sides and two faces, in triangles";
  // Lit straight on from the front, then from behind: the face turned to the
  // light shows the whole diffuse colour (0.8), so its normal points outward.
  const GLfloat white[] = {1, 1, 1, 1}, black[] = {0, 0, 0, 1};
  glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
  glLightfv(GL_LIGHT0, GL_AMBIENT, black);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnable(GL_NORMALIZE);
  for (GLfloat z : {1.0f, -1.0f}) {
    const GLfloat direction[] = {0, 0, z, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    float brightest = 0;
    for (const FeedbackVertex& v : CaptureFeedback([&] { glCallList(base); }).vertices)
      brightest = std::max(brightest, v.rgba[2]);
    EXPECT_NEAR(brightest, 0.8f, 0.01f) << "lit from z = " << z;
  }
  glDisable(GL_LIGHTING);
}

// Seen from the front with back faces culled and colours adding up, every
// inked pixel is covered once: the tessellator's pieces neither overlap nor
// repeat one another.
TEST_F(OutlineTextTest, FrontFacesCoverEachPixelOnce) {
  GLuint base = 0;
  const QString lists = BuildOutlineText(QString::fromUtf16(u"H第"), base, kTimes, kOutlinePolygons);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_CULL_FACE);
  glBlendFunc(GL_ONE, GL_ONE);
  glColor3f(0.25f, 0.25f, 0.25f);
  glTranslatef(20, 40, 0);
  glScalef(100, 100, 100);
  CallTextLists(lists);
  glDisable(GL_CULL_FACE);
  const QImage picture = gl.ReadPixels();
  int once = 0, more = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const int grey = qGray(picture.pixel(x, y));
      once += grey > 32 && grey <= 96;
      more += grey > 96;
    }
  EXPECT_GT(once, 2000);
  EXPECT_LT(more, 10);
}

}  // namespace
