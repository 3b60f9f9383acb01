// User-visible texts of the model layer, exactly as the program shows them.
#pragma once

inline constexpr const char* kTextFixedPoint = "固定点";
inline constexpr const char* kTextOutOfMemory = "内存不足,请立即保存数据关闭程序!";
// Shown when a page has handed out all of its 16-bit cell ids.
inline constexpr const char* kTextTooManyCells = "本页对象数已达上限，不能再添加新对象！";
// How the object list describes a button of no particular kind.
inline constexpr const char* kTextButtonDescription = "动作按钮";
// The series button: its default caption and its descriptions by mode.
inline constexpr const char* kTextSeriesCaption = "并行";
inline constexpr const char* kTextSerialSeriesDescription = "%d个按钮的串行动作按钮";
inline constexpr const char* kTextParallelSeriesDescription = "%d个按钮的并行动作按钮";
