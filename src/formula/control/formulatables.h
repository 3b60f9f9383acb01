// Fixed tables of the formula editor: the 28 built-in formulas of the format
// bar's formula box, the colours of the colour commands 2000 to 2015, and
// the titles and filters of the import and export file dialogs.
#pragma once
#include <QString>
#include <optional>

#include "platform/types.h"

inline constexpr int kBuiltInFormulaCount = 28;
// Mark-up of one line (a row element); empty outside 0 .. 27.
QString BuiltInFormula(int index);

inline constexpr unsigned kFirstColourCommand = 2000;
inline constexpr int kFormulaColourCount = 16;
// The colour of a colour command, none for other ids.
std::optional<COLORREF> CommandColour(unsigned id);

extern const QString kTextImportTitle;
extern const QString kTextExportTitle;
// File filters as "description|pattern|...||" pairs.
extern const QString kImportFilter;
extern const QString kExportFilter;
