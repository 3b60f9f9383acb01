// The main of every test program.  Qt tests run on the offscreen platform
// unless the program holds display tests (run under xvfb-run with xcb).
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
#ifndef KAVREL_GUI_TESTS
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  std::unique_ptr<QGuiApplication> app;
  if (!::testing::GTEST_FLAG(list_tests)) {
#ifdef KAVREL_GUI_TESTS
    app = std::make_unique<QApplication>(argc, argv);
#else
    app = std::make_unique<QGuiApplication>(argc, argv);
#endif
  }
  return RUN_ALL_TESTS();
}
