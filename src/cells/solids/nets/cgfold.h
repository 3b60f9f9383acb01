// The net of a convex hull: its faces laid flat as a tree joined at shared
// edges (hinges), folded up onto the solid or spread out as the cell's value
// t changes.  The net is rebuilt from the hull on creation, recalculation
// and load; only the unfold mode is stored.
#pragma once
#include <QString>
#include <array>
#include <vector>

#include "math/widevector.h"
#include "model/cgcell.h"

class CGPolyhedron;

// One face of the net, in its own plane (third coordinates 0).
struct FoldFace {
  std::vector<kvmath::WideVec> Corners;    // in the hull face's vertex order
  std::vector<kvmath::WideVec> TexCoords;  // per corner, in the corners' box
  int TextureNumber = 0;
  std::vector<int> Neighbours;     // across edge k (corner k to k + 1); -1 none
  std::vector<double> FoldAngles;  // per edge, radians
  std::vector<int> Children;
  double Normal[3] = {0, 0, 0};
  double Depth = 0;
  int Parent = -1;
  int ParentEdge = 0;
  int EdgeInParent = 0;
  double HingePoint[3] = {0, 0, 0};
  double HingeDirection = 0;  // degrees
  double Offset[3] = {0, 0, 0};
  double FoldAngle = 0;  // degrees
  double OwnDirection = 0;  // degrees
  int Level = 0;
  BYTE InTree = 0;
};

// A rigid motion as a 3 x 4 matrix (rotation columns, then translation).
using FoldMatrix = std::array<double, 12>;

class CGFold : public CGCell {
  DECLARE_SERIAL(CGFold)

 public:
  enum : int { kAllAtOnce = 0, kLevelByLevel = 1 };

  CGFold();
  // The net of hull `hullId` (in the current page's map).  The hull is
  // shown in plain lines; t = 1 (spread out in the base face's plane).
  CGFold(WORD id, WORD hullId, const QString& name, int style, int unfoldMode);

  // The cell record, then int32 unfold mode.
  void Serialize(CArchive& ar) override;
  void Recalculate() override;

  // Lays out the net of `hull`, whose face list it sorts by depth, the base
  // face first: defined.  A hull whose face centroids or depths are not
  // finite (coordinates near the double limit) is left as it was and has
  // no net: undefined; so is a hull whose layout is not finite (edges too
  // long to square).
  void BuildNet(CGPolyhedron& hull);

  void DrawDepthOnly() override;
  void DrawLit() override;
  void DrawVisibleEdges() override;
  void DrawHiddenEdges() override;
  void Draw() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // How far a face at `level` is folded for the value t (0 flat, 1 folded).
  double FoldFraction(int level, double t) const;
  // Each net face's placement for the value t, the net offset included
  // (all zero for faces outside the tree: they are never drawn).
  void FaceMatrices(double t, std::vector<FoldMatrix>& out) const;
  // The corners of face i in world space for the value t.
  std::vector<kvmath::WideVec> PlacedCorners(int face, double t) const;

  std::vector<FoldFace> NetFaces;
  bool HasRoot = false;
  double NetOffset[3] = {0, 0, 0};
  int DeepestLevel = 0;
  int m_nUnfoldMode = kAllAtOnce;

 private:
  // Draws every face of the tree with its corners placed for the value
  // (mode 0 filled, 1 outlines, 2 corner points, 3 textured).
  void DrawNet(int mode) const;
  // The parts of each face's chain that do not change with t: hinge point
  // and hinge direction, and offset and own direction.
  void PrepareChains();

  std::vector<FoldMatrix> m_hinges, m_placements;
  bool Drawable() const { return !m_bHidden && HasRoot && m_fValue >= 0; }
};

// The point p moved by the rigid motion m.
kvmath::WideVec FoldPlaced(const FoldMatrix& m, const kvmath::WideVec& p);
// Whether every placement the drawing composes from the laid-out faces is
// a number: hinge points, offsets, layout angles and corners.
bool FiniteNetLayout(const std::vector<FoldFace>& net);
// Direction of (x, y) in degrees, 0 <= d < 360, as the net measures it.
double NetDirection(double x, double y);
// The texture number the next net face takes: 8 to 14, then 8 again.
int NextNetTexture();
