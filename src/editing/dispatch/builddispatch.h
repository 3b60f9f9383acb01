// The twelve merged tools of the ribbon: each stands for a family of
// constructions and builds the one the current page's selection asks for,
// running that construction's command or making the cells itself.
#pragma once

class CKavrelDoc;

enum EMergedTool : int {
  kToolPoint = 1,
  kToolLine,
  kToolPolygon,
  kToolCircle,
  kToolPrism,
  kToolPyramid,
  kToolFrustum,
  kToolSphere,
  kToolMeasure,
  kToolText,
  kToolCurve,
  kToolButton,
};

// The point tool returns the vertex slots its construction took; the line,
// polygon, circle and button tools 1 when they built or ran something, and
// 0 when the selection asks for nothing (the view then draws with the
// mouse, or plays media); the other tools always reach a construction and
// return 0.  A called command runs its handler from the document's command
// table without asking its update rule, reading the selection itself.
int BuildFromSelection(CKavrelDoc& doc, int kind);
