// Where the plane of a face cuts a convex hull: a filled polygon with its
// outline, recomputed whenever the face's points move.
#pragma once
#include <QString>
#include <vector>

#include "math/widevector.h"
#include "model/cgcell.h"

class CGSection : public CGCell {
  DECLARE_SERIAL(CGSection)

 public:
  // Dynamic creation: no parents until the record is read.
  CGSection();
  // The section of hull `hullId` by the plane of face `faceId`, both
  // already in the current page's map: registered as their child, outline
  // in the line colour, filled in (196, 255, 225), then recalculated.
  CGSection(WORD id, WORD hullId, WORD faceId);

  // Only the common record: the polygon is recomputed after loading.
  void Serialize(CArchive& ar) override;
  // Undefined while the hull or the face is; otherwise the polygon of
  // SectionOfPolyhedron, empty when the plane misses the hull's inside.
  void Recalculate() override;

  void DrawFill() override;
  void DrawVisibleEdges() override;
  void DrawHiddenEdges() override;
  // Picked in three-view mode too.
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  std::vector<kvmath::WideVec> Polygon;

 private:
  bool IsShown() const { return !m_bHidden && m_bDefined && !Polygon.empty(); }
  void DrawOutline() const;
};
