// The ready-made plane shapes.  With no point selected each is a horizontal
// preset about the origin with fixed vertex names, a face and its edges:
// the first vertex is free, the second follows it in its horizontal plane
// and the rest are constructed from these two, so that dragging the first
// moves the shape and dragging the second turns and scales it while it
// keeps its kind.  On the two selected points (three for the
// parallelogram) the missing vertices are constructed with automatic names
// and joined by edges; no face.  The commands' rows register themselves.
#pragma once
#include <vector>

#include "platform/types.h"

class CShapeBuilder;

using PresetBuilder = void (*)(CShapeBuilder& b);
using OnPointsBuilder = void (*)(CShapeBuilder& b, const std::vector<WORD>& p);

void PresetEquilateral(CShapeBuilder& b);
void PresetSquare(CShapeBuilder& b);
void PresetRectangle(CShapeBuilder& b);
void PresetPentagon(CShapeBuilder& b);
void PresetHexagon(CShapeBuilder& b);
void PresetIsosceles(CShapeBuilder& b);
void PresetParallelogram(CShapeBuilder& b);
void PresetRightTriangle(CShapeBuilder& b);

// p: the selected points in selection order.
void EquilateralOnPoints(CShapeBuilder& b, const std::vector<WORD>& p);
void SquareOnPoints(CShapeBuilder& b, const std::vector<WORD>& p);
void RectangleOnPoints(CShapeBuilder& b, const std::vector<WORD>& p);
void PentagonOnPoints(CShapeBuilder& b, const std::vector<WORD>& p);
void HexagonOnPoints(CShapeBuilder& b, const std::vector<WORD>& p);
void IsoscelesOnPoints(CShapeBuilder& b, const std::vector<WORD>& p);
void ParallelogramOnPoints(CShapeBuilder& b, const std::vector<WORD>& p);
void RightTriangleOnPoints(CShapeBuilder& b, const std::vector<WORD>& p);
