// Feet of perpendiculars: the point of a line or a plane nearest to a
// given point, following the three or four parent points.  Each is a plain
// point that recomputes its position and describes itself; its record,
// label and drawing are the plain point's.
#pragma once
#include <QString>
#include <cstddef>
#include <initializer_list>

#include "model/cgvertex.h"

// Shared by the two: the record must name exactly the parents every
// recomputation reads.
class CGVerFoot : public CGVertex {
 public:
  void Serialize(CArchive& ar) override;

 protected:
  CGVerFoot() = default;
  // A point at the origin in slot `slot`, registered as the parents' child.
  CGVerFoot(WORD id, int slot, const QString& name, std::initializer_list<WORD> parents);
  // The parents' positions, or false (undefined) at the first one that is
  // no defined point.
  bool DefinedParents(const float* pos[], std::size_t count);
  // Takes f as the position: the vertex-array slot and the label follow.
  void PlaceFoot(const float f[3]);
  QString Describe(const char* format) const;
  virtual std::size_t ParentCount() const = 0;
};

// The foot of P on the line AB (parents P, A, B); A when A and B coincide.
class CGVerFootpl : public CGVerFoot {
  DECLARE_SERIAL(CGVerFootpl)

 public:
  CGVerFootpl() = default;
  CGVerFootpl(WORD id, int slot, const QString& name, WORD p, WORD a, WORD b);
  void Recalculate() override;
  QString GetDescription() override;

 protected:
  std::size_t ParentCount() const override { return 3; }
};

// The foot of P on the plane ABC (parents P, A, B, C); on their line when
// the three are collinear.  Undefined when the foot cannot be represented.
class CGVerFootpf : public CGVerFoot {
  DECLARE_SERIAL(CGVerFootpf)

 public:
  CGVerFootpf() = default;
  CGVerFootpf(WORD id, int slot, const QString& name, WORD p, WORD a, WORD b, WORD c);
  void Recalculate() override;
  QString GetDescription() override;

 protected:
  std::size_t ParentCount() const override { return 4; }
};

// The descriptions; each %s takes a parent point's name (P, then A, B, C).
inline constexpr const char* kTextFootOnLineDescription = "点%s在直线%s%s的投影";
inline constexpr const char* kTextFootOnPlaneDescription = "点%s在面%s%s%s的投影";
