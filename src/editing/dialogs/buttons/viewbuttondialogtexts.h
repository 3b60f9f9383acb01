// The texts of the view-button dialogs, exactly as the program shows them.
#pragma once

inline constexpr const char* kCaptionViewRotate = "视旋转按钮";
inline constexpr const char* kCaptionViewTrans = "视平移按钮";
inline constexpr const char* kCaptionViewScale = "视缩放按钮";
inline constexpr const char* kTextButtonLabel = "按钮标签：";
inline constexpr const char* kDefaultViewRotate = "视旋转";
inline constexpr const char* kDefaultViewTrans = "视平移";
inline constexpr const char* kDefaultViewScale = "视缩放";
inline constexpr const char* kTextOneWay = "单向";
inline constexpr const char* kTextTwoWay = "双向";
inline constexpr const char* kTextOnce = "一次";
inline constexpr const char* kTextLoop = "循环";
inline constexpr const char* kTextDuration = "时长（约）：";
inline constexpr const char* kTextPauseBefore = "间隔";
inline constexpr const char* kTextPauseAfter = "秒";
inline constexpr const char* kTextStartState = "起始状态\n按F8设置";
inline constexpr const char* kTextAngle = "旋转角（度）：";
inline constexpr const char* kTextAxis = "旋转轴：";
inline constexpr const char* kTextStartCentre = "起始中心：";
inline constexpr const char* kTextTargetCentre = "目标中心：";
inline constexpr const char* kTextStartScale = "起始比例：";
inline constexpr const char* kTextTargetScale = "目标比例：";
