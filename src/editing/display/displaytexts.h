// The item texts of the display commands, exactly as shown.
#pragma once

inline constexpr const char* kTextHideLabels = "隐藏标签";
inline constexpr const char* kTextShowLabels = "显示标签";
inline constexpr const char* kTextStopTrace = "取消追踪";
inline constexpr const char* kTextStartTrace = "追踪对象";
inline constexpr const char* kFormatOpacity = "不透明度：%d%%";
