// The commands of the ready-made plane shapes: one row per shape says how
// many points it is built on, the cells of each variant and the room its
// points need; no point selected builds the horizontal preset.
#include <QString>

#include "commands/commandframe.h"
#include "commands/shapes/planeshapes.h"
#include "commands/shapes/shapebuilder.h"
#include "commands/shapes/shapetexts.h"
#include "model/document/commandtable.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
struct CPlaneShape {
  const char* label;
  int room;  // vertex slots made sure of before building
  int presetCells;
  PresetBuilder preset;
  int points;  // the selected points the other variant is built on
  int onPointsCells;
  OnPointsBuilder onPoints;
};

const CPlaneShape kEquilateral{kCmdNameEquilateral, 3, 7, PresetEquilateral, 2, 4, EquilateralOnPoints};
const CPlaneShape kSquare{kCmdNameSquare, 4, 9, PresetSquare, 2, 6, SquareOnPoints};
const CPlaneShape kRectangle{kCmdNameRectangle, 5, 10, PresetRectangle, 2, 6, RectangleOnPoints};
const CPlaneShape kPentagon{kCmdNamePentagon, 9, 11, PresetPentagon, 2, 12, PentagonOnPoints};
const CPlaneShape kHexagon{kCmdNameHexagon, 7, 13, PresetHexagon, 2, 11, HexagonOnPoints};
const CPlaneShape kIsosceles{kCmdNameIsosceles, 5, 9, PresetIsosceles, 2, 5, IsoscelesOnPoints};
const CPlaneShape kParallelogram{kCmdNameParallelogram, 4, 9, PresetParallelogram, 3, 5, ParallelogramOnPoints};
const CPlaneShape kRightTriangle{kCmdNameRightTriangle, 4, 9, PresetRightTriangle, 2, 4, RightTriangleOnPoints};

// Any other number of selected points (the button is disabled then) makes
// nothing.
void BuildPlaneShape(CKavrelDoc& doc, const CPlaneShape& shape) {
  const std::vector<WORD> points = SelectedPoints();
  const bool preset = points.empty();
  if (!preset && static_cast<int>(points.size()) != shape.points) return;
  CConstruction build(doc);
  if (!build.MakeRoom(preset ? shape.presetCells : shape.onPointsCells, shape.room, CConstruction::kGrowBy100))
    return;
  CShapeBuilder builder(build);
  if (preset)
    shape.preset(builder);
  else
    shape.onPoints(builder, points);
  build.Commit(QString::fromUtf8(shape.label));
}

void OnCreatePlaneEquilateral(CKavrelDoc& doc) { BuildPlaneShape(doc, kEquilateral); }
void OnCreatePlaneSquare(CKavrelDoc& doc) { BuildPlaneShape(doc, kSquare); }
void OnCreatePlaneRect(CKavrelDoc& doc) { BuildPlaneShape(doc, kRectangle); }
void OnCreatePlaneFive(CKavrelDoc& doc) { BuildPlaneShape(doc, kPentagon); }
void OnCreatePlaneSix(CKavrelDoc& doc) { BuildPlaneShape(doc, kHexagon); }
void OnCreatePlaneIsoceles(CKavrelDoc& doc) { BuildPlaneShape(doc, kIsosceles); }
void OnCreatePlaneParall(CKavrelDoc& doc) { BuildPlaneShape(doc, kParallelogram); }
void OnCreateRightTriangle(CKavrelDoc& doc) { BuildPlaneShape(doc, kRightTriangle); }

// No selected point or three.
void OnUpdateCreatePlaneParall(CKavrelDoc&, CCmdUI& ui) {
  const int points = CountSelection().P;
  ui.Enable(points == 0 || points == 3);
}

const CDocCommandRows rows({
    {ID_CREATE_PLANE_EQUILATERAL, OnCreatePlaneEquilateral, OnUpdateCreatePlaneRect},
    {ID_CREATE_PLANE_SQUARE, OnCreatePlaneSquare, OnUpdateCreatePlaneRect},
    {ID_CREATE_PLANE_RECT, OnCreatePlaneRect, OnUpdateCreatePlaneRect},
    {ID_CREATE_PLANE_FIVE, OnCreatePlaneFive, OnUpdateCreatePlaneRect},
    {ID_CREATE_PLANE_SIX, OnCreatePlaneSix, OnUpdateCreatePlaneRect},
    {ID_CREATE_PLANE_ISOCELES, OnCreatePlaneIsoceles, OnUpdateCreatePlaneRect},
    {ID_CREATE_PLANE_PARALL, OnCreatePlaneParall, OnUpdateCreatePlaneParall},
    {ID_CREATE_RIGHTTRIANGLE, OnCreateRightTriangle, OnUpdateCreatePlaneRect},
});
}  // namespace
