// The user-visible texts of the locus and track commands.
#pragma once

inline constexpr const char* kCmdNameLocus = "添加轨迹";
inline constexpr const char* kCmdNameTrack = "添加形迹";
// The track command's message caption and its refusals.
inline constexpr const char* kTextTrackCaption = "形迹";
inline constexpr const char* kTextTrackNoFit = "不合条件，无法构建。\r\n请重新选择！";
inline constexpr const char* kTextTrackNotParameter = "选择的不是可变参数，无法构建。\r\n请重新选择！";
inline constexpr const char* kTextTrackThreeValues = "应选择3个度量值\r\n请重新选择！";
inline constexpr const char* kTextTrackNotPathPoint = "选择的不是路径点，无法构建。\r\n请重新选择！";
inline constexpr const char* kTextTrackTwoValues = "应选择2个度量值\r\n请重新选择！";
inline constexpr const char* kTextTrackNothingToDraw = "后代无适合绘制的图元，无法构建。\r\n请重新选择！";
