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

#include <QClipboard>
#include <cstdio>
#include <string>
#include <vector>

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

// The display tests share one display and so its clipboard; those that use
// it take turns, known by "SystemClipboard" in their names (the CTest lock
// of tests/CMakeLists.txt).  A test that leaves the clipboard holding its
// data without that name is noted, and the clipboard is let go, so the next
// test starts without it.
class ClipboardUse : public ::testing::EmptyTestEventListener {
 public:
  void OnTestEnd(const ::testing::TestInfo& test) override {
    QClipboard* clipboard = qApp ? QGuiApplication::clipboard() : nullptr;
    if (!clipboard || !clipboard->ownsClipboard()) return;
    const std::string name = std::string(test.test_suite_name()) + "." + test.name();
    if (name.find("SystemClipboard") == std::string::npos) unnamed.push_back(name);
    clipboard->clear();
  }
  // False, with the names, when a test used the clipboard unnamed.
  bool Report() const {
    for (const std::string& name : unnamed)
      std::fprintf(stderr, "%s uses the system clipboard: its name must say \"SystemClipboard\"\n", name.c_str());
    return unnamed.empty();
  }

 private:
  std::vector<std::string> unnamed;
};
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
#ifdef KAVREL_GUI_TESTS
  auto* clipboardUse = new ClipboardUse;  // the listener list owns it
  ::testing::UnitTest::GetInstance()->listeners().Append(clipboardUse);
  const int result = RUN_ALL_TESTS();
  return clipboardUse->Report() ? result : 1;
#else
  return RUN_ALL_TESTS();
#endif
}
