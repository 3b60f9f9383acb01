// The texts of the parametric-colour and axis-scale dialogs.
#pragma once

inline constexpr char kCaptionParametricColor[] = "颜色参数";
inline constexpr char kTextColorLabel[] = "标签：";
inline constexpr char kTextColorFrom[] = "从";
inline constexpr char kTextColorTo[] = "到";
inline constexpr char kTextColorRange[] = "参数范围：";
inline constexpr char kTextColorCycle[] = "循环";
inline constexpr char kTextColorModelTitle[] = "显示对象时使用：";
// The two colour models, for three values and for one.
inline constexpr const char* kTextColorModels3[2] = {"红色、绿色、蓝色（RGB）", "色调、饱和度、亮度（HSL）"};
inline constexpr const char* kTextColorModels1[2] = {"颜色（C）", "灰度（G）"};
inline constexpr char kTextColorNote[] = "确定后可在图形区左下角点击修改";

inline constexpr char kCaptionScaleLine[] = "2维轴部件属性";
inline constexpr char kTextAxisTypeTitle[] = "坐标系类型";
inline constexpr const char* kTextAxisTypes[2] = {"普通数值型", "三角函数型"};
inline constexpr char kTextHideYAxis[] = " 不显示y轴上刻度线及刻度值";
inline constexpr char kTextAutoSpacing[] = "自动调整间距";
inline constexpr char kTextLabelSpacing[] = "刻度值间距";
inline constexpr char kTextTickSpacing[] = "刻度线间距";
inline constexpr char kTextGridTitle[] = "网格";
inline constexpr const char* kTextGridModes[3] = {"不显示", "方形网格", "极坐标网格"};
inline constexpr char kTextTickAboveLabel[] = "刻度线间距不能大于刻度值间距！";
inline constexpr char kTextLabelBelowTick[] = "刻度值间距不能小于刻度线间距！";
