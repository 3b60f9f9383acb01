// User-visible texts of the convex hull and its section, the face overlap
// points and the table, exactly as the program shows them.
#pragma once

inline constexpr const char* kTextHullDescription = "凸包";
inline constexpr const char* kTextSectionName = "面与体截面图";
inline constexpr const char* kTextSectionDescription = "多面体与平面的截面图";
inline constexpr const char* kTextOverlayFirstDescription = "面%s和面%s重叠面的首顶点";
inline constexpr const char* kTextOverlayCornerDescription = "重叠面的顶点";
// The table's show/hide button; its first two characters swap with each press.
inline constexpr const char* kTextTableButtonCaption = "显示控位点";
