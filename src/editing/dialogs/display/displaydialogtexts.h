// The texts of the point-label, opacity and weight dialogs, exactly as shown.
#pragma once

inline constexpr const char* kCaptionLabelPoints = "点的标签";
inline constexpr const char* kTextStartLabel = "起始标签：";
inline constexpr const char* kTextShowAllLabels = "显示所有被选中点的标签";
inline constexpr const char* kTextLabelExample = "示例：A1、B1、C1…";
inline constexpr const char* kCaptionAlpha = "alpha-透明度设置";
inline constexpr const char* kCaptionWeight = "线宽、点大小、值精度";
inline constexpr const char* kTextWeightPrompt = "为选中的图元设置线宽、点大小或度量值显示的精度：";
inline constexpr const char* kTextWeightRanges = "点大小：     0.5-12            线（圆）宽度：    0.5-20";
inline constexpr const char* kTextWeightSteps = "度量值精度：  精确到 1，0.1，0.01（默认），0.001，0.0001，0.00001";
