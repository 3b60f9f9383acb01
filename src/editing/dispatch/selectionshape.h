// What the merged tools read of the current page's selection when pressed:
// the kind counts, their sum K, the paths that are no ink marks (A'), the
// circles and arcs among the paths (Ac) and the class C of the first
// selected point.  A called command reads the selection again itself.
#pragma once
#include "commands/commandframe.h"
#include "platform/types.h"

class CGCell;

struct CSelectionShape {
  int P = 0, L = 0, F = 0, A = 0, B = 0, V = 0, X = 0, R = 0, O = 0;  // as CSelectionCounts
  int K = 0;   // their sum
  int Ap = 0;  // A less the ink marks
  int Ac = 0;      // circles and arcs
  // 1: the first point moves along a one-dimensional path; 2: in a face
  // or plane; 0: otherwise, or no point selected.
  int C = 0;
};

// Of the current page (all 0 without one).  One walk of the selected paths;
// allocates nothing.
CSelectionShape ReadSelectionShape();

// The class C of a point as above.
int PointClass(const CGCell& point);

// The first cell of a selection list of the current page; none when the
// list is empty or names a cell no longer there.
CGCell* FirstSelected(std::vector<WORD> CGPage::*list);
