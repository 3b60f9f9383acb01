// Styles of structures: stepping an arrow structure's variant or a bracket
// structure's pair (Ctrl+Left and Ctrl+Right), and the style dialog (Ctrl+P)
// that picks an arrow style or retypes the sign of an integral, sum,
// limit or bracket pair.
#pragma once
#include <QString>
#include <vector>

class CNode;

inline constexpr int kArrowStyleCount = 14;

// The 39 bracket pairs, two symbol-font characters each (a blank leaves a
// side open): every right glyph ) ] } > | blank with every left glyph
// ( [ { < | blank, the round pair first; then <> , "< " and " >".
const std::vector<QString>& BracketPairs();

// Steps the variant of an arrows structure or the pair of a bracket
// structure by `step` (+1 or -1), wrapping at both ends; a pair not in the
// list becomes the first.  False for any other node.
bool CycleStructureVariant(CNode* structure, int step);

// The node the style dialog edits for a selected structure: the integral,
// sum or limit of a plain two-box structure, else the structure itself.
CNode* StyledNode(CNode* structure);

// The sign the dialog's symbol-mode text gives a structure of `kind`
// (VOD_INTEGRAL, VOD_SUM or VOD_BRACE): typed characters become symbol-font
// codes, and too little text gives the kind's own sign.
QString SymbolSignFromDialog(int kind, const QString& typed);

// Opens the style dialog for `structure` (a selected structure) and applies
// the answer.  True when the dialog was answered with OK.
bool EditStructureStyle(CNode* structure);
