// The document's command table: for each command id the handler that runs
// it on the open document and the update rule that enables it.  Every open
// document enters the whole table in the command registry (owner: the
// document, see CKavrelDoc::RegisterCommands), so the ribbon, menus, keys
// and tests reach the commands by id alone.
//
// How a command family joins: its own source file under src/commands/ (or
// src/editing/) lists its rows in a static CDocCommandRows object, and
// nothing else is edited:
//
//   namespace {
//   const CDocCommandRows rows({
//       {ID_CREATE_FACE, OnCreateFace, OnUpdateCreateFace},
//       {ID_CREATE_PAGE, [](CKavrelDoc& doc) { doc.OnCreatePage(); }},  // always enabled
//   });
//   }  // namespace
//
// The layers that hold such files are linked whole into every program
// (SELF_REGISTERING in src/CMakeLists.txt), so all rows are in the table
// before main() runs.  An id has one row in the whole program.
#pragma once
#include <initializer_list>
#include <vector>

class CCmdUI;
class CKavrelDoc;

using DocCommandHandler = void (*)(CKavrelDoc& doc);
// Reads the current page (its selection counts, as a rule) and says
// whether the command is enabled (or checked, or what it is called).
using DocUpdateRule = void (*)(CKavrelDoc& doc, CCmdUI& ui);

struct CDocCommandRow {
  unsigned id;
  DocCommandHandler handler;
  DocUpdateRule update = nullptr;  // none: always enabled
};

// Adds its rows to the table when the program starts.
class CDocCommandRows {
 public:
  CDocCommandRows(std::initializer_list<CDocCommandRow> rows);
};

// Every row added so far, in the order the families were linked.
const std::vector<CDocCommandRow>& DocumentCommandRows();

// The handler of `id`'s row; none when no family has a row for it.
DocCommandHandler FindDocCommand(unsigned id);

// While it lives, `handler` stands in the table for the row of `id` (or is
// the row of an id that has none): tests record which command a chain of
// commands calls.  Put back in reverse order of making.
class CDocCommandStandIn {
 public:
  CDocCommandStandIn(unsigned id, DocCommandHandler handler);
  ~CDocCommandStandIn();
  CDocCommandStandIn(const CDocCommandStandIn&) = delete;
  CDocCommandStandIn& operator=(const CDocCommandStandIn&) = delete;

 private:
  unsigned m_nId;
  DocCommandHandler m_pOwn = nullptr;  // the row's handler; none: the row was added
};
