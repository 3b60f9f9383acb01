// GL_SELECT picking in the headless context: items drawn under a kind code
// and an id report exactly those names when the pick window covers them, and
// a pick over empty space reports no hit.
#include <GL/gl.h>
#include <GL/glu.h>

#include <vector>

#include "support/headless_gl.h"

namespace {

struct Hit {
  std::vector<GLuint> names;
  GLuint zMin;
};

struct Item {
  GLuint kind, id;
  float x0, y0, x1, y1, z;
};

// Two items side by side and a third lying over part of the first, nearer.
const Item kItems[] = {
    {1, 7, 4, 4, 28, 60, 0.0f},
    {3, 9, 36, 4, 60, 60, 0.0f},
    {5, 12, 4, 40, 20, 60, 0.5f},
};

class HeadlessPick : public HeadlessGlTest {
 protected:
  // Picks a 3 x 3 pixel window around (x, y) in image coordinates (top row 0),
  // as the view does for a mouse position.
  std::vector<Hit> Pick(int x, int y) {
    GLuint buffer[256] = {};
    glSelectBuffer(GLsizei(std::size(buffer)), buffer);
    glRenderMode(GL_SELECT);
    glInitNames();

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(x + 0.5, viewport[3] - y - 0.5, 3, 3, viewport);
    glOrtho(0, gl.Width(), 0, gl.Height(), -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    for (const Item& item : kItems) {
      glPushName(item.kind);
      glPushName(item.id);
      glBegin(GL_QUADS);
      glVertex3f(item.x0, item.y0, item.z);
      glVertex3f(item.x1, item.y0, item.z);
      glVertex3f(item.x1, item.y1, item.z);
      glVertex3f(item.x0, item.y1, item.z);
      glEnd();
      glPopName();
      glPopName();
    }
    const GLint count = glRenderMode(GL_RENDER);
    EXPECT_GE(count, 0) << "selection buffer overflow";

    std::vector<Hit> hits;
    const GLuint* p = buffer;
    for (GLint i = 0; i < count; ++i) {
      const GLuint nameCount = p[0];
      Hit hit{std::vector<GLuint>(p + 3, p + 3 + nameCount), p[1]};
      hits.push_back(hit);
      p += 3 + nameCount;
    }
    return hits;
  }
};

TEST_F(HeadlessPick, ReportsTheNamesOfWhatIsUnderThePickWindow) {
  struct Case {
    const char* where;
    int x, y;  // image coordinates; items above are in GL coordinates (bottom up)
    std::vector<std::vector<GLuint>> names;
  };
  const Case cases[] = {
      {"first item", 16, 48, {{1, 7}}},
      {"second item", 48, 32, {{3, 9}}},
      {"gap between the items", 32, 32, {}},
      {"below the items", 32, 62, {}},
      {"outside the view", 200, 200, {}},
  };
  for (const Case& c : cases) {
    const std::vector<Hit> hits = Pick(c.x, c.y);
    std::vector<std::vector<GLuint>> names;
    for (const Hit& h : hits) names.push_back(h.names);
    EXPECT_EQ(names, c.names) << c.where;
  }
}

TEST_F(HeadlessPick, OverlappingItemsBothHitWithTheirDepths) {
  // (12, 14) lies in the first item and the nearer third one.
  const std::vector<Hit> hits = Pick(12, 14);
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(hits[0].names, (std::vector<GLuint>{1, 7}));
  EXPECT_EQ(hits[1].names, (std::vector<GLuint>{5, 12}));
  // The third item lies at z = +0.5, in front of the first.
  EXPECT_LT(hits[1].zMin, hits[0].zMin);
}

TEST_F(HeadlessPick, PickingDrawsNothing) {
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  Pick(16, 48);
  EXPECT_TRUE(PixelNear(gl.ReadPixels(), 16, 48, qRgb(255, 255, 255)));
}

}  // namespace
