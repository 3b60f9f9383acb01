// Deferred deletion of GL objects: queued without a context, deleted when
// the view's context is current, and dropped when their context is gone.
#include <GL/gl.h>

#include "render/glrelease.h"
#include "support/headless_gl.h"

namespace KAVREL_FILE_LOCAL {

class GlRelease : public HeadlessGlTest {
 protected:
  void SetUp() override {
    HeadlessGlTest::SetUp();
    BeginGlGeneration();  // this test's context
  }
};

TEST_F(GlRelease, QueuedObjectsAreDeletedWhenDrained) {
  const GLuint lists = glGenLists(3);
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  ASSERT_TRUE(glIsList(lists + 2));
  ASSERT_TRUE(glIsTexture(texture));

  ReleaseGlLists(lists, 3, GlGeneration());
  ReleaseGlTexture(texture, GlGeneration());
  ReleaseGlLists(0, 5, GlGeneration());   // nothing to delete
  ReleaseGlLists(lists, 0, GlGeneration());
  EXPECT_EQ(PendingGlReleases(), 2u);
  EXPECT_TRUE(glIsList(lists)) << "nothing is deleted before the drain";

  DrainGlReleases();
  EXPECT_EQ(PendingGlReleases(), 0u);
  EXPECT_FALSE(glIsList(lists));
  EXPECT_FALSE(glIsList(lists + 2));
  EXPECT_FALSE(glIsTexture(texture));
}

TEST_F(GlRelease, NamesOfAnEndedContextAreNeverDeletedInTheNextOne) {
  const unsigned old = GlGeneration();
  ReleaseGlLists(1, 1, old);
  BeginGlGeneration();  // the context was replaced
  EXPECT_EQ(PendingGlReleases(), 0u);
  const GLuint lists = glGenLists(1);  // the new context may hand out the same name
  ReleaseGlLists(lists, 1, old);
  EXPECT_EQ(PendingGlReleases(), 0u);
  DrainGlReleases();
  EXPECT_TRUE(glIsList(lists));
}

TEST_F(GlRelease, ListBlockIsMadeOnceAndFollowsTheContext) {
  CGlListBlock block;
  EXPECT_FALSE(block.IsValid());
  bool fresh = false;
  const GLuint first = block.Acquire(4, &fresh);
  ASSERT_NE(first, 0u);
  EXPECT_TRUE(fresh);
  EXPECT_EQ(block.Acquire(4, &fresh), first);
  EXPECT_FALSE(fresh) << "already made in this context";

  BeginGlGeneration();  // a new context: the old names are gone
  EXPECT_FALSE(block.IsValid());
  EXPECT_EQ(block.First(), 0u);
  block.Acquire(4, &fresh);
  EXPECT_TRUE(fresh);
  EXPECT_EQ(PendingGlReleases(), 0u) << "the dead block was not queued";

  block.Release();
  EXPECT_EQ(PendingGlReleases(), 1u);
  EXPECT_FALSE(block.IsValid());

  DrainGlReleases();
  GLuint destroyed = 0;
  {
    CGlListBlock gone;
    destroyed = gone.Acquire(2);
  }
  EXPECT_EQ(PendingGlReleases(), 1u) << "a destroyed block queues its lists";
  DrainGlReleases();
  EXPECT_FALSE(glIsList(destroyed));
}

}  // namespace
