// The user-visible texts of the iterate command and the depth binding of
// the iteration property row.
#pragma once

inline constexpr const char* kCmdNameIterate = "添加迭代图";
inline constexpr const char* kTextValueNotFree = "所选值不独立。\r\n请重新选择！";
inline constexpr const char* kCaptionValueNotFree = "选择不合条件";
inline constexpr const char* kTextSourceConflict = "迭代的时候您不能将迭代点构造于当前的迭代对象上。\r\n这些对象不可作为原象出现！";
inline constexpr const char* kCaptionSourceConflict = "与原象相冲突";
inline constexpr const char* kTextNoFirstImage = "不合条件，无法构建初像。\r\n请重新选择！";
inline constexpr const char* kCaptionNoFirstImage = "丢失初像";
inline constexpr const char* kTextNotAParameter = "未能添加含参数的迭代\n选中的不是一个数值参数！";
inline constexpr const char* kTextParameterTooLate = "未能添加含参数的迭代\n选中的参数必须先于迭代之前创建（父不能小于子）！";
inline constexpr const char* kTextParameterLarge = "参数的当前值较大，建议深度为1-%d，请控制参数值范围！";
inline constexpr const char* kTextParameterNegative = "参数的当前值为负，建议深度为1-%d，请控制参数值范围";
inline constexpr const char* kTextParameterBound = "选中的参数将作为迭代深度，建议控制在1-%d，否则可能运行缓慢！";
