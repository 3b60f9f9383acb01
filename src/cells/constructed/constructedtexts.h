// User-visible texts of the constructed points and the horizontal circles,
// exactly as the program shows them; each %s takes a parent's name, in the
// parents' order.
#pragma once

inline constexpr const char* kTextIntersectionLL = "线%s与线%s的交点";
inline constexpr const char* kTextIntersectionLF = "线%s与平面%s的交点";
inline constexpr const char* kTextIntersectionLS = "线%s与圆%s的交点";
inline constexpr const char* kTextIntersectionSS = "圆%s与圆%s的交点";

// The circles about a centre in a horizontal plane, one format per kind
// (circle, arc, disc, sector, segment): the centre's name, the second
// parent's name, then the reversed suffix or nothing.
inline constexpr const char* kTextArcPoint2Descriptions[5] = {
    "以点%s为圆心，过点%s的平置圆%s",
    "以点%s为圆心，过点%s的平置弧%s",
    "以点%s为圆心，过点%s的平置圆面%s",
    "以点%s为圆心，过点%s的平置扇形%s",
    "以点%s为圆心，过点%s的平置弓形%s",
};
inline constexpr const char* kTextArcCenterRDescriptions[5] = {
    "以点%s为圆心，%s为半径的圆%s",
    "以点%s为圆心，%s为半径的平置弧%s",
    "以点%s为圆心，%s为半径的平置圆面%s",
    "以点%s为圆心，%s为半径的平置扇形%s",
    "以点%s为圆心，%s为半径的平置弓形%s",
};

// The leader's name.
inline constexpr const char* kTextFollower2d = "随点%s移动且等z值的自由点";
