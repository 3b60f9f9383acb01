// The user-visible texts of a track.
#pragma once

inline constexpr const char* kTextTrackName = "形迹";
inline constexpr const char* kTextTrackWithRangeValues = "含参数范围的图形轨迹";
inline constexpr const char* kTextTrackDescription = "图形的轨迹";
