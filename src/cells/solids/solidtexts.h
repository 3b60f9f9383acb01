// User-visible texts of the convex hull and its section, exactly as the
// program shows them.
#pragma once

inline constexpr const char* kTextHullDescription = "凸包";
inline constexpr const char* kTextSectionName = "面与体截面图";
inline constexpr const char* kTextSectionDescription = "多面体与平面的截面图";
