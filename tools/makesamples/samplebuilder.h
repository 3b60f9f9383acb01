// Builds constructions on the current page the way the construction
// commands do: each cell takes the page's next id (a point also the next
// vertex slot and automatic name), is made by its own constructor and is
// entered in the page's map before the next one is made.
#pragma once
#include <vector>

#include "platform/types.h"

class CGCell;
class CGPage;

class CSampleBuilder {
 public:
  explicit CSampleBuilder(CGPage& page) : m_page(page) {}

  // A free point, as the point tool places it.
  WORD Point(float x, float y, float z);
  WORD Segment(WORD a, WORD b);
  // A polygon through the corners in order, in the next automatic colour;
  // like the face command's, it only hides what lies behind it.
  WORD Face(const std::vector<WORD>& corners);
  // The circle about `centre` through `through`, in the plane of the three.
  WORD CircleCentrePoint(WORD centre, WORD through, WORD inPlane);
  // Free points bound to a line (parameter t along AB) or a circle (angle).
  WORD PointOnLine(WORD line, float t);
  WORD PointOnCircle(WORD circle, float angle);

  CGCell& Cell(WORD id);

 private:
  // Id, slot and name of the next point, growing the vertex array first.
  struct PointSlot {
    WORD id;
    int slot;
  };
  PointSlot NextPoint();
  template <class T>
  WORD Enter(T* cell);

  CGPage& m_page;
};
