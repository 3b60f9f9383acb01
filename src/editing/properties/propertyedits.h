// What the property command's rows share: the name a dialog hands back, the
// cells to relabel after an edit, the item-text notice and the filling of
// the printf formats its messages are written in.
#pragma once
#include <QString>
#include <initializer_list>
#include <vector>

#include "platform/types.h"

class CGCell;
class CGPage;

// A name typed in a dialog: when it differs from the cell's, the cell takes
// it as fixed and its label and tree item are composed again; an unchanged
// name leaves both flags alone.
void TakeTypedName(CGCell& cell, const QString& name);

// Marks the cell's descendants and collects them, ascending, into the page's
// dirty-id list, which it returns for UpdateLabels.
const std::vector<WORD>& CollectDescendants(CGPage& page, CGCell& cell);

// The object list refreshes the item texts of the page (0x811, wParam 0).
void PostItemTexts(const CGPage& page);

// One value of a format: a text for %s, a number for any other conversion.
struct CFormatValue {
  CFormatValue(const QString& text) : text(text), isText(true) {}  // NOLINT: implicit by design
  CFormatValue(const char* text) : text(QString::fromUtf8(text)), isText(true) {}  // NOLINT
  CFormatValue(double number) : number(number) {}  // NOLINT
  QString text;
  double number = 0;
  bool isText = false;
};

// The printf format with its conversions filled in order: texts as they
// are (a name holding "%" stays whole), numbers through the program's
// number formatter; "%%" is a percent sign.  Conversions beyond the values
// become empty.
QString FillConversions(const char* format, std::initializer_list<CFormatValue> values);
