// Positioning diagrams: a selected convex hull or section copied into
// fixed points, edges and faces, or a ready-made shape chosen by kind and
// values (cells/solids/static/).  Each is one undo step.
#pragma once
#include <functional>

#include "cells/solids/static/statickinds.h"

class CKavrelDoc;

// Undo names and the refusal, exactly as the program shows them.
inline constexpr const char* kCmdNameStaticHull = "添加凸多面体定位图";
inline constexpr const char* kCmdNameStaticPolygon = "添加多边形";
inline constexpr const char* kCmdNameStaticShape = "添加静态图";
inline constexpr const char* kTextSelectHullOrSection = "请选择凸包或截面图！";

// The most vertices a hull or section is copied with.
inline constexpr int kMaxStaticCopyVertices = 256;

// With exactly one cell among the other selected cells: a hull or section
// is copied, any other cell is refused with a message.  Otherwise `ask`
// gives the shape's values (false: cancelled, nothing made); values outside
// the dialog's limits make nothing.
void CreateStaticKavrel(CKavrelDoc& doc, const std::function<bool(CStaticShapeValues&)>& ask);
