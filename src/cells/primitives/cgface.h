// A planar convex polygon through three or more point cells.  Like a line
// it owns no coordinates: its parents are its corners in drawing order, and
// it draws them from the shared vertex array by their slots.  Its label sits
// inside the face in barycentric form, so it follows the corners.
#pragma once
#include <QString>
#include <vector>

#include "model/cgcell.h"

// How a face is drawn, kept in m_nStyle.
enum FaceStyle : BYTE {
  kFaceHiding = 0,       // depth only: hides what lies behind it
  kFaceFilled = 1,       // filled in its colour
  kFaceStippled = 2,     // screen-door stipple of its pattern number
  kFaceLit = 3,          // lit, front and back colour, or pictured
  kFaceTranslucent = 4,  // translucent, or pictured
};

class CGFace : public CGCell {
  DECLARE_SERIAL(CGFace)

 public:
  // The corner count is a byte: a polygon keeps at most this many corners.
  static constexpr int kMaxCorners = 255;

  // Dynamic creation: no corners until the record is read.
  CGFace();
  // Triangle, quadrilateral, polygon on corners already in the current
  // page's map: named from all corner names, registered as each corner's
  // child, coloured by the RGB word, then recalculated.  Corners beyond
  // kMaxCorners are left out.  The caller enters it in the page's map.
  CGFace(WORD id, WORD a, WORD b, WORD c, COLORREF colour);
  CGFace(WORD id, WORD a, WORD b, WORD c, WORD d, COLORREF colour);
  CGFace(WORD id, const std::vector<WORD>& corners, COLORREF colour);

  // The cell record, then CornerCount, LabelCorner and the two weights.  A
  // loaded face whose corner count is below 3 or differs from its number of
  // parents fails the load (BadData).  Storing a face with picture 1 to 3
  // counts one use of that picture in the archive's context.
  void Serialize(CArchive& ar) override;

  void BindVertexIndices() override;
  // Moves the label to where the view ray meets the face, when that is
  // inside it; elsewhere the label stays.
  void DragLabel() override;
  // Undefined while a corner is; else the label follows the corners and the
  // texture coordinates are due for rebuilding.
  void Recalculate() override;
  // Names the face after its first five corners at most.
  void UpdateLabel() override;

  void DrawFill() override;
  void DrawDepthOnly() override;
  void Draw() override;
  void DrawLit() override;
  void DrawTranslucent() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // Whether p lies on the inner side of every edge (an edge itself counts
  // as inside), about the normal of the first three corners, so either
  // corner order gives the same answer.  Tested in 3D; the distance from
  // the plane is not looked at.
  bool ContainsPoint(const float p[3]) const;
  // The point of the boundary nearest to p (the first edge wins ties);
  // zero-length edges are skipped, and V0 is the answer when no edge is left.
  void NearestBoundaryPoint(const float p[3], float* x, float* y, float* z) const;
  // The first three corners have the same z within 0.0001.
  bool IsHorizontal() const;

  // The picture number (1 to 15 for one of the view's textures, else none),
  // kept in m_dwParam3.
  int Picture() const { return static_cast<int>(m_dwParam3); }
  // The stipple pattern number of style 2, kept in a label-extra word.
  int StipplePattern() const { return m_nLabelExtra[2]; }
  // Corner i's position, or null when it is missing or not a point.
  const float* CornerPos(int i) const;
  // The texture coordinates of a pictured face: the corners unfolded into
  // the face's plane (V0 at the origin, V1 on the u axis, the others on the
  // same side of V0V1) and scaled into [0, 1] on each axis.  Degenerate
  // corners give finite coordinates.
  void RebuildTexCoords();

  BYTE CornerCount = 0;
  std::vector<std::int32_t> VertexIndices;  // the corners' vertex-array slots (not stored)
  std::vector<float> TexCoords;             // u, v per corner; empty until first needed
  BYTE TexCoordsDirty = 1;
  std::int32_t LabelCorner = 1;             // k: the label lies in triangle V0, Vk, Vk+1
  float LabelWeight0 = 0.8f;
  float LabelWeightK = 0.1f;

 private:
  void AttachCorners(const std::vector<WORD>& corners, COLORREF colour);

  // Drawing pieces (cgfacedraw.cpp).
  bool IsShown() const { return !m_bHidden && m_bDefined && CornerCount >= 3; }
  void DrawPolygon() const;
  void SetNormal() const;
  // Draws the picture when it has one and the view has made its texture.
  bool DrawPictured();
};

// The area-weighted centroid of a face of the current page: (0, 0, 0) when
// the id names no defined face of at least three corners, or when the face
// has no area.  Fan triangles without area carry no weight.
void FaceCentroid(WORD faceId, float* x, float* y, float* z);
