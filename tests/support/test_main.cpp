// The main of every test program.  Qt tests run on the offscreen platform
// unless the program holds display tests (run under xvfb-run with xcb).
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#ifdef KAVREL_GUI_TESTS
#include <dlfcn.h>
#include <unistd.h>

namespace {
// Waits until the X server takes a connection.  Under a heavily loaded
// machine a virtual X server can refuse a connection for a moment (while it
// resets after its last client left, or while it starts); Qt would then abort
// the whole test program.  libxcb is loaded at run time: it is there wherever
// Qt's X11 platform is, and needs no headers.
void WaitForTheXServer() {
  void* xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
  if (!xcb) return;
  using Connect = void* (*)(const char*, int*);
  using HasError = int (*)(void*);
  using Disconnect = void (*)(void*);
  const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
  const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
  const auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
  if (connect && hasError && disconnect) {
    for (int attempt = 0; attempt < 40; ++attempt) {
      void* connection = connect(nullptr, nullptr);
      const bool ok = connection && !hasError(connection);
      if (connection) disconnect(connection);
      if (ok) break;
      usleep(250 * 1000);
    }
  }
  dlclose(xcb);
}
}  // namespace
#endif

int main(int argc, char** argv) {
#ifndef KAVREL_GUI_TESTS
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  std::unique_ptr<QGuiApplication> app;
  if (!::testing::GTEST_FLAG(list_tests)) {
#ifdef KAVREL_GUI_TESTS
    if (qEnvironmentVariableIsSet("DISPLAY")) WaitForTheXServer();
    app = std::make_unique<QApplication>(argc, argv);
#else
    app = std::make_unique<QGuiApplication>(argc, argv);
#endif
  }
  return RUN_ALL_TESTS();
}
