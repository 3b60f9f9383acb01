#include "support/documentsteps.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <random>
#include <set>
#include <unordered_set>
#include <utility>

#include "cells/dynamic/buttons/linkbutton.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/kindtests.h"
#include "model/selection.h"
#include "model/viewstate.h"
#include "platform/archive.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/dialogprovider.h"
#include "platform/editscope.h"
#include "platform/notifier.h"
#include "support/documentfiles.h"
#include "support/drawndialogs.h"
#include "support/everyclass.h"
#include "support/journalcheck.h"
#include "support/viewsteps.h"

namespace {
// Commands that leave the document's edits (files, printing, the program's
// own windows) or open a window other than a dialog, which a run without
// widgets cannot show.
const std::set<unsigned> kNotDrawn = {
    ID_FILE_NEW,   ID_FILE_OPEN,          ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT_SETUP, ID_FILE_PRINT,
    ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW, ID_APP_ABOUT, ID_APP_EXIT, ID_TOOL_SCRIPT,
};

// The steps of the view and the wide set's own, drawn after the edits'
// hundred.
constexpr unsigned kViewSteps = 30, kWideSteps = 22;

std::string Name(const CObject* object) { return object ? object->GetRuntimeClass()->m_lpszClassName : "none"; }

std::string At(const CGPage& page, unsigned id) {
  return "page " + std::to_string(page.m_nId) + " cell " + std::to_string(id);
}

// Empty when `id` names a cell of `page` of one of the classes (any, when none is given).
std::string Names(const CGPage& page, unsigned id, std::initializer_list<std::string_view> classes = {}) {
  const CGCell* cell = id <= 0xFFFF ? page.m_cells.Lookup(static_cast<WORD>(id)) : nullptr;
  if (!cell) return "names no cell";
  if (classes.size() && !IsKindOfAnyClassName(cell, classes)) return "names a " + Name(cell);
  return {};
}

// The ancestors of a cell, itself excluded.
std::set<WORD> Ancestors(const CGPage& page, const CGCell& cell) {
  std::set<WORD> found;
  std::vector<WORD> open(cell.m_parents.begin(), cell.m_parents.end());
  while (!open.empty()) {
    const WORD id = open.back();
    open.pop_back();
    const CGCell* parent = page.m_cells.Lookup(id);
    if (!parent || !found.insert(id).second) continue;
    open.insert(open.end(), parent->m_parents.begin(), parent->m_parents.end());
  }
  return found;
}

// Whether the "#" at `at` of a text lies in the name of one of the cells,
// as written in: "#5" there is a name the user typed, or one made from it
// ("#5'"), no parent written short.
bool InAncestorsName(const CGPage& page, const std::set<WORD>& ancestors, const QString& text, qsizetype at) {
  for (WORD id : ancestors) {
    const CGCell* cell = page.m_cells.Lookup(id);
    if (!cell) continue;
    for (const QString* name : {&cell->m_strName, &cell->m_strVodName}) {
      if (!name->contains(u'#')) continue;
      for (qsizetype from = text.indexOf(*name); from >= 0 && from <= at; from = text.indexOf(*name, from + 1))
        if (at < from + name->size()) return true;
    }
  }
  return false;
}

std::string CellIds(const CGPage& page) {
  static const QRegularExpression shortName(QStringLiteral("#(\\d+)"));
  // The links both ways, parent << 16 | child: as each child names its
  // parents and as each parent lists its children.
  std::unordered_set<std::uint32_t> named, listed;
  const auto link = [](WORD parent, WORD child) { return std::uint32_t(parent) << 16 | child; };
  for (auto [id, cell] : page.m_cells) {
    for (WORD parent : cell->m_parents) named.insert(link(parent, id));
    for (WORD child : cell->m_children) listed.insert(link(id, child));
  }
  for (auto [id, cell] : page.m_cells) {
    // A parent missing from the page is how opening keeps a damaged file:
    // the cell stays, as its class computes it without the parent (the
    // reopening below finds one computed otherwise).  A parent that is
    // there lists the cell, and a listed child names its parent, or a
    // delete would leave one behind or take one that does not depend on it.
    for (WORD parent : cell->m_parents) {
      if (parent >= id) return At(page, id) + ": parent " + std::to_string(parent) + " not below it";
      if (page.m_cells.Lookup(parent) && !listed.count(link(parent, id)))
        return At(page, id) + ": parent " + std::to_string(parent) + " does not list it";
    }
    for (WORD child : cell->m_children) {
      if (child <= id) return At(page, id) + ": child " + std::to_string(child) + " not above it";
      if (!page.m_cells.Lookup(child)) return At(page, id) + ": child " + std::to_string(child) + " missing";
      if (!named.count(link(id, child))) return At(page, id) + ": child " + std::to_string(child) + " does not name it";
    }
    if (const auto* locus = dynamic_cast<const CGLocus*>(cell))
      for (WORD value : locus->ValueParents)
        if (std::string e = Names(page, value, {"CGTmVariable"}); !e.empty())
          return At(page, id) + ": hue value " + std::to_string(value) + " " + e;
    // A name written from parents writes a parent short by its id: that id
    // names an ancestor, whatever the renumbering.
    if (!cell->m_bNameFixed && IsKindOfAnyClassName(cell, {"CGTmVariable", "CGTmVector"})) {
      const std::set<WORD> ancestors = Ancestors(page, *cell);
      for (const QString* text : {&cell->m_strName, &cell->m_strVodName}) {
        for (auto it = shortName.globalMatch(*text); it.hasNext();) {
          const QRegularExpressionMatch match = it.next();
          if (InAncestorsName(page, ancestors, *text, match.capturedStart())) continue;
          const unsigned named = match.captured(1).toUInt();
          if (!ancestors.count(static_cast<WORD>(named)) || named > 0xFFFF)
            return At(page, id) + ": name \"" + text->toStdString() + "\" writes #" + std::to_string(named) +
                   ", no parent of it";
        }
      }
    }
  }
  return {};
}

// An id a page holds of one of its cells outside the cells' own lists,
// and the class of cell it may name.
struct Held {
  std::string what;
  unsigned id;
  std::string_view kind;
};

// The held ids that are set; the marks' by the kind of mark.
std::vector<Held> HeldIds(const CGPage& page) {
  const CTransformMarks& m = page.m_marks;
  std::vector<Held> held = {{"automatic button", static_cast<unsigned>(page.m_nAutoButton), "CGButton"},
                            {"marked centre", m.MarkCenter, "CGVertex"},
                            {"marked axis", m.MarkAxis, "CGLine"},
                            {"marked mirror", m.MarkMirror, "CGFace"}};
  const auto add = [&](const char* what, std::initializer_list<WORD> ids, std::string_view kind) {
    int k = 0;
    for (WORD id : ids) held.push_back({what + std::string(ids.size() > 1 ? 1 : 0, char('a' + k++)), id, kind});
  };
  if (m.MarkVector.kind == 1) add("marked vector point ", {m.MarkVector.start, m.MarkVector.end}, "CGVertex");
  if (m.MarkVector.kind == 2) add("marked vector", {m.MarkVector.value}, "CGTmVector");
  if (m.MarkAngle.kind == 1) add("marked angle point ", {m.MarkAngle.a, m.MarkAngle.b, m.MarkAngle.c}, "CGVertex");
  if (m.MarkAngle.kind == 2) add("marked angle", {m.MarkAngle.value}, "CGTmVariable");
  if (m.MarkRatio.kind == 1) add("marked ratio", {m.MarkRatio.value}, "CGTmVariable");
  if (m.MarkRatio.kind == 2) add("marked ratio segment ", {m.MarkRatio.segment1, m.MarkRatio.segment2}, "CGLine");
  if (m.MarkRatio.kind == 3) add("marked ratio point ", {m.MarkRatio.a, m.MarkRatio.b, m.MarkRatio.c}, "CGVertex");
  std::erase_if(held, [](const Held& entry) { return entry.id == 0; });
  return held;
}

std::string PageIds(const CKavrelDoc& doc, const CGPage& page) {
  const std::string at = "page " + std::to_string(page.m_nId) + ": ";
  // A mark or button whose cell is gone counts as none, as does a button
  // id beyond the cell ids (the page reads it so); one that names a cell
  // names one of its kind.
  for (const Held& held : HeldIds(page))
    if (held.id <= 0xFFFF && page.m_cells.Lookup(static_cast<WORD>(held.id)))
      if (std::string e = Names(page, held.id, {held.kind}); !e.empty())
        return at + held.what + " " + std::to_string(held.id) + " " + e;
  for (const auto* list : {&page.m_selAll, &page.m_runningButtons, &page.m_stepList})
    for (WORD id : *list)
      if (std::string e = Names(page, id); !e.empty()) return at + "listed " + std::to_string(id) + " " + e;
  for (auto [id, cell] : page.m_cells) {
    const auto* link = dynamic_cast<const CGButnLink*>(cell);
    if (!link || !link->IsPageLink() || link->m_nPageId == 0) continue;
    const bool found = std::any_of(doc.m_pages.begin(), doc.m_pages.end(),
                                   [&](const auto& other) { return other->m_nId == link->m_nPageId; });
    if (!found) return At(page, id) + ": links to page " + std::to_string(link->m_nPageId) + ", which is none";
  }
  return {};
}

// The kind of cell a parent is, as the selection tells them apart.
std::string KindOf(const CGCell* cell) {
  static constexpr const char* kKinds[] = {"point", "line", "face", "solid", "path", "text", "value", "button", "other"};
  return cell ? kKinds[SelectionKindOf(*cell)] : "missing cell";
}

std::string Owner(const CObject* object) {
  std::string owner = Name(object);
  if (const auto* cell = dynamic_cast<const CGCell*>(object)) owner += " " + std::to_string(cell->m_nId);
  return owner;
}

// Where two saves part: the byte and its two values, the innermost record
// holding it and the record of the last number stored before it in the
// second.
std::string Difference(CKavrelDoc& doc, const QByteArray& before) {
  std::vector<CArchive::ScalarField> fields;
  std::vector<CArchive::ObjectSpan> spans;
  CArchive ar;
  ar.RecordFloatFields(&fields);
  ar.RecordObjectSpans(&spans);
  doc.Serialize(ar);
  const QByteArray now = ar.Bytes();
  qsizetype at = 0;
  while (at < now.size() && at < before.size() && now[at] == before[at]) ++at;
  const auto byte = [at](const QByteArray& bytes) {
    return at < bytes.size() ? QByteArray(1, bytes[at]).toHex().toStdString() : std::string("none");
  };
  std::string in = "the document";
  qsizetype inSize = std::numeric_limits<qsizetype>::max();
  for (const CArchive::ObjectSpan& span : spans)
    if (span.begin <= at && at < span.end && span.end - span.begin < inSize)
      in = Owner(span.object), inSize = span.end - span.begin;
  std::string last = "none";
  for (const CArchive::ScalarField& field : fields) {
    if (field.offset > at) break;
    last = Owner(field.object);
  }
  return "the reopened document saves other bytes from byte " + std::to_string(at) + " (" + byte(before) + ", then " +
         byte(now) + "; in the record of " + in + ", after a number of " + last + ")";
}

// Keeps the texts of the message boxes shown while it lives, each
// answered as when nobody can click; the notifier in force before comes
// back after.
class ShownTexts {
 public:
  ShownTexts() : m_previous(SetNotifier(std::make_unique<Catcher>(m_texts))) {}
  ~ShownTexts() { SetNotifier(std::move(m_previous)); }
  ShownTexts(const ShownTexts&) = delete;
  ShownTexts& operator=(const ShownTexts&) = delete;
  const std::string& Texts() const { return m_texts; }

 private:
  class Catcher : public INotifier {
   public:
    explicit Catcher(std::string& texts) : m_texts(texts) {}
    int Show(const QString& text, const QString&, unsigned type) override {
      m_texts += (m_texts.empty() ? "" : " / ") + text.toStdString();
      return DefaultAnswer(type);
    }

   private:
    std::string& m_texts;
  };
  std::string m_texts;
  std::unique_ptr<INotifier> m_previous;
};

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves the document into `folder` as the program saves a file, opens the
// file as the program does and saves that again: empty when that gives
// the same bytes, else what went wrong.
std::string Reopened(CKavrelDoc& doc, const QString& folder) {
  const QString saved = QDir(folder).filePath(QStringLiteral("steps.kv"));
  const QString again = QDir(folder).filePath(QStringLiteral("steps-again.kv"));
  ShownTexts shown;
  if (!doc.OnSaveDocument(saved)) return "the save is refused: " + shown.Texts();
  CKavrelDoc reopened;
  if (!reopened.OnOpenDocument(saved, true)) return "the saved document is refused: " + shown.Texts();
  if (!reopened.OnSaveDocument(again)) return "the reopened document's save is refused: " + shown.Texts();
  const QByteArray bytes = FileBytes(saved);
  return FileBytes(again) == bytes ? std::string() : Difference(reopened, bytes);
}

void Select(CGPage& page, const std::vector<WORD>& ids) {
  page.ClearSelection();
  for (WORD id : ids) page.SelectCell(id);
}
}  // namespace

std::string DocumentFault(CKavrelDoc& doc, const QString& folder) {
  for (const auto& page : doc.m_pages) {
    if (std::string e = CellIds(*page); !e.empty()) return e;
    if (std::string e = PageIds(doc, *page); !e.empty()) return e;
  }
  CGPage* const current = g_pCurPage;
  std::string fault = Reopened(doc, folder);
  // Back to the document at hand: opening made the other one's pages
  // current and the registry its commands', which went with it.
  doc.RegisterCommands();
  SetCurrentPage(current);
  if (current) {
    current->RebuildVertexArray();
    LoadViewStateFromPage(*current);
    doc.BindUndoMenu(*current);
  }
  return fault;
}

DocumentSteps::DocumentSteps(CKavrelDoc& doc, StepDraw draw, StepSet set)
    : m_doc(doc),
      m_draw(std::move(draw)),
      m_set(set),
      m_saves(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/kavrel-steps-XXXXXX")
                                                        : QDir::temp().filePath(QStringLiteral("kavrel-steps-XXXXXX"))),
      m_previousDialogs(SetDialogProvider(std::make_unique<DrawnDialogs>(m_draw, set))),
      m_dialogs(static_cast<DrawnDialogs&>(DialogProvider())) {
  if (set != StepSet::kEdits) m_view = std::make_unique<ViewSteps>(doc, m_draw, set == StepSet::kWide);
  m_journal = std::make_unique<JournalCheck>(doc);
}

DocumentSteps::~DocumentSteps() { SetDialogProvider(std::move(m_previousDialogs)); }

std::string DocumentSteps::Selected() {
  std::string ids;
  for (WORD id : g_pCurPage->m_selAll) ids += " " + std::to_string(id);
  return " [" + ids + " ]";
}

void DocumentSteps::DrawSelection() {
  CGPage& page = *g_pCurPage;
  std::vector<WORD> all, points;
  for (auto [id, cell] : page.m_cells) {
    all.push_back(id);
    if (cell->IsKindOf(RUNTIME_CLASS(CGVertex))) points.push_back(id);
  }
  const std::vector<WORD>& from = m_draw(2) == 0 && !points.empty() ? points : all;
  std::vector<WORD> chosen;  // a cell clicked again would be deselected: each once
  for (unsigned n = from.empty() ? 0 : 1 + m_draw(4); n > 0; --n)
    if (const WORD id = from[m_draw(from.size())]; std::find(chosen.begin(), chosen.end(), id) == chosen.end())
      chosen.push_back(id);
  Select(page, chosen);
}

std::string DocumentSteps::RunDrawnCommand() {
  std::vector<unsigned> enabled;
  for (const CDocCommandRow& row : DocumentCommandRows())
    if (!kNotDrawn.count(row.id) && CommandRegistry().Query(row.id).m_bEnabled) enabled.push_back(row.id);
  if (enabled.empty()) return "no command enabled";
  const unsigned id = enabled[m_draw(enabled.size())];
  CommandRegistry().Run(id);
  m_bRenumbered = id == ID_FILE_REORGANIZE;
  return "command " + std::to_string(id);
}

std::string DocumentSteps::Fault() { return DocumentFault(m_doc, m_saves.path()); }

std::string DocumentSteps::RenameDrawnCell() {
  const std::vector<WORD> ids = g_pCurPage->m_cells.Ids();
  if (ids.empty()) return "no cell to rename";
  const WORD id = ids[m_draw(ids.size())];
  const QString name = TypedName(m_draw);
  m_doc.RenameObject(TreeItemKind::Cell, id, name);
  return "cell " + std::to_string(id) + " renamed " + name.toStdString();
}

std::string DocumentSteps::Step() {
  CGPage* page = g_pCurPage;
  if (!page) return "no page";
  m_bRenumbered = false;
  m_bHistory = false;
  // The edits keep the first hundred draws and the view the next thirty,
  // so that a seed of the edits alone or of all steps makes the steps it
  // always made.
  const unsigned kind = m_draw(100 + (m_view ? kViewSteps : 0) + (m_set == StepSet::kWide ? kWideSteps : 0));
  if (kind >= 100 + kViewSteps) return WideStep(kind - 100 - kViewSteps);
  if (kind >= 100) {
    if (kind < 108) return m_view->ClickButton();
    if (kind < 116) return m_view->DragPoint();
    if (kind < 126) return m_view->Construct();
    return RenameDrawnCell();
  }
  if (kind < 50) {
    DrawSelection();
    const std::string selected = Selected();
    return RunDrawnCommand() + " on" + selected;
  }
  if (kind < 58) {
    DrawSelection();
    CommandRegistry().Run(ID_EDIT_DELETE);
    return "delete";
  }
  // With the view's tools about, undo and redo are the view's commands,
  // which end a construction or a user tool first.
  if (kind < 70) {
    m_bHistory = true;
    if (m_view)
      CommandRegistry().Run(ID_EDIT_UNDO);
    else
      page->m_undo.Undo();
    return "undo";
  }
  if (kind < 76) {
    m_bHistory = true;
    if (m_view)
      CommandRegistry().Run(ID_EDIT_REDO);
    else
      page->m_undo.Redo();
    return "redo";
  }
  if (kind < 84) {
    DrawSelection();
    CommandRegistry().Run(ID_EDIT_COPY);
    if (m_draw(3) == 0) m_doc.SwitchToPage(m_doc.m_pages[m_draw(m_doc.m_pages.size())].get());
    CommandRegistry().Run(ID_EDIT_PASTE);
    return "copy and paste";
  }
  if (kind < 89) {
    CommandRegistry().Run(ID_FILE_REORGANIZE);
    m_bRenumbered = true;
    return "reorganize";
  }
  if (kind < 94) {
    DrawSelection();
    CommandRegistry().Run(ID_EDIT_SPLIT);
    return "split";
  }
  m_doc.SwitchToPage(m_doc.m_pages[m_draw(m_doc.m_pages.size())].get());
  return "page " + std::to_string(g_pCurPage->m_nId);
}

CGPage* DocumentSteps::OtherPage() {
  std::vector<CGPage*> others;
  for (const auto& page : m_doc.m_pages)
    if (page.get() != g_pCurPage) others.push_back(page.get());
  return others.empty() ? nullptr : others[m_draw(others.size())];
}

std::string DocumentSteps::ClickPageInList(bool around) {
  CGPage* page = OtherPage();
  std::string done;
  // A click is an edit, whatever it reaches.
  const CEditScope click;
  if (around) {
    DrawSelection();
    done = RunDrawnCommand() + ", ";
  }
  const bool renumbered = m_bRenumbered;
  if (page) m_doc.SelectFromTree(TreeItemKind::Page, page->m_nId, FALSE, FALSE);
  done += "page " + std::to_string(g_pCurPage->m_nId);
  if (around) {
    DrawSelection();
    done += ", " + RunDrawnCommand();
  }
  m_bRenumbered = m_bRenumbered || renumbered;
  return done;
}

std::string DocumentSteps::WideStep(unsigned kind) {
  if (kind < 3) {
    m_dialogs.TakeAnswer();
    CommandRegistry().Run(ID_EDIT_PREFERONCES);
    return "preferences " + m_dialogs.TakeAnswer();
  }
  if (kind < 5) {
    DrawSelection();
    const std::string selected = Selected();
    return m_view->ColorButton() + " on" + selected;
  }
  if (kind < 7) {
    DrawSelection();
    const std::string selected = Selected();
    m_dialogs.TakeAnswer();
    CommandRegistry().Run(ID_EDIT_LABELMOD);
    return "label of" + selected + " " + m_dialogs.TakeAnswer();
  }
  if (kind < 15) return m_view->DragCell();
  if (kind < 17) return "in one edit: " + ClickPageInList(kind == 16);
  if (kind < 19) return m_view->FollowLink();
  if (kind < 20) {
    CommandRegistry().Run(kCmdBringIntoView);
    return "入境";
  }
  DrawSelection();
  CommandRegistry().Run(ID_EDIT_COPY);
  const std::string page = ClickPageInList(false);
  CommandRegistry().Run(ID_EDIT_PASTE);
  return "copy, " + page + " and paste";
}

std::vector<DocumentSteps::Kinds> DocumentSteps::Snapshot() const {
  std::vector<Kinds> pages;
  for (const auto& page : m_doc.m_pages) {
    Kinds& kinds = pages.emplace_back();
    for (auto [id, cell] : page->m_cells) {
      std::vector<std::string>& row = kinds[id];
      row.push_back(Name(cell));
      for (WORD parent : cell->m_parents) row.push_back(std::to_string(parent) + " " + KindOf(page->m_cells.Lookup(parent)));
    }
  }
  return pages;
}

// A cell that kept its class and its parents' ids kept their classes too:
// an id that came to name another cell is found here even where the new
// cell would be allowed.  整编 numbers the cells of a page in their order.
std::string DocumentSteps::KindsKept(const std::vector<Kinds>& before, bool renumbered) const {
  const std::vector<Kinds> after = Snapshot();
  if (after.size() != before.size()) return {};  // a page came or went: pages are matched by place
  for (size_t k = 0; k < after.size(); ++k) {
    std::map<unsigned, unsigned> to;
    unsigned next = 0;
    for (const auto& [id, row] : before[k]) to[id] = renumbered ? ++next : id;
    for (const auto& [id, row] : before[k]) {
      const auto it = after[k].find(to[id]);
      if (it == after[k].end() || it->second.size() != row.size() || it->second[0] != row[0]) continue;
      bool sameParents = true;
      for (size_t i = 1; i < row.size(); ++i) {
        const unsigned parent = static_cast<unsigned>(std::stoul(row[i]));
        sameParents = sameParents && std::stoul(it->second[i]) == to[parent];
      }
      if (!sameParents) continue;
      for (size_t i = 1; i < row.size(); ++i) {
        const std::string was = row[i].substr(row[i].find(' ') + 1);
        const std::string now = it->second[i].substr(it->second[i].find(' ') + 1);
        if (was != now)
          return "page " + std::to_string(m_doc.m_pages[k]->m_nId) + " cell " + std::to_string(to[id]) + " (" +
                 row[0] + "): parent " + it->second[i] + " was a " + was;
      }
    }
  }
  return {};
}

// A held id keeps naming the cell it was given, or nothing: the last cell
// it was seen to name is remembered (through 整编, which keeps the cells and
// gives them new ids), so that a cell which took a freed id is not taken
// for it, while the cell brought back by a redo is.  分离 and its undo put
// another cell of the same kind and name in the place of one; an undo or
// redo may put back another version of the cell under that id (one a
// transformation swapped out), of its kind, with the name it had then.
std::string DocumentSteps::HeldIdsKept() {
  std::map<std::string, Named> now;
  for (const auto& page : m_doc.m_pages) {
    const std::string key = std::to_string(reinterpret_cast<std::uintptr_t>(page.get())) + " ";
    for (const auto& [what, id, kind] : HeldIds(*page)) {
      const CGCell* cell = id <= 0xFFFF ? page->m_cells.Lookup(static_cast<WORD>(id)) : nullptr;
      Named held{id, cell, cell ? KindOf(cell) + " " + cell->m_strName.toStdString() : std::string()};
      const auto it = m_held.find(key + what);
      const bool same = it != m_held.end() && (it->second.id == id || m_bRenumbered);
      const bool otherVersion = m_bHistory && it != m_held.end() && it->second.cell && cell &&
                                KindOf(cell) + " " == it->second.identity.substr(0, KindOf(cell).size() + 1);
      if (same && it->second.cell && cell && cell != it->second.cell && held.identity != it->second.identity &&
          !otherVersion)
        return "page " + std::to_string(page->m_nId) + ": " + what + " " + std::to_string(id) +
               " names another cell than it did (a " + Name(held.cell) + " " + held.cell->m_strName.toStdString() + ")";
      if (same && !cell) held = it->second;  // gone for now
      now[key + what] = held;
    }
  }
  m_held = std::move(now);
  return {};
}

std::string DocumentSteps::StepAndCheck() {
  const std::vector<Kinds> before = Snapshot();
  m_journal->StartStep();
  std::string done = Step();
  const std::string missed = m_journal->EndStep();
  std::string fault = Fault();
  if (fault.empty()) fault = missed;
  if (fault.empty()) fault = KindsKept(before, m_bRenumbered);
  if (fault.empty()) fault = HeldIdsKept();
  return fault.empty() ? fault : done + ": " + fault;
}

namespace {
void BuildSmallDocument(CKavrelDoc& doc) {
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  const auto point = [&](float x, float y, float z) {
    auto* cell = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, z);
    page.m_cells.SetAt(cell->m_nId, cell);
    return cell->m_nId;
  };
  const WORD a = point(0, 0, 0), b = point(4, 0, 0), c = point(0, 4, 0), d = point(0, 0, 4);
  for (auto [from, to] : {std::pair{a, b}, std::pair{c, d}}) {
    auto* line = new CGLine(page.m_nNextId++, from, to, kLineSegment);
    page.m_cells.SetAt(line->m_nId, line);
  }
  auto* face = new CGFace(page.m_nNextId++, std::vector<WORD>{a, b, c}, 0x00336699);
  page.m_cells.SetAt(face->m_nId, face);
  page.RebuildVertexArray();
  // The vector AB and six sums, each of the one before with itself: the
  // last two write their parent short.
  CGCell* sum = new CGTmVectorPP(page.m_nNextId++, a, b);
  page.m_cells.SetAt(sum->m_nId, sum);
  for (int k = 0; k < 6; ++k) {
    const WORD twice = sum->m_nId;
    sum = new CGTmVectorAdd(page.m_nNextId++, twice, twice);
    page.m_cells.SetAt(sum->m_nId, sum);
  }
}
}  // namespace

void BuildStepsDocument(CKavrelDoc& doc, int start, const QString& folder) {
  if (start == 0)
    BuildEveryClassDocument(doc, folder);
  else
    BuildSmallDocument(doc);
  // As saved and opened again: the builders enter cells without computing
  // them, which the program never does.
  CArchive ar(DocumentBytes(doc));
  ar.Context().bOlderLayout = true;
  doc.Serialize(ar);
}

std::string RunDocumentSteps(CKavrelDoc& doc, int start, std::uint32_t seed, int steps, const QString& folder,
                             StepSet set) {
  BuildStepsDocument(doc, start, folder);
  return RunDocumentSteps(doc, seed, steps, set);
}

std::string RunDocumentSteps(CKavrelDoc& doc, std::uint32_t seed, int steps, StepSet set) {
  std::mt19937 random(seed);
  DocumentSteps driver(doc, [&random](unsigned n) { return n ? static_cast<unsigned>(random() % n) : 0u; }, set);
  if (std::string fault = driver.Fault(); !fault.empty()) return "before any step: " + fault;
  for (int step = 1; step <= steps; ++step)
    if (std::string fault = driver.StepAndCheck(); !fault.empty()) return "step " + std::to_string(step) + " (" + fault + ")";
  return {};
}
