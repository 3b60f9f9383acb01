// The texts of the action-button commands.
#pragma once

inline constexpr char kCmdNameShowHideButton[] = "添加显隐按钮";
inline constexpr char kCmdNameAnimationButton[] = "添加动画按钮";
inline constexpr char kCmdNameMoveButton[] = "添加移动按钮";
inline constexpr char kCmdNameSeriesButton[] = "添加系列按钮";
inline constexpr char kCmdNameLinkButton[] = "添加链接按钮";
// "添加" + the label + "命令按钮".
inline constexpr char kCmdNameCommandButton[] = "添加%1命令按钮";

inline constexpr char kLabelAnimation[] = "动画";
inline constexpr char kLabelSeries[] = "系列动作";
inline constexpr char kLabelLink[] = "链接";
inline constexpr char kMoveArrow[] = "→";
inline constexpr char kNameSeparator[] = "： ";
inline constexpr char kTextCannotMove[] = "选择点不能移动到目标位置！";
