#include "editing/tools/toolreplay.h"

#include <QString>
#include <algorithm>
#include <memory>
#include <new>

#include "cells/dynamic/iterations/iteration.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/texts/cgtextmap.h"
#include "editing/tools/toolinstance.h"
#include "editing/tools/toolusetexts.h"
#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "model/document/usertool.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "model/undo/cmdcells.h"
#include "model/vertexarray.h"
#include "platform/filetexts.h"
#include "platform/notifier.h"
#include "platform/archive.h"

namespace {

// A point that takes an automatic name: one the user neither named nor hid.
bool TakesAutomaticName(const CGCell& cell) {
  return !cell.m_bNameFixed && !cell.m_bHidden && !cell.m_bLabelHidden;
}

WORD Translated(const std::map<WORD, WORD>& idMap, WORD recordId) {
  const auto it = idMap.find(recordId);
  return it == idMap.end() ? 0 : it->second;
}

// Moves one recorded cell into the page under the next id: parents
// translated and told of their new child, then placed by kind and computed.
// `placeholder` marks the input cell standing for a value awaited from the
// user, which keeps the place the caller gives it.
CGCell* PlaceRecordedCell(CGPage& page, std::unique_ptr<CGCell> owned, std::map<WORD, WORD>& idMap,
                          bool placeholder) {
  CGCell* cell = owned.get();
  const WORD recordId = cell->m_nId;
  cell->m_nId = page.m_nNextId++;
  idMap[recordId] = cell->m_nId;
  page.m_cells.SetAt(cell->m_nId, cell);
  owned.release();  // the page's now
  for (WORD& parent : cell->m_parents) {
    parent = Translated(idMap, parent);
    if (CGCell* parentCell = page.m_cells.Lookup(parent)) RegisterChild(*parentCell, cell->m_nId);
  }
  cell->m_children.clear();
  float position[2];
  if (auto* point = dynamic_cast<CGVertex*>(cell)) {
    if (TakesAutomaticName(*point)) point->m_strName = page.GetNewName(1);
    point->VertexIndex = page.m_nNextVertex++;
    WriteVertexSlot(point->VertexIndex, point->m_vPos);
  } else if (cell->IsKindOf(RUNTIME_CLASS(CGButton))) {
    page.NextButtonPosition(position);
    std::copy_n(position, 2, cell->m_vLabelAnchor);
  } else if (!placeholder && IsKindOfAnyClassName(cell, {"CGTmVariable", "CGTmVector"})) {
    page.NextTextPosition(position, 1);
    std::copy_n(position, 2, cell->m_vLabelAnchor);
  } else if (auto* iteration = dynamic_cast<CGIterate*>(cell)) {
    iteration->RemapIds(idMap);
  }
  // The label first: the recalculation then leaves the caption as a
  // recalculation after reopening leaves it.  The tool's next cells are made
  // from this one, and it reads its files first: computed now, as a
  // construction's cells are.
  cell->UpdateLabel();
  cell->BindVertexIndices();
  cell->ReadFiles();
  cell->Recalculate();
  return cell;
}

// The cells made for the next input are made from these: computed now, not
// at the edit's end.
void RecalculateFollowers(CGPage& page, const CToolInstance& instance) {
  page.RecalculateCells(instance.m_followers);
  page.UpdateLabels(instance.m_followers);
}

// The clicked cell c takes the place of placeholder p: p's dependants
// (all placed after it) read c instead.
void BindClicked(CGPage& page, CToolInstance& instance, CGCell& placeholder, WORD clicked) {
  const WORD p = placeholder.m_nId;
  page.m_toolIdMap[instance.m_nPendingRecordId] = clicked;
  CGCell* target = page.m_cells.Lookup(clicked);
  for (int id = p + 1; id < page.m_nNextId; ++id) {
    CGCell* cell = page.m_cells.Lookup(static_cast<WORD>(id));
    if (!cell) continue;
    bool reads = false;
    for (WORD& parent : cell->m_parents)
      if (parent == p) parent = clicked, reads = true;
    // Reading the clicked cell already (one cell clicked for two inputs),
    // it stays listed once.
    if (reads && target && std::find(target->m_children.begin(), target->m_children.end(), cell->m_nId) ==
                               target->m_children.end())
      target->m_children.push_back(cell->m_nId);
    if (auto* iteration = dynamic_cast<CGIterate*>(cell)) iteration->ReplaceId(p, clicked);
    cell->BindVertexIndices();
  }
  page.m_cells.RemoveKey(p);
  if (auto* point = dynamic_cast<CGVertex*>(&placeholder)) std::copy_n(point->m_vPos, 3, instance.m_vLastPos);
  delete &placeholder;
}

// The new free point q takes placeholder p's id, look and dependants.
void BindNewPoint(CGPage& page, CToolInstance& instance, CGCell& placeholder, CGVerFree& q) {
  const WORD p = placeholder.m_nId;
  q.m_nId = p;
  q.m_strName = placeholder.m_strName;
  q.m_bHidden = placeholder.m_bHidden;
  q.m_bLabelHidden = placeholder.m_bLabelHidden;
  q.m_bNameFixed = placeholder.m_bNameFixed;
  q.m_nStyle = placeholder.m_nStyle;
  q.m_fSize = placeholder.m_fSize;
  q.m_rgbaColor = placeholder.m_rgbaColor;
  q.m_rgbaLabel = placeholder.m_rgbaLabel;
  q.m_children.insert(q.m_children.end(), placeholder.m_children.begin(), placeholder.m_children.end());
  if (auto* old = dynamic_cast<CGVertex*>(&placeholder)) {
    if (q.VertexIndex == 0) q.VertexIndex = old->VertexIndex;
    std::copy_n(old->m_vLabelOffset, 3, q.m_vLabelOffset);
    std::copy_n(old->m_vPos, 3, instance.m_vLastPos);
  }
  WriteVertexSlot(q.VertexIndex, q.m_vPos);
  for (int k = 0; k < 3; ++k) q.m_vLabelAnchor[k] = q.m_vPos[k] + q.m_vLabelOffset[k];
  page.m_cells.SetAt(p, &q);
  for (WORD parent : q.m_parents) {  // a point made on a line or a circle
    CGCell* cell = page.m_cells.Lookup(parent);
    if (cell && std::find(cell->m_children.begin(), cell->m_children.end(), p) == cell->m_children.end())
      cell->m_children.push_back(p);
  }
  for (WORD child : q.m_children)
    if (CGCell* cell = page.m_cells.Lookup(child)) cell->BindVertexIndices();
  delete &placeholder;
}

// Places the next input's cell and everything built on the inputs so far.
void AdvanceToNextInput(CGPage& page, CToolInstance& record, QString& status) {
  std::unique_ptr<CGCell> input = std::move(record.m_cells.front());
  record.m_cells.erase(record.m_cells.begin());
  record.m_nPendingRecordId = input->m_nId;
  page.m_nToolPendingId = page.m_nNextId;
  const size_t condition = static_cast<size_t>(record.m_nNextCondition++);
  if (condition < record.m_conditions.size()) status = record.m_conditions[condition]->m_strComment;
  auto* point = dynamic_cast<CGVerFree*>(input.get());
  record.m_nPendingIsValue = point ? 0 : 1;
  if (point) {
    std::copy_n(record.m_vLastPos, 3, point->m_vPos);
    for (int k = 0; k < 3; ++k) point->m_vLabelAnchor[k] = point->m_vPos[k] + point->m_vLabelOffset[k];
  }
  PlaceRecordedCell(page, std::move(input), page.m_toolIdMap, true);
  ++page.m_nToolDone;
  while (!record.m_cells.empty() && !record.m_cells.front()->m_parents.empty()) {
    std::unique_ptr<CGCell> next = std::move(record.m_cells.front());
    record.m_cells.erase(record.m_cells.begin());
    PlaceRecordedCell(page, std::move(next), page.m_toolIdMap, false);
    ++page.m_nToolDone;
  }
}

// A working copy of the tool read back from its stored bytes; null when
// they do not read back whole, so the reader's checks of the counts and
// inputs hold for every copy replay uses.
std::unique_ptr<CRecord> ReadCopy(const QByteArray& stored) {
  try {
    CArchive in(stored);
    return in.ReadOwned<CRecord>();
  } catch (const CArchiveException&) {
    return nullptr;
  }
}

QByteArray Stored(const CRecord& tool) {
  CArchive out;
  out.WriteObject(&tool);
  return out.Bytes();
}

// The rounds of applying the stored tool to the selection, inputs bound in
// selection order; `copy` serves the first.  The number of cells made.
int PlaceRounds(CGPage& page, int rounds, const QByteArray& stored, std::unique_ptr<CRecord> copy) {
  size_t nextPoint = 0, nextValue = 0;
  int made = 0;
  for (int round = 0; round < rounds; ++round) {
    if (!copy) copy = ReadCopy(stored);
    copy->ApplyDefaultColors();
    std::map<WORD, WORD> idMap;
    for (const auto& condition : copy->m_conditions)
      idMap[condition->m_nId] = condition->m_bIsPoint ? page.m_selPoints[nextPoint++] : page.m_selValues[nextValue++];
    for (auto& cell : copy->m_cells) {
      if (cell->m_parents.empty()) continue;  // an input: the selection stands for it
      PlaceRecordedCell(page, std::move(cell), idMap, false);
      ++made;
    }
    copy.reset();
  }
  return made;
}
}  // namespace

ToolInputKinds CountToolInputs(const CRecord& tool) {
  ToolInputKinds kinds;
  for (const auto& condition : tool.m_conditions) ++(condition->m_bIsPoint ? kinds.points : kinds.values);
  return kinds;
}

bool ToolInputAccepts(const CGPage& page, WORD clicked) {
  const CGCell* cell = page.m_cells.Lookup(clicked);
  const CToolInstance* instance = RunningInstance(page);
  // The placeholder and the cells built on it are the instance's own: one
  // bound in its place would read itself.
  if (!cell || !instance || page.m_nToolPendingId < 1 || clicked >= page.m_nToolPendingId) return false;
  return instance->m_nPendingIsValue ? IsKindOfAnyClassName(cell, {"CGTmVariable"})
                                    : cell->IsKindOf(RUNTIME_CLASS(CGVertex));
}

int MatchToolInput(CGPage& page, WORD clicked, CGVerFree* point) {
  std::unique_ptr<CGVerFree> made(point);  // the page takes it only in place of a placeholder
  CToolInstance* record = RunningInstance(page);
  if (!record) return 0;
  if (clicked != 0 && !ToolInputAccepts(page, clicked)) return 0;
  if (page.m_nToolPendingId >= 1) {
    CGCell* placeholder = page.m_cells.Lookup(static_cast<WORD>(page.m_nToolPendingId));
    if (placeholder && clicked == 0 && made) {
      BindNewPoint(page, *record, *placeholder, *made.release());
    } else if (placeholder && clicked != 0) {
      BindClicked(page, *record, *placeholder, clicked);
    }
    RecalculateFollowers(page, *record);
  }
  record->m_followers.clear();
  QString status;
  int result = 0;
  if (record->m_cells.empty()) {
    page.m_nToolPendingId = -1;
    page.m_pToolRecord.reset();
    result = page.m_nNextId == page.m_nToolFirstId + page.m_nToolDone ? page.m_nToolDone : -1;
    status = QString::fromUtf8(kTextToolFinish);
  } else {
    AdvanceToNextInput(page, *record, status);
    if (CGCell* pending = page.m_cells.Lookup(static_cast<WORD>(page.m_nToolPendingId));
        pending && !pending->m_bMarked) {
      pending->MarkDescendants();
      page.CollectDirtyIds(record->m_followers);
    }
  }
  SetStatusBarText(status, 0);
  return result;
}

bool StartToolInstance(float x, float y, float z) {
  CGPage* page = g_pCurPage;
  if (!page) return false;
  // A running instance keeps its pending input: a stray start leaves it be.
  if (page->m_pToolRecord) return false;
  page->m_nToolPendingId = 0;
  if (!g_pCurrentTool) return false;
  std::unique_ptr<CRecord> copy = ReadCopy(Stored(*g_pCurrentTool));
  if (!copy || !ReserveSlotsFor(*page, copy->m_nPointCount, copy->m_nPointCount)) {
    page->m_nToolPendingId = -1;
    g_nToolMode = 1;
    return false;
  }
  copy->ApplyDefaultColors();
  auto owned = std::make_unique<CToolInstance>(std::move(*copy));
  CToolInstance& instance = *owned;
  page->m_pToolRecord = std::move(owned);
  page->m_toolIdMap.clear();
  page->m_nToolFirstId = page->m_nNextId;
  page->m_nToolDone = 0;
  const float at[3] = {x, y, z};
  std::copy_n(at, 3, instance.m_vLastPos);
  MatchToolInput(*page, 0, nullptr);
  CGCell* pending = page->m_cells.Lookup(static_cast<WORD>(std::max(page->m_nToolPendingId, 0)));
  const CToolInstance* running = RunningInstance(*page);
  if (!pending || !running) return true;
  if (running->m_nPendingIsValue) {
    pending->m_vLabelAnchor[0] = x;
    pending->m_vLabelAnchor[1] = y;
  } else if (auto* point = dynamic_cast<CGVertex*>(pending)) {
    std::copy_n(at, 3, point->m_vPos);
    point->ApplyParameter();
    // The pointer's move that starts the tool is no edit: nothing settles after it.
    page->RecalculateCells(running->m_followers);
  }
  return true;
}

int ToolRoundsForSelection() {
  const CRecord* tool = g_pCurrentTool;
  const CGPage* page = g_pCurPage;
  if (!tool || !page) return 0;
  const ToolInputKinds inputs = CountToolInputs(*tool);
  long long rounds = -1;
  if (inputs.points > 0) rounds = static_cast<long long>(page->m_selPoints.size()) / inputs.points;
  if (inputs.values > 0) {
    const long long byValues = static_cast<long long>(page->m_selValues.size()) / inputs.values;
    rounds = rounds < 0 ? byValues : std::min(rounds, byValues);
  }
  return static_cast<int>(std::clamp<long long>(rounds, 0, 0x10000));
}

int ApplyToolToSelection() {
  CRecord* tool = g_pCurrentTool;
  CGPage* page = g_pCurPage;
  if (!tool || !page) return 0;
  const int rounds = ToolRoundsForSelection();
  if (rounds < 1) return 0;
  // Each round builds from a fresh copy; the tool is stored once and read
  // back as often.
  const QByteArray stored = Stored(*tool);
  std::unique_ptr<CRecord> copy = ReadCopy(stored);
  if (!copy) return 0;
  const long long newCells = (static_cast<long long>(copy->m_nCellCount) - copy->m_nInputCount) * rounds;
  if (newCells < 1 || newCells > 0xFFFF || !page->HasRoomForCells(static_cast<int>(newCells))) return 0;
  const long long points = static_cast<long long>(copy->m_nPointCount) * rounds;
  if (points > 0xFFFF || !ReserveSlotsFor(*page, static_cast<int>(points), static_cast<int>(points))) return 0;
  const WORD first = page->m_nNextId;
  const CHandouts handouts(*page);
  try {
    return PlaceRounds(*page, rounds, stored, std::move(copy));
  } catch (const std::bad_alloc&) {
    DiscardCells(*page, first, page->m_nNextId, handouts);
    KvMessageBox(QString::fromUtf8(kTextActionFailed) + QString::fromUtf8(kReasonNoMemory), QString(),
                 MB_OK | MB_ICONERROR);
    return 0;
  }
}
