// The solids of revolution: sphere, cylinder, cone and frustum of a cone.
// Each keeps its geometry in float fields and has no parents, so it never
// moves by recomputation; the solids defined by points (solidsbypoints.h)
// derive from them and only recompute the same fields.  Drawing places a
// unit solid by translating to its centre, turning +z onto its axis and
// scaling; in style 0 it shows true silhouettes for the current view
// direction, so that it looks like a textbook figure from any side.
#pragma once
#include <QString>
#include <cstddef>

#include "cells/revolution/revolutiongeometry.h"
#include "model/cgcell.h"

// How a round solid is shown, kept in m_nStyle.
enum RoundSolidStyle : BYTE {
  kSolidOutline = 0,      // silhouettes, dashed where hidden; hides what lies behind it
  kSolidWireGrid = 1,     // wire grid where visible; hides what lies behind it
  kSolidLit = 2,          // lit surface, plain or pictured
  kSolidTranslucent = 3,  // translucent surface, plain or pictured
};

// What the drawing passes ask a solid to draw, in the frame already moved
// to its centre.
enum class SolidShape {
  kSilhouette,    // the outline lines for the current view direction
  kWireGrid,
  kDepthBody,     // the closed solid, a little smaller, into the depth buffer
  kSide,          // the surface the lit and translucent passes show
  kTexturedSide,  // the same with texture coordinates
  kPickSide,      // the surface a click on a solid not in style 0 hits
};

// What the four share: the passes by style, the picture, the record's
// checks.  Not a storable class of its own.
class CGRoundSolid : public CGCell {
 public:
  // The cell record, then the class's floats.  Storing with picture 1 to 3
  // counts one use of it in the archive's context; loading fails (BadData)
  // on a float that is not a number, or on a defined-by-points solid whose
  // record names the wrong number of parents.
  void Serialize(CArchive& ar) override;

  void DrawDepthOnly() override;
  void DrawVisibleEdges() override;
  void DrawHiddenEdges() override;
  void DrawLit() override;
  void DrawTranslucent() override;
  void DrawFlat() override;
  void DrawForPick(int mode) override;

  // The picture number (1 to 15 one of the view's textures, else none),
  // kept in m_dwParam3.
  int Picture() const { return static_cast<int>(m_dwParam3); }

 protected:
  // The colour of the curves and solids; `inside` the grey of the inner side.
  explicit CGRoundSolid(bool inside);

  // The stored floats in record order; returns how many.
  virtual int RecordFields(float* fields[9]) = 0;
  // The parents the record must name: 0 for the solids placed by values,
  // whose stored parents nothing reads.
  virtual std::size_t RecordParents() const { return 0; }
  virtual const float* Origin() const = 0;
  // Whether there is anything to draw and pick.
  virtual bool HasExtent() const { return true; }
  virtual void DrawInFrame(SolidShape shape) const = 0;
  // Whether a lit side shows the inside colour on its inner face.
  virtual bool HasInside() const { return true; }

 private:
  bool IsShown() const { return !m_bHidden && m_bDefined && HasExtent(); }
  void DrawShape(SolidShape shape) const;
  void DrawWireGrid(bool selected) const;
  void DrawSurface(bool lit) const;
};

class CGSphere : public CGRoundSolid {
  DECLARE_SERIAL(CGSphere)

 public:
  CGSphere();
  CGSphere(WORD id, float x, float y, float z, float radius, float px, float py, float pz);
  QString GetDescription() override;

  float Center[3] = {0, 0, 0};
  float Radius = 5;
  // Centre to north pole; it orients the poles of the wire grid and the picture.
  float PoleVector[3] = {0, 0, 1};

 protected:
  int RecordFields(float* fields[9]) override;
  const float* Origin() const override { return Center; }
  // A sphere of radius 0 (its pole on its centre) shows nothing.
  bool HasExtent() const override { return Radius != 0; }
  void DrawInFrame(SolidShape shape) const override;
  bool HasInside() const override { return false; }
};

// The cylinder, cone and frustum: a base disc and an axis.
class CGAxialSolid : public CGRoundSolid {
 public:
  float BaseCenter[3] = {0, 0, 0};
  float Radius = 5;
  float Height = 10;
  // From the base toward the top or apex; only its direction is used.
  float Axis[3] = {0, 0, 1};

 protected:
  CGAxialSolid() : CGRoundSolid(true) {}
  // What the full constructors set.
  void SetValues(WORD id, float x, float y, float z, float radius, float height, float ax, float ay,
                 float az);
  int RecordFields(float* fields[9]) override;
  const float* Origin() const override { return BaseCenter; }
  void DrawInFrame(SolidShape shape) const override;
  // The unit-frame shapes of the class, the placement already made.
  virtual void DrawUnitShape(SolidShape shape) const = 0;
  // The silhouette's tangent points for view direction v, and the top's
  // radius the generators rise to.
  virtual float SilhouetteTop(const float v[3], Silhouette& out) const = 0;
  // The depth body's scale across and along the axis, below 1 so that it
  // hides what lies behind the solid but not the solid's own lines.
  struct Shrink {
    float across, along;
  };
  virtual Shrink DepthShrink() const { return {0.99f, 1.0f}; }

  // Base centre from parent 0, radius from parent 1, axis and height from
  // parent 2, each written as soon as its point is known; false (the cell
  // undefined) at the first parent that is no defined point.
  bool AxisFromPoints();

 private:
  void PlaceAlongAxis(float radiusScale, float heightScale) const;
};

class CGCylinder : public CGAxialSolid {
  DECLARE_SERIAL(CGCylinder)

 public:
  CGCylinder();
  CGCylinder(WORD id, float x, float y, float z, float radius, float height, float ax, float ay, float az);
  QString GetDescription() override;

 protected:
  void DrawUnitShape(SolidShape shape) const override;
  float SilhouetteTop(const float v[3], Silhouette& out) const override;
};

class CGCone : public CGAxialSolid {
  DECLARE_SERIAL(CGCone)

 public:
  CGCone();
  CGCone(WORD id, float x, float y, float z, float radius, float height, float ax, float ay, float az);
  QString GetDescription() override;

 protected:
  void DrawUnitShape(SolidShape shape) const override;
  float SilhouetteTop(const float v[3], Silhouette& out) const override;
};

// Its side is tessellated on every draw, its top radius being its own.
class CGFrustum : public CGAxialSolid {
  DECLARE_SERIAL(CGFrustum)

 public:
  CGFrustum();
  CGFrustum(WORD id, float x, float y, float z, float radius, float height, float ax, float ay, float az,
            float topRatio);
  QString GetDescription() override;

  // The upper base's radius over Radius.
  float TopRatio = 0.5f;

 protected:
  // As the cylinder's and cone's, with TopRatio last.
  int RecordFields(float* fields[9]) override;
  void DrawUnitShape(SolidShape shape) const override;
  float SilhouetteTop(const float v[3], Silhouette& out) const override;
  Shrink DepthShrink() const override { return {0.999f, 0.999f}; }
};
