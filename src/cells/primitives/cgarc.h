// The circle-type object: a circle, an arc, a disc, a sector or a circular
// segment, held as a centre c, two frame vectors u and v and an angular
// range; the point at angle a is P(a) = c + cos a u + sin a v.  A CGArc of
// its own has no parents and never moves; the circles defined by other
// cells derive from it and only recompute centre, frame and range.  It
// draws by tessellating P in every pass, and answers the queries that
// points bound to circles ask.
#pragma once
#include <QString>

#include "model/cgcell.h"

// The kind, kept in m_nSubKind.  Circles and arcs are curves; the rest are
// surfaces.
enum ArcKind : BYTE {
  kArcCircle = 0,
  kArcArc = 1,
  kArcDisc = 2,
  kArcSector = 3,   // bounded by the arc and two radii
  kArcSegment = 4,  // bounded by the arc and its chord
};

// How it is drawn, kept in m_nStyle.
enum ArcStyle : BYTE {
  kArcFlat = 0,           // outline solid where visible, dashed where hidden
  kArcLit = 1,            // curves as a lit tube; surfaces lit two-sided or pictured
  kArcTranslucent = 2,    // tube or surface in the translucent pass
  kArcOnTop = 3,          // outline over everything
  kArcDashedOnTop = 4,    // dashed outline over everything
  kArcVisibleOnly = 5,    // outline where visible, nothing where hidden
};

// The tessellations DrawShape draws; modes 2 to 4 equal the surface kinds.
enum ArcShapeMode : int {
  kShapeFullOutline = 0,
  kShapeArcOutline = 1,
  kShapeDisc = 2,
  kShapeSector = 3,
  kShapeSegment = 4,
  kShapeTube = 5,
};

// 2 pi rounded to float: the default end angle and what NormalizeAngles
// adds to an end below the start.  It is above 2 pi in double.
inline constexpr float kArcFullTurn = 6.2831855f;

class CGArc : public CGCell {
  DECLARE_SERIAL(CGArc)

 public:
  // Dynamic creation and the base of the circles defined by points.
  CGArc();
  // A positioned circle without parents, named with the page's next "c%d"
  // name, its angles normalised.  The caller enters it in the page's map.
  CGArc(WORD id, float cx, float cy, float cz, float ux, float uy, float uz, float vx, float vy,
        float vz, float start, float end, BYTE kind);

  // The cell record, then the circle record.  Loading fails (BadData) on a
  // value that is not finite; angles outside the range NormalizeAngles keeps
  // are brought back into it.  Storing a circle with picture 1 to 3 counts
  // one use of that picture in the archive's context.
  void Serialize(CArchive& ar) override;

  // Moves the label around and beside the circle after the view ray.
  void DragLabel() override;
  // Only refreshes the label anchor; the defined flag is left alone.
  void Recalculate() override;

  void DrawFill() override;
  void DrawVisibleEdges() override;
  void DrawHiddenEdges() override;
  void Draw() override;
  void DrawLit() override;
  void DrawTranslucent() override;
  void DrawFlat() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // Brings the range into [0, 2 pi) and the end to or above the start,
  // keeping a span of one turn full (NormalizeArcRange).  The constructor,
  // the loader and the angle dialog all use it.
  void NormalizeAngles();
  // P of the angle at parameter t (clamped to [0, 1]): along the range for
  // arcs, sectors and segments, once round from u for circles and discs.
  void PointAtParameter(double out[3], double t) const;
  // The point of the circle or arc nearest to where the view ray meets its
  // plane, its angle (mode 1: its path parameter) and its distance from the
  // ray.  FALSE, with distance 1e200, when the ray runs along the plane.
  BOOL NearestToRay(float out[3], double* angle, double* distance, int mode) const;
  // The path parameter in [0, 1] of p's direction about the centre.
  float ParameterOfPoint(const float p[3]) const;
  // The same query under the name the constructed points call it by.
  float GetAngleOfPoint(const float p[3]) const { return ParameterOfPoint(p); }

  // The tessellation of one mode, in the current colour.  Outlines set
  // the cell's line width and put the default back.
  void DrawShape(int mode) const;

  // The picture number (1 to 15 one of the view's textures, else none),
  // kept in m_dwParam3.
  int Picture() const { return static_cast<int>(m_dwParam3); }

  float Center[3] = {0, 0, 0};
  float AxisU[3] = {1, 1, 1};  // to the point at angle 0; its length is the radius
  float AxisV[3] = {1, 1, 1};  // to the point at angle pi/2
  float StartAngle = 0;
  float EndAngle = kArcFullTurn;
  BYTE AutoRange = 1;  // circles defined by points recompute the range
  float LabelAngle = 1.0f;
  float LabelOffset[3];  // 10 pixels on each axis for a new circle
  float Radius = 8.0f;   // |AxisU|, not stored

 protected:
  // Every value the record keeps is finite and so is the radius: what
  // loading demands of a circle.
  bool HasFiniteRecord() const;
  // Held over a recalculation of the frame: when that leaves a value that
  // is not finite (points near the float limit), the circle becomes
  // undefined with the values it had before, so what is stored always loads.
  class FiniteFrameGuard {
   public:
    explicit FiniteFrameGuard(CGArc& arc);
    ~FiniteFrameGuard();
    FiniteFrameGuard(const FiniteFrameGuard&) = delete;
    FiniteFrameGuard& operator=(const FiniteFrameGuard&) = delete;

   private:
    CGArc& m_arc;
    float m_frame[3][3];
    float m_angles[3];
    float m_labelOffset[3];
    float m_anchor[3];
    float m_radius;
  };

  // P(a) in single precision.
  void PointAt(float a, float out[3]) const;
  // The label anchor = P(LabelAngle) + LabelOffset.
  void PlaceLabel();
  // |AxisU| in single precision.
  float AxisULength() const;

 private:
  // Kinds beyond the five (a damaged file) are neither drawn nor picked.
  bool IsShown() const { return !m_bHidden && m_bDefined && m_nSubKind <= kArcSegment; }
  bool IsCurve() const { return m_nSubKind <= kArcArc; }
  int OutlineMode() const;
  void DrawOutline() const;
  void SetOutlineColour() const;
  // Draws the fill with its picture when it has one the view has made.
  bool DrawPictured() const;
};
