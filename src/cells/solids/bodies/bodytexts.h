// The user-visible texts of the ready-made bodies.
#pragma once

// The kinds' names, by kind (the sub-kind byte): a new body takes its kind's name.
inline constexpr const char* kTextBodyKindNames[15] = {
    "3D文字",  // 0
    "正四面体",  // 1
    "正六面体",  // 2
    "正八面体",  // 3
    "正十二面体",  // 4
    "正二十面体",  // 5
    "C60",  // 6
    "圆柱",  // 7
    "圆锥",  // 8
    "圆台",  // 9
    "球",  // 10
    "圆环",  // 11
    "正方形",  // 12
    "圆",  // 13
    "茶壶",  // 14
};
inline constexpr const char* kTextBodyDescription = "组件";
inline constexpr const char* kTextBodyDefaultFont = "宋体";
inline constexpr const char* kTextBodyTextFont = "楷体";
