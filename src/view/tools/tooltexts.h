// User-visible texts of the mouse tools, exactly as the program shows them.
#pragma once

// The status bar's text when nothing is under way.
inline constexpr const char* kTextReady = "就绪";
inline constexpr const char* kTextDeselect = "取消选择";
// Corners after the third lie in the plane of the first three: no existing point or path point can be one.
inline constexpr const char* kTextPolygonNoPoint = "多边形的各顶点要共面，不再选已有点.\n添加结束，请右击鼠标！";
inline constexpr const char* kTextPolygonNoPathPoint = "多边形的各顶点要共面，不再选已有线或圆上的点";
inline constexpr const char* kTextEndDrawing = "欲结束当前绘图，请右击鼠标！";

// Undo labels of what the tools build.
inline constexpr const char* kUndoFreePoint = "添加全自由点";
inline constexpr const char* kUndoFollower2d = "添加二维随动点";
inline constexpr const char* kUndoPointOnLine = "添加线上自由点";
inline constexpr const char* kUndoPointOnArc = "添加圆弧上自由点";
inline constexpr const char* kUndoPointAndLine = "添加点与线";
inline constexpr const char* kUndoCircleCenterP = "添加已知圆心和圆上两点的圆";
inline constexpr const char* kUndoHorizontalCircle = "添加平置圆";
inline constexpr const char* kUndoTriangle = "添加三边形";
inline constexpr const char* kUndoQuadrilateral = "添加四边形";
inline constexpr const char* kUndoPolygon = "添加多边形面";
// "添加" + the word of the line type (segment, ray, line, vector).
inline constexpr const char* kUndoLinePrefix = "添加";
inline constexpr const char* kLineTypeWords[4] = {"线段", "射线", "直线", "向量"};
inline constexpr const char* kUndoAddInk = "添加墨迹";
