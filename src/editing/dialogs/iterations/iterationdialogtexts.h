// The user-visible texts of the iteration dialogs.
#pragma once

inline constexpr const char* kCaptionIterate = "构造迭代";
inline constexpr const char* kCaptionPropertyIterate = "迭代属性";
inline constexpr const char* kTextMapName = "映射#%d";
inline constexpr const char* kTextSources = "原象";
inline constexpr const char* kTextImages = "映象";
inline constexpr const char* kTextCurrentMap = "当前映射：";
inline constexpr const char* kTextColourSource = "使用原像颜色";
inline constexpr const char* kTextColourLevels = "不同深度异色";
inline constexpr const char* kTextColourOwn = "图元自身颜色";
inline constexpr const char* kTextTableAcross = "横向数据简表";
inline constexpr const char* kTextRuleArrow = "=>";
inline constexpr const char* kTextRuleUnassigned = "=> ";
inline constexpr const char* kTextValueToPoint = "值不能映射到点！";
inline constexpr const char* kCaptionMapError = "映射错误";
inline constexpr const char* kTextPointToValue = "点不能映射到值！";
inline constexpr const char* kTextCannotSwitch = "当前映射未完成，不能切换！";
inline constexpr const char* kCaptionSwitchMap = "修改映射";
inline constexpr const char* kTextAddMap = "增加映射";
inline constexpr const char* kTextCannotAdd = "当前映射未完成，不能添加！";
inline constexpr const char* kCaptionAddMap = "添加新映射";
inline constexpr const char* kTextDeleteMap = "删除映射";
inline constexpr const char* kTextOnlyOneMap = "只有一个映射，不能删除！";
inline constexpr const char* kTextShowTable = "显示数据表";
inline constexpr const char* kTextShowAllLevels = "显示完整迭代";
inline constexpr const char* kTextSolidLinesOnly = "仅显示实线";
inline constexpr const char* kTextDepthFromParameter = "深度：（参数值）";
inline constexpr const char* kTextSuggestedDepth = "建议输入1-%d的整数，否则可能运行缓慢！";
inline constexpr const char* kCaptionDepth = "迭代深度";
