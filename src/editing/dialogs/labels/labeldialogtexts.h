// The texts of the label dialogs, exactly as the program shows them.
#pragma once

// The label dialogs (标签属性).
inline constexpr const char* kCaptionLabelDialog = "标签属性";
inline constexpr const char* kTextTextForm = "文本格式";
inline constexpr const char* kTextFormulaForm = "数学格式";
inline constexpr const char* kTextAutomaticLabel = "自动标签";
inline constexpr const char* kTextCustomLabel = "自定义标签";
inline constexpr const char* kTextEditFormula = "编辑";
