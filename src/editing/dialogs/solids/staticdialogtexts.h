// The texts of the positioning-diagram dialog, exactly as it shows them.
#pragma once

inline constexpr const char* kTextStaticCaption = "添加定位图";
inline constexpr const char* kTextStaticCentreGroup = "中心";
inline constexpr const char* kTextStaticAxisGroup = "轴向";
inline constexpr const char* kTextStaticSizeGroup = "尺度";
inline constexpr const char* kTextStaticKindLabel = "图的类型:";
inline constexpr const char* kTextStaticLength = "长:";
inline constexpr const char* kTextStaticWidth = "宽:";
inline constexpr const char* kTextStaticHeight = "高:";
inline constexpr const char* kTextStaticEdges = "底边数:";
inline constexpr const char* kTextStaticRadius = "半径:";
inline constexpr const char* kTextStaticRatio = "相似比:";
inline constexpr const char* kTextStaticXyz[3] = {"X:", "Y:", "Z:"};
// The list of kinds, index = kind.
inline constexpr const char* kTextStaticKinds[15] = {
    "长方体",
    "正棱柱",
    "正棱锥",
    "正棱台",
    "正多边形",
    "正四面体",
    "正六面体",
    "正八面体",
    "正十二面体",
    "正二十面体",
    "圆",
    "圆柱",
    "圆锥",
    "圆台",
    "球",
};
// Shown in the kind's field once the user types into it: the field then
// names no kind, and the shape made is this cube.
inline constexpr const char* kTextStaticTypedKind = "正方体(棱长10)";
