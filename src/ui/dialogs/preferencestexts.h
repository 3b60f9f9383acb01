// Texts of the preferences dialog.
#pragma once

inline constexpr const char* kTextPrefsCaption = "首选项";
inline constexpr const char* kTextPrefsHeadLine = "注意： 这些设置是全局的，对新建的对象均有效";
inline constexpr const char* kTextPrefsApplyNow = "立即修改";
inline constexpr const char* kTextPrefsColorBox = "颜色";
inline constexpr const char* kTextPrefsLabelFont = "标签：";
inline constexpr const char* kTextPrefsMeasureFont = "度量：";
inline constexpr const char* kTextPrefsFontBox = "字体";
inline constexpr const char* kTextPrefsSize = "字号：";
inline constexpr const char* kTextPrefsCurrentPageOnly = "仅当前页对象";
inline constexpr const char* kTextPrefsModifyBox = "修改";
inline constexpr const char* kTextPrefsLineWidth = "线宽度：";
inline constexpr const char* kTextPrefsWidthBox = "粗细";
inline constexpr const char* kTextPrefsPointSize = "点大小：";
inline constexpr const char* kTextPrefsFrameBox = "帧频";
inline constexpr const char* kTextPrefsFrameUnit = "帧/秒";
inline constexpr const char* kTextPrefsNoDoubleClick = "禁用鼠标双击命令";
inline constexpr const char* kTextPrefsScreenRotation = "拖动鼠标旋转视图时以屏幕为参照系";
inline constexpr const char* kTextPrefsLight = "设置灯光属性";
inline constexpr const char* kTextPrefsOk = "确       定";
inline constexpr const char* kTextPrefsClose = "关       闭";
// The colour buttons in the order of the preferences data.
inline constexpr const char* kTextPrefsColors[10] = {"背景", "选中", "动点", "静点", "直线", "曲线", "标签", "度量", "文本", "表格"};
// The presets in the order of PreferencePreset.
inline constexpr const char* kTextPrefsPresets[4] = {"白板投影", "网页插图", "黑屏展示", "打印输出"};
inline constexpr const char* kTextPrefsSizes[11] = {" 8", "12", "14", "16", "18", "20", "22", "24", "26", "32", "36"};
