// What a click of the select tool does with each pick kind: whether it
// selects the cell, which status text it shows and which drag it starts,
// by the cell's class.  Classes are named, not linked, so a row can name
// kinds of cells the program does not have yet; a row's cases take effect
// as those classes arrive.
#pragma once
#include <QString>
#include <vector>

class CGCell;

struct PickClassCase {
  const char* className;  // null: any cell of the kind
  const char* status;     // null: the status text stays as it is
  bool appendName;        // the cell's name follows the text
  int dragKind;           // 0: no drag
};

struct PickKindRow {
  int kind;
  bool selects;
  std::vector<PickClassCase> cases;
};

// The row of a pick kind 1 to 13; null for any other.
const PickKindRow* FindPickKindRow(int kind);
// The case a cell falls under: the case naming its own class, else the
// first naming a base class of it, else the row's case for any cell.
const PickClassCase& CaseForCell(const PickKindRow& row, const CGCell& cell);
// The status text of the case for the cell; null text: none (keep).
bool StatusTextFor(const PickClassCase& c, const CGCell& cell, QString* text);
