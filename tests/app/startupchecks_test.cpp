// What start-up checks before the application object exists.
#include "app/startupchecks.h"

#include <gtest/gtest.h>


namespace {

TEST(NoDisplayReason, OnlyWhenNothingCanShowAWindow) {
  struct Case {
    const char* display;
    const char* wayland;
    const char* platform;
    bool refused;
  };
  const Case cases[] = {
      {"", "", "", true},
      {":0", "", "", false},
      {"", "wayland-0", "", false},
      {"", "", "offscreen", false},  // a chosen platform may need no display
      {":99", "wayland-0", "xcb", false},
  };
  for (const Case& c : cases) {
    const QString reason = NoDisplayReason(QString::fromLatin1(c.display), QString::fromLatin1(c.wayland),
                                           QString::fromLatin1(c.platform));
    EXPECT_EQ(!reason.isEmpty(), c.refused) << c.display << '|' << c.wayland << '|' << c.platform;
    if (c.refused) {
      EXPECT_TRUE(reason.contains(QStringLiteral("DISPLAY")));
      EXPECT_TRUE(reason.contains(QStringLiteral("xvfb-run")));
    }
  }
}

}  // namespace
