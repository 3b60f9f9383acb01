// Caret editing of a formula tree: what the formula editing control calls,
// always on the root box, to move the caret, select, type, insert
// structures, paste, cut and break lines.  Each call runs down the caret
// path (box -> active row -> active run or structure -> its active box ...)
// and the deepest node that can act does; one that cannot answers false and
// the node above it acts instead (Left at the start of a box's first row
// lets the enclosing structure or the control decide).
//
// The caret state lives in the nodes (node.h): a row keeps a gap index or
// an active child, a box its active row, a structure its active box, a run
// a character index.  A selection is a character range of one run, a range
// of whole children of one row, or a range of rows of one box; the node
// that owns it has no active child.
//
// Entry points (all virtual on CNode):
//   SetCaretFromPoint(x, y)       caret at a device point (after Layout and
//                                 Offset); ExtendSelectionTo(x, y) drags from
//                                 there and answers a SelectResult.
//   MoveCaret(CaretKey)           true when the key was used.
//   InsertText(text)              typed text at the caret (the control
//                                 removes a selection first).
//   InsertStructure(kind, content, size)
//                                 an InsertKind at the caret, around `content`
//                                 or, without it, around the selection; `size`
//                                 points to rows and columns for a matrix
//                                 (null: 2 x 2).  Takes ownership of
//                                 `content` in every case: refused (false)
//                                 means deleted.
//   InsertRow(node)               pastes a row or a box at the caret; takes
//                                 ownership only when it answers true.
//   CutSelection()                detaches the selection and returns it, owned
//                                 by the caller (a row, a box or a run), or null.
//   CollapseSelection(toEnd), QuerySelection(), GetSelectionRegion(geometry).
//   SaveCaretPath(path) / RestoreCaretPath(path, position)
//                                 the caret as integers, restored after the
//                                 tree was rebuilt from its own mark-up.  A
//                                 root that cannot follow a path (damaged or
//                                 from another tree) answers false with the
//                                 caret at its end.
//
// No edit nests deeper than CBinTree::kMaxDepth, the depth the reader takes
// back, counting room for a run in every empty row: InsertStructure and
// InsertRow refuse what would, and InsertText refuses to start a run in a
// row that has no room for one.  Every edit leaves a tree whose mark-up
// reads back to itself.
#pragma once
#include <QPoint>
#include <QRegion>

#include "formula/logfont.h"
#include "formula/node.h"

// Keys of MoveCaret.
enum CaretKey : int {
  CARET_HOME = 1,
  CARET_END = 2,
  CARET_DELETE = 3,
  CARET_BACKSPACE = 4,
  CARET_LEFT = 5,
  CARET_RIGHT = 6,
  CARET_UP = 7,
  CARET_DOWN = 8,
  CARET_ENTER = 9,  // new line
};

// Kinds of InsertStructure.
enum InsertKind : int {
  INSERT_RUN = 1,  // a text run (a run given as content, else a new one)
  INSERT_FRACTION = 2,
  INSERT_SQRT = 3,
  INSERT_NTHROOT = 4,
  INSERT_SUPERSCRIPT = 5,
  INSERT_SUBSCRIPT = 6,
  INSERT_SCRIPTS = 7,  // a base with both scripts
  INSERT_VECTOR_ARROW = 8,
  INSERT_VECTOR_BAR = 9,
  INSERT_VECTOR_ARC = 10,
  INSERT_SUM = 11,
  INSERT_PRODUCT = 12,
  INSERT_INTEGRAL = 13,
  INSERT_ROUND_BRACKETS = 14,
  INSERT_SQUARE_BRACKETS = 15,
  INSERT_CURLY_BRACKETS = 16,
  INSERT_BARS = 17,
  INSERT_LEFT_BRACE = 18,
  INSERT_RIGHT_BRACE = 19,
  INSERT_MATRIX = 20,
};

inline bool IsInsertKind(int kind) { return kind >= INSERT_RUN && kind <= INSERT_MATRIX; }

// Results of ExtendSelectionTo and of the selecting operations of rows and runs.
enum SelectResult : int {
  SELECT_NONE = 0,    // the node could not take the point
  SELECT_PART = 1,    // part of the node is selected
  SELECT_WHOLE = -1,  // all of it
  SELECT_CARET = 2,   // nothing selected: a plain caret
};

// What GetSelectionRegion reports for the control to draw.
enum GeometryKind : int {
  GEOMETRY_NONE = 0,
  GEOMETRY_CARET = 1,      // caretTop-caretBottom and the base line are valid
  GEOMETRY_SELECTION = 2,  // region is valid
};

struct SelectionGeometry {
  QPoint lineStart, lineEnd;     // base line of the caret's row
  QPoint caretTop, caretBottom;  // the caret line
  QRegion region;                // the selected area, added up by every node
  COLORREF colour = 0;           // format at the caret or selection
  LOGFONT font;
  int kind = GEOMETRY_NONE;
};
