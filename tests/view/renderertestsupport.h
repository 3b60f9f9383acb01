// The view's renderer made for a current page in the headless context:
// pictures from PictureFolder(), no axes, looking straight down the z
// axis, sized to the framebuffer.
#pragma once
#include "math/mathglobals.h"
#include "render/glresources.h"
#include "view/viewrenderer.h"
#include "viewtestsupport.h"

class RendererGlTest : public PageGlTest {
 protected:
  void SetUp() override {
    PageGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_strProgramFolder = PictureFolder();
    g_nAxesMode = 0;
    ViewQuaternion = kQuatIdentity;
    ASSERT_TRUE(renderer.InitOpenGL());
    renderer.OnSize(ViewSize().width(), ViewSize().height());
  }
  void TearDown() override { renderer.Release(); }

  CViewRenderer renderer;
};
