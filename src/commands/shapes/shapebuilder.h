// The cells of one ready-made plane shape, made in order through one
// construction: points of any kind (a fixed name, or the next automatic
// one), the edges joining a chain of corners, the face, and the label
// offsets of the horizontal presets.  Lengths of the presets are counted in
// the shape unit, 20 view pixels in world units, so a preset has the same
// size on screen whatever the zoom.
#pragma once
#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

#include "commands/commandframe.h"
#include "platform/types.h"

class CGVertex;

class CShapeBuilder {
 public:
  explicit CShapeBuilder(CConstruction& build);

  // The shape unit in world units (1 at the default zoom).
  float Unit() const { return m_fUnit; }

  // A T made on the next id and vertex slot, named `name` (empty: the next
  // automatic point name), from the rest of the constructor's arguments.
  template <class T, class... Args>
  WORD Point(const QString& name, Args... args) {
    const CNewPoint n = m_build.NextPoint(name);
    return m_build.Add(new T(n.id, n.slot, n.name, args...))->m_nId;
  }
  // A cell that is no point, made on the next id from the rest of the
  // constructor's arguments.
  template <class T, class... Args>
  T* Cell(Args... args) {
    return m_build.Add(new T(m_build.NextId(), args...));
  }
  // The fully free first vertex at (x, y, 0), in shape units.
  WORD Free(const char* name, float x, float y);
  // A point that follows `leader` in its horizontal plane, first at (x, y)
  // in shape units.
  WORD Follower(const char* name, WORD leader, float x, float y);
  // `p` turned about the vertical through `centre` by `angle` radians.
  WORD Rotated(const char* name, WORD p, WORD centre, float angle);
  // `p` moved by the vector from `from` to `to`.
  WORD Translated(const QString& name, WORD p, WORD from, WORD to);

  // A segment from a to b.
  WORD Edge(WORD a, WORD b);
  // Segments between consecutive corners; closed: also from the last back
  // to the first.
  void Chain(std::initializer_list<WORD> corners, bool closed);
  // The face through the corners in order, in the next automatic colour.
  void Face(const std::vector<WORD>& corners);

  // Hides a point (an auxiliary of the construction).
  void Hide(WORD id);
  // Overwrites the x and/or y of a point's label offset (shape units) and
  // lets the point re-apply its position, which moves its label with it.
  void Label(WORD id, std::optional<float> x, std::optional<float> y);
  // The automatic point name for a point made later, taken now.
  QString TakeName();

  CGVertex* Vertex(WORD id) const;

 private:
  CConstruction& m_build;
  float m_fUnit;
};
