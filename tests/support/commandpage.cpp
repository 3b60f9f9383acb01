#include "support/commandpage.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "cells/cellclasses.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "model/modelclasses.h"
#include "platform/archive.h"
#include "platform/commandregistry.h"

namespace {
QByteArray Record(CGCell& cell) {
  CArchive ar;
  cell.Serialize(ar);
  return ar.Bytes();
}

// What redo must bring back of a new cell.
auto Identity(CGCell* cell) {
  return cell ? std::make_tuple(std::string(cell->GetRuntimeClass()->m_lpszClassName), cell->m_strName, cell->m_parents)
              : std::make_tuple(std::string("missing"), QString(), std::vector<WORD>());
}

// The page as a construction must leave it, or give it back on undo.
struct PageState {
  explicit PageState(const CommandPage& p)
      : page(p.Page()), bridge(*p.seams.bridge), nextId(page.m_nNextId), selection(page.m_selAll),
        undoIndex(page.m_undo.CurrentIndex()), messages(bridge.messages.size()), views(bridge.viewUpdates) {
    for (auto [id, cell] : page.m_cells) records[id] = Record(*cell);
  }
  // The cell-count changes told to the object list since.
  std::vector<long> PaneChanges() const {
    std::vector<long> changes;
    for (size_t i = messages; i < bridge.messages.size(); ++i)
      if (bridge.messages[i].message == WM_CELLS_CHANGED && bridge.messages[i].lParam == 0)
        changes.push_back(static_cast<long>(bridge.messages[i].wParam));
    return changes;
  }
  void ExpectKept() const {
    EXPECT_EQ(page.m_nNextId, nextId);
    EXPECT_EQ(page.m_cells.size(), records.size());
    for (const auto& [id, bytes] : records) {
      CGCell* cell = page.m_cells.Lookup(id);
      EXPECT_TRUE(cell && Record(*cell) == bytes) << "record of cell " << id;
    }
  }

  CGPage& page;
  RecordingUiBridge& bridge;
  WORD nextId;
  std::vector<WORD> selection;
  int undoIndex;
  size_t messages;
  int views;
  std::map<WORD, QByteArray> records;
};
}  // namespace

CommandPage::CommandPage() {
  RegisterModelClasses();
  RegisterCellClasses();
  dialogs = InstallScriptedDialogs();
  doc.OnNewDocument();
}

WORD CommandPage::Point(float x, float y, float z) {
  CGPage& page = Page();
  return Enter(new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, z));
}

std::vector<WORD> CommandPage::Points(int n) {
  std::vector<WORD> ids;
  for (int k = 0; k < n; ++k) ids.push_back(Point(static_cast<float>(k), static_cast<float>(k * k), 0));
  return ids;
}

WORD CommandPage::Line(WORD a, WORD b) { return Enter(new CGLine(Page().m_nNextId++, a, b, kLineSegment)); }

WORD CommandPage::Face(const std::vector<WORD>& corners) {
  return Enter(new CGFace(Page().m_nNextId++, corners, 0x00336699));
}

WORD CommandPage::Named(const QString& name) const {
  for (auto [id, cell] : Page().m_cells)
    if (cell->m_strName == name) return id;
  return 0;
}

std::string CommandPage::Summary(const std::vector<WORD>& ids) const {
  std::string text;
  for (WORD id : ids) {
    const CGCell* cell = Find(id);
    if (!cell) return text + " missing";
    QStringList names;
    for (WORD parent : cell->m_parents) names << (Find(parent) ? Find(parent)->m_strName : QStringLiteral("?"));
    text += (text.empty() ? "" : " ") + std::string(cell->GetRuntimeClass()->m_lpszClassName) + "(" +
            names.join(',').toStdString() + ")";
  }
  return text;
}

void CommandPage::Select(const std::vector<WORD>& ids) {
  Page().ClearSelection();
  for (WORD id : ids) Page().SelectCell(id);
}

bool CommandPage::Run(unsigned command) { return CommandRegistry().Run(command); }

std::vector<BridgeMessage> CommandPage::Messages(UINT message) const {
  std::vector<BridgeMessage> found;
  for (const BridgeMessage& m : seams.bridge->messages)
    if (m.message == message) found.push_back(m);
  return found;
}

std::vector<WORD> CommandPage::ExpectConstruction(unsigned command, int n, const QString& label) {
  const PageState before(*this);
  EXPECT_TRUE(Run(command)) << "command " << command << " did not run";
  CGPage& page = Page();
  std::vector<WORD> ids;
  std::map<WORD, decltype(Identity(nullptr))> made;
  for (WORD id = before.nextId; id < before.nextId + n; ++id) made[ids.emplace_back(id)] = Identity(Find(id));
  EXPECT_EQ(page.m_nNextId, before.nextId + n);
  EXPECT_EQ(page.m_cells.size(), before.records.size() + n) << "every id taken is a cell";
  EXPECT_EQ(page.m_undo.CurrentIndex(), before.undoIndex + 1);
  EXPECT_EQ(page.m_undo.CurrentCommand() ? page.m_undo.CurrentCommand()->GetName() : QString(), label);
  EXPECT_EQ(before.PaneChanges(), std::vector<long>{n});
  EXPECT_EQ(page.m_selAll, before.selection);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_GT(seams.bridge->viewUpdates, before.views);

  const PageState done(*this);
  EXPECT_TRUE(page.m_undo.Undo());
  before.ExpectKept();
  EXPECT_EQ(done.PaneChanges(), std::vector<long>{-n});

  const PageState undone(*this);
  EXPECT_TRUE(page.m_undo.Redo());
  EXPECT_EQ(page.m_nNextId, before.nextId + n);
  for (const auto& [id, identity] : made) EXPECT_TRUE(Identity(Find(id)) == identity) << "redone cell " << id;
  EXPECT_EQ(undone.PaneChanges(), std::vector<long>{n});
  Select(before.selection);  // undo cleared it
  return ids;
}

std::vector<WORD> CommandPage::ExpectMade(unsigned command, const std::string& made, const char* label) {
  if (made.empty()) {
    ExpectNothingMade([&] { EXPECT_FALSE(Run(command)) << "enabled"; });
    return {};
  }
  const int n = static_cast<int>(std::count(made.begin(), made.end(), ')'));
  const std::vector<WORD> ids = ExpectConstruction(command, n, QString::fromUtf8(label));
  EXPECT_EQ(Summary(ids), made);
  return ids;
}

void CommandPage::ExpectNothingMade(const std::function<void()>& action) {
  const bool modified = doc.IsModified();
  const PageState before(*this);
  action();
  before.ExpectKept();
  EXPECT_EQ(Page().m_undo.CurrentIndex(), before.undoIndex);
  EXPECT_TRUE(before.PaneChanges().empty());
  EXPECT_EQ(doc.IsModified(), modified);
}
