// The kinds of positioning diagram, in the order of the dialog's list, the
// values each reads and the builder each calls.
#pragma once

inline constexpr int kStaticKindCount = 15;

// What the dialog hands over.  Sizes, radius and ratio are in world units.
struct CStaticShapeValues {
  int kind = 0;
  float length = 12.0f;
  float width = 8.0f;
  float height = 10.0f;
  int edges = 6;
  float radius = 8.0f;
  float ratio = 0.5f;
  float centre[3] = {0, 0, 0};
  float axis[3] = {0, 0, 1.0f};
};

// The limits the dialog keeps: sizes, radius and ratio; base edges.
inline constexpr float kStaticMinSize = 0.0001f;
inline constexpr float kStaticMaxSize = 100.0f;
inline constexpr int kStaticMinEdges = 3;
inline constexpr int kStaticMaxEdges = 100;

// The values a kind reads besides the centre (the dialog enables just
// their edits).  A kind outside the list reads none: it is a 10 x 10 x 10
// cube.
struct CStaticKindInputs {
  bool length, width, height, edges, radius, ratio, axis;
};
CStaticKindInputs StaticKindInputs(int kind);

// Whether every value the kind reads lies within the dialog's limits and
// the centre and (when read) the axis are finite numbers.
bool StaticValuesAcceptable(const CStaticShapeValues& values);

// The number of cells and, of them, points the kind makes.
struct CStaticShapeSize {
  int cells, points;
};
CStaticShapeSize StaticShapeSize(const CStaticShapeValues& values);

// Calls the kind's builder on the current page; the number of cells made.
int BuildStaticShape(const CStaticShapeValues& values);
