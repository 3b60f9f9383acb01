// The one-object rows of the property command: which dialog (or message) a
// single selected cell opens, by the list it was filed in and its class.
//
// How a cell family joins: its own source file lists its rows in a static
// CPropertyRows object, and the dispatch is not edited:
//
//   namespace {
//   const CPropertyRows rows({
//       {PropertyList::Lines, 10, "CGLine", EditLineProperties},
//   });
//   }  // namespace
//
// Within one list the rows are tried in ascending rank (the order in which
// the more particular classes must come before the general ones); the first
// row whose class the cell is kind of and whose handler takes the cell
// decides.  A cell that no row takes gets no dialog; the command's tail
// (modified flag, views updated) runs all the same.
#pragma once
#include <initializer_list>
#include <vector>

class CGCell;
class CKavrelDoc;

// The selection list the cell was found in, as the property command reads it.
enum class PropertyList { Points, Lines, Faces, Paths, Buttons, Values, Solids, Texts, Others };

// Opens the cell's dialog and writes it back on OK.  Returns false when the
// row does not serve this cell after all (a sub-kind it leaves to a later
// row), so the next row is tried; true once it has handled the cell, whether
// the user confirmed or cancelled.
using PropertyRowHandler = bool (*)(CKavrelDoc& doc, CGCell& cell);

struct CPropertyRow {
  PropertyList list;
  int rank;
  const char* className;  // the row serves cells of this class and its subclasses
  PropertyRowHandler handler;
};

// Adds its rows to the table when the program starts.
class CPropertyRows {
 public:
  CPropertyRows(std::initializer_list<CPropertyRow> rows);
};

// Tries the rows of one list on the cell; false when no row took it.
bool RunPropertyRow(PropertyList list, CKavrelDoc& doc, CGCell& cell);

// Every row added so far, each list's rows in ascending rank.
std::vector<CPropertyRow> PropertyRows();
