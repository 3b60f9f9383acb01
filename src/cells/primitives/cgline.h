// The straight object through two points: a segment, a ray, a full line or
// a vector (the sub-kind byte).  It holds no coordinates: its parents are
// point A and point B, and it draws its ends straight from the shared vertex
// array by their slots.  Its label hangs at a movable place along the line.
#pragma once
#include "model/cgcell.h"

class CGVertex;

// The kind, kept in m_nSubKind.
enum LineKind : BYTE { kLineSegment = 0, kLineRay = 1, kLineFull = 2, kLineVector = 3 };

// How a line is drawn, kept in m_nStyle.
enum LineStyle : BYTE {
  kLineAutoDashed = 0,   // solid where visible, dashed where hidden
  kLineVisibleOnly = 1,  // solid where visible, nothing where hidden
  kLineSolidOnTop = 2,   // solid, on top of everything
  kLineDashedOnTop = 3,  // dashed (its own dash pattern), on top of everything
  kLineRod = 4,          // a lit solid cylinder
};

class CGLine : public CGCell {
  DECLARE_SERIAL(CGLine)

 public:
  // Dynamic creation: the record fills the rest.
  CGLine();
  // The line on points a and b (both already in the current page's map):
  // named from their names, registered as their child, label halfway along
  // and 10 pixels off on each axis, then recalculated.  The caller enters it
  // in the page's map.
  CGLine(WORD id, WORD pointA, WORD pointB, BYTE kind);

  // The cell record, then LabelParam and LabelOffset.  A loaded line must
  // have exactly two parents, else the load fails (BadData).
  void Serialize(CArchive& ar) override;

  void BindVertexIndices() override;
  // Moves the label along and beside the line after the view ray; a segment
  // or vector keeps it between its ends, a ray beyond A.
  void DragLabel() override;
  // Undefined while A or B is; else the label follows the points.
  void Recalculate() override;
  void UpdateLabel() override;

  void DrawVisibleEdges() override;
  void DrawHiddenEdges() override;
  void Draw() override;
  void DrawLit() override;
  void DrawFlat() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // |B - A| from the points' own coordinates.
  float GetLength() const;
  // A + t (B - A), unclamped.  Leaves out alone when a point is missing.
  void PointAt(double t, double out[3]) const;
  // The point of the line nearest to the view ray (g_dRayNear, g_dRayFar),
  // its parameter t and its distance from the ray.  The kind clamps t, or
  // clampAlways = 1 clamps it to [0, 1].  FALSE (outputs untouched) when
  // the ray runs parallel to the line.
  BOOL NearestToRay(float out[3], double* t, double* distance, int clampAlways) const;
  // Parameter of the foot of the perpendicular from p, clamped by the kind;
  // 0 when the line is undefined or its points (nearly) coincide.
  float FootParameter(const float p[3]) const;

  // The ends' vertex-array slots (not stored).
  int VertexIndices[2] = {0, 0};
  // The label's base point is A + LabelParam (B - A); the anchor sits
  // LabelOffset from it.
  float LabelParam = 0.5f;
  float LabelOffset[3] = {0, 0, 0};

  // The dash-pattern number of style 3, kept in a label-extra word.
  int DashPattern() const { return m_nLabelExtra[2]; }
  // A and B, or false when either is missing or not a point.
  bool Ends(const CGVertex** a, const CGVertex** b) const;

 private:
  bool IsSegmentLike() const { return m_nSubKind == kLineSegment || m_nSubKind == kLineVector; }

  // Drawing pieces (cglinedraw.cpp).
  bool IsShown() const { return !m_bHidden && m_bDefined; }
  void DrawLineGeometry() const;
  void DrawArrowhead() const;
  void DrawRod() const;
};
