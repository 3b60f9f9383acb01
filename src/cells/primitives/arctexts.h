// User-visible texts of circles and arcs, exactly as the program shows them.
#pragma once

// A positioned circle: its centre x, y, z and its radius, four numbers.
inline constexpr const char* kTextArcDescription = "以（%.4f，%.4f，%.4f）为圆心，半径为%.4f.的定位圆(弧)";

// The circles defined by points, one format per kind (circle, arc, disc,
// sector, segment); each %s takes a parent point's name.
inline constexpr const char* kTextArcCircle3PDescriptions[5] = {
    "过三点%s、%s、%s的圆",
    "过三点%s、%s、%s的弧",
    "过三点%s、%s、%s的圆面",
    "过三点%s、%s、%s的扇形",
    "过三点%s、%s、%s的弓形",
};
inline constexpr const char* kTextArcCenterPDescriptions[5] = {
    "以点%s为圆心，过点%s、%s的圆",
    "以点%s为圆心，过点%s、%s的弧",
    "以点%s为圆心，过点%s、%s的圆面",
    "以点%s为圆心，过点%s、%s的扇形",
    "以点%s为圆心，过点%s、%s的弓形",
};
inline constexpr const char* kTextArcPointNDescriptions[5] = {
    "以点%s为圆心，过点%s且垂直于%s%s的圆%s",
    "以点%s为圆心，过点%s且垂直于%s%s的弧%s",
    "以点%s为圆心，过点%s且垂直于%s%s的圆面%s",
    "以点%s为圆心，过点%s且垂直于%s%s的扇形%s",
    "以点%s为圆心，过点%s且垂直于%s%s的弓形%s",
};
// The last %s of a circle about an axis: this word when it is reversed.
inline constexpr const char* kTextArcReversed = "反向";
