// Names of the undo steps of the construction commands, exactly as the
// program shows them.
#pragma once

// Lines through the selected points, by line type: several, one.
inline constexpr const char* kCmdNameLines[4][2] = {
    {"添加多条线", "添加线"},
    {"添加多条射线", "添加射线"},
    {"添加多条直线", "添加直线"},
    {"添加多条有向线段", "添加有向线段"},
};
inline constexpr const char* kCmdNameFace = "添加消隐面";
inline constexpr const char* kCmdNameAttachedValue = "添加附点的值";
inline constexpr const char* kCmdNameCircle3P = "添加过三点的圆";
inline constexpr const char* kCmdNameCircleCP = "添加心点圆";
inline constexpr const char* kCmdNameCirclePointN = "添加已知圆心和法向点的圆";
inline constexpr const char* kCmdNameInsertVodText = "插入VOD彩色文本";
inline constexpr const char* kCmdNameInsertRichText = "插入文本";
inline constexpr const char* kCmdNameCalculation = "添加一个表达式";
// Midpoints: several, one; trisection; N-division: several, one.
inline constexpr const char* kCmdNameMidpoints[2] = {"添加多个中点", "添加一个中点"};
inline constexpr const char* kCmdNameTrisection = "添加三等分点";
inline constexpr const char* kCmdNameDivisions[2] = {"添加N等分点", "添加一个N等分点"};
// Intersections of two lines, a line and a face, a line and a circle, a
// circle and a face, two circles.
inline constexpr const char* kCmdNameIntersectLL = "添加两线交点";
inline constexpr const char* kCmdNameIntersectLF = "添加线与面交点";
inline constexpr const char* kCmdNameIntersectLS = "添加线与圆的交点";
inline constexpr const char* kCmdNameIntersectCF = "添加圆与面交点";
inline constexpr const char* kCmdNameIntersectSS = "添加两圆交点";
