// Texts of the construction input dialogs, exactly as the program shows them.
#pragma once

inline constexpr const char* kTextVectorCaption = "向量";
inline constexpr const char* kTextCoordinatesCaption = "绘制坐标点";
inline constexpr const char* kTextAngleCaption = "输入角度";
inline constexpr const char* kTextValueCaption = "输入值";
inline constexpr const char* kTextIntersectionNumCaption = "添加交点数";
inline constexpr const char* kTextDivPointCaption = "N等分点";
inline constexpr const char* kTextParameterCaption = "参数";
inline constexpr const char* kTextNumberCaption = "输入顶点数";

inline constexpr const char* kTextAxisLabels[3] = {"x:", "y:", "z:"};
inline constexpr const char* kTextSinglePoint = "创建单个点";
inline constexpr const char* kTextManyPoints = "创建多个点      常用点集：";
inline constexpr const char* kTextClearData = "清除数据";
inline constexpr const char* kTextTabButton = "Tab";
inline constexpr const char* kTextPasteData = "粘贴数据";
inline constexpr const char* kTextCoordinatesTemplate = "请输入坐标！";
inline constexpr const char* kTextUseValuesHint = "使用选取的变量值或输入值作为点的坐标：";
inline constexpr const char* kTextPasteHint = "粘贴或输入各点的坐标\n每点一行，中间用逗号、分号或Tab制表符分隔";
inline constexpr const char* kTextAngleLabel = "角：";
inline constexpr const char* kTextDegrees = "角度";
inline constexpr const char* kTextRadians = "弧度";
inline constexpr const char* kTextIntersectionNumLabel = "交点数：";
inline constexpr const char* kTextDivNLabel = "N：";
inline constexpr const char* kTextOnlyFirst = "仅添加首个等分点";

// The parameter dialog's labels in the order of its members.
inline constexpr const char* kTextParameterLabels[8] = {"名称", "当前值", "隐藏名称", "显示滑块", "起始值", "终止值", "整数值", "显示为角度"};

inline constexpr const char* kTextEnterCoordinates = "请输入点的坐标！";
inline constexpr const char* kTextNoClipboardData = "剪贴板上没有符合要求的数据！";
inline constexpr const char* kTextPointsValid = "数据输入正确！可继续输入或按\"确定\"按钮。";
inline constexpr const char* kTextPointsInvalid = "数据不全或格式有误，请继续输入或修改！";
// %d: the current number of intersections.
inline constexpr const char* kTextIntersectionPromptFew = "当前状态有%d 个交点，请输入你要添加的个数：\n\r（多余的交点在条件适合时才会显示；按“取消”不添加）";
inline constexpr const char* kTextIntersectionPromptMany = "当前状态至少有%d 个交点，请输入你要添加的个数：\n\r（不超过32个；按“取消”不添加）";

// The preset point sets: name, then one line per point.
struct CPointSetPreset {
  const char* name;
  const char* text;
};
inline constexpr CPointSetPreset kPointSetPresets[] = {
    {"正四面体顶点", "0\t0\t11.0227038\r\n0\t-10.3923048\t-3.6742347\r\n9\t5.1961524\t-3.6742347\r\n-9\t5.1961524\t-3.6742347\r\n"},
    {"正方体顶点", "-6\t-6\t-6\r\n6\t-6\t-6\r\n6\t6\t-6\r\n-6\t6\t-6\r\n-6\t-6\t6\r\n6\t-6\t6\r\n6\t6\t6\r\n-6\t6\t6\r\n"},
    {"正三边形顶点", "-10\t-5.7735027\t-5\r\n10\t-5.7735027\t-5\r\n0\t11.5470054\t-5\r\n"},
    {"正方形顶点", "-6\t-6\t-6\r\n6\t-6\t-6\r\n6\t6\t-6\r\n-6\t6\t-6\r\n"},
    {"方块顶点", "0\t10\t-6\r\n-10\t0\t-6\r\n0\t-10\t-6\r\n10\t0\t-6\r\n"},
    {"矩形(2*1)顶点", "-10\t-5\t-5\r\n0\t-5\t-5\r\n10\t-5\t-5\r\n10\t5\t-5\r\n0\t5\t-5\r\n-10\t5\t-5\r\n"},
    {"矩形(3*1)顶点", "-9\t-3\t-5\r\n-3\t-3\t-5\r\n3\t-3\t-5\r\n9\t-3\t-5\r\n9\t3\t-5\r\n3\t3\t-5\r\n-3\t3\t-5\r\n-9\t3\t-5\r\n"},
    {"菱形顶点1", "-8.6602540\t0\t-6\r\n0\t-5\t-6\r\n8.6602540\t0\t-6\r\n0\t5\t-6\r\n"},
    {"菱形顶点2", "0\t8.6602540\t-6\r\n-5\t0\t-6\r\n0\t-8.6602540\t-6\r\n5\t0\t-6\r\n"},
    {"正六边形顶点", "-4\t-6.9282032\t-4\r\n4\t-6.9282032\t-4\r\n8\t0\t-4\r\n4\t6.9282032\t-4\r\n-4\t6.9282032\t-4\r\n-8\t0\t-4\r\n"},
};

// What every numeric edit of these dialogs says when its text is refused;
// the dialog stays open.  %1, %2: the bounds of an integer's range.
inline constexpr const char* kTextNotANumber = "请输入一个数字。";
inline constexpr const char* kTextIntegerRange = "请输入一个介于 %1 和 %2 之间的整数。";
inline constexpr const char* kTextNumberRange = "请输入一个介于 %1 和 %2 之间的数。";
