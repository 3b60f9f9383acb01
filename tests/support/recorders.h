// Stand-ins for the seams that record what the program asked and answer as
// scripted, so no test ever blocks on a dialog or touches the desktop.
#pragma once
#include <QDateTime>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"
#include "platform/shellopen.h"
#include "platform/uibridge.h"

struct ShownMessage { QString text; QString caption; unsigned type; };

class RecordingNotifier : public INotifier {
 public:
  int Show(const QString& text, const QString& caption, unsigned type) override;
  // The texts shown so far, in order.
  std::vector<QString> Texts() const {
    std::vector<QString> texts;
    for (const ShownMessage& m : shown) texts.push_back(m.text);
    return texts;
  }
  std::vector<ShownMessage> shown;
  std::deque<int> answers;  // answered in order; then the default button
  std::function<void()> whileShown;  // what the user does before answering (a click)
};

class ScriptedFileChooser : public IFileChooser {
 public:
  QString ChooseOpen(const QString& title, const QString& filter, const QString& folder) override;
  QString ChooseSave(const QString& title, const QString& filter, const QString& suggested) override;
  std::deque<QString> answers;  // empty string: the user cancels
  std::vector<QString> titles;
  std::vector<QString> filters;
};

class RecordingShell : public IShell {
 public:
  bool Open(const QString& target) override;
  std::vector<QString> opened;
  bool result = true;
};

struct BridgeMessage { UiTarget target; UINT message; WPARAM wParam; LPARAM lParam; bool posted; };

class RecordingUiBridge : public IUiBridge {
 public:
  LRESULT Send(UiTarget target, UINT message, WPARAM wParam, LPARAM lParam) override;
  void Post(UiTarget target, UINT message, WPARAM wParam, LPARAM lParam) override;
  void SetStatusText(int element, const QString& text) override;
  void UpdateAllViews() override { ++viewUpdates; }
  void ResetConstructionStep() override {
    ++stepResets;
    if (resetStep) resetStep();
  }
  void FillObjectList() override { ++objectListFills; }
  void UpdateTranslationSliders() override { ++sliderUpdates; }
  void SetCommandImage(UINT id, int image) override { commandImages.emplace_back(id, image); }
  void ShowShortcutMenu(int menu, int, int) override { shortcutMenus.push_back(menu); }
  std::vector<int> shortcutMenus;
  void AddDocumentTool(UINT id, const QString& name, const QString& comment) override {
    documentTools.push_back({id, name, comment});
  }
  std::vector<BridgeMessage> messages;
  std::vector<std::pair<int, QString>> statusTexts;
  int viewUpdates = 0;
  int stepResets = 0;
  std::function<void()> resetStep;  // what the view does on a reset, where a test has a view
  int objectListFills = 0;
  int sliderUpdates = 0;
  std::vector<std::pair<UINT, int>> commandImages;
  struct DocumentTool {
    UINT id;
    QString name;
    QString comment;
  };
  std::vector<DocumentTool> documentTools;
  void ClearDocumentTools() override { documentTools.clear(); }
  // Called with each message as it goes out, to see the program's state then.
  std::function<void(const BridgeMessage&)> observer;
  LRESULT sendResult = 1;
};

class FixedClock : public IClock {
 public:
  std::int64_t UnixTime() const override { return unixTime; }
  std::uint32_t TickCount() const override { return tickCount; }
  QDateTime LocalNow() const override { return QDateTime::fromSecsSinceEpoch(unixTime); }
  std::int64_t unixTime = 1'000'000'000;
  std::uint32_t tickCount = 0;
};

// Puts the process back to its start state and installs recorders; the
// pointers stay valid for the fixture's lifetime.
struct SeamRecorders {
  SeamRecorders();
  ~SeamRecorders();
  RecordingNotifier* notifier;
  ScriptedFileChooser* fileChooser;
  RecordingShell* shell;
  RecordingUiBridge* bridge;
  FixedClock* clock;
};
