// Texts of the property dialogs of points, lines, faces, circles and
// solids, exactly as the program shows them.
#pragma once

inline constexpr const char* kTextPointPropertyCaption = "点的属性";
inline constexpr const char* kTextLinePropertyCaption = "线属性";
inline constexpr const char* kTextFacePropertyCaption = "面属性";
inline constexpr const char* kTextCirclePropertyCaption = "圆（弧）属性";
inline constexpr const char* kTextSolidPropertyCaption = "旋转体属性";

// What every one of them shows.
inline constexpr const char* kTextDescriptionTemplate = "说明";
inline constexpr const char* kTextDescriptionLabel = "说明：";
inline constexpr const char* kTextLabelLabel = "标签：";
inline constexpr const char* kTextHideLabel = "隐藏标签";
inline constexpr const char* kTextHideObject = "隐藏对象";
inline constexpr const char* kTextDisplayMode = "显示方式";
inline constexpr const char* kTextNoTexture = "不使用";
// %1: the picture number, 1 to 15.
inline constexpr const char* kTextTextureItem = "图%1";

// The point dialog.
inline constexpr const char* kTextPointSize = "大小：";
inline constexpr const char* kTextApplyToPagePoints = "将点的大小与显示方式用于本页已有点";
inline constexpr const char* kTextPointShapes[3] = {"圆形", "隐形", "球形（光照处理）"};
inline constexpr const char* kTextPointVisibility[2] = {"总可见", "被遮住时不可见（点或标签）"};
inline constexpr const char* kTextDefaultValueCaption = "点的参数值：";
inline constexpr const char* kTextCoordinates = "坐标：";
inline constexpr const char* kTextAxes[3] = {"x：", "y：", "z："};
// The value captions of the point classes.
inline constexpr const char* kTextPolarCaption = "极径与极角(弧度）：";
inline constexpr const char* kTextPlacementCaption = "点的位置参数：";
inline constexpr const char* kTextTranslationCaption = "平移向量的坐标：";
inline constexpr const char* kTextRotationCaption = "旋转角(单位：度）";
inline constexpr const char* kTextRatioCaption = "缩放比：";
inline constexpr const char* kTextCircleRotationCaption = "旋转角(单位：度）：";
inline constexpr const char* kTextDivisionCaption = "定分比：";
inline constexpr const char* kTextFixedParameterCaption = "点的位置参数值：";

// The line dialog.
inline constexpr const char* kTextLineModes[5] = {"自动虚实", "仅实线", "全实线", "全虚线", "光照处理"};
inline constexpr const char* kTextLineKind = "线的类型";
inline constexpr const char* kTextLineKinds[4] = {"线段", "射线", "直线", "向量"};
inline constexpr const char* kTextLineWidth = "线宽：";
inline constexpr const char* kTextApplyToPageLines = "将线宽与显示方式用于本页已有线";
inline constexpr const char* kTextDashPattern = "全虚线时的线型";
inline constexpr const char* kTextDashPatterns[6] = {"默认虚线", "短虚线", "中心线", "点线", "点划线", "多点划线"};

// The face dialog.
inline constexpr const char* kTextFaceModes[5] = {"参与消隐", "填充颜色", "填充图案:", "光照处理", "半透明材质"};
inline constexpr const char* kTextApplyToPageFaces = "将显示方式用于本页已有面";
inline constexpr const char* kTextFaceTexture = "使用纹理:";
inline constexpr const char* kTextFillPatterns[16] = {
    "左斜线", "右斜线", "交叉线", "水平线", "竖直线", "方格线", "波浪线", "竖浪线",
    "小圆圈", "大圆圈", "方块", "砖块", "蜂巢", "棋盘", "飞虫", "徽标"};

// The circle dialog.
inline constexpr const char* kTextCircleKind = "圆（弧）类型";
inline constexpr const char* kTextCircleKinds[5] = {"圆", "弧", "圆面", "扇形面", "弓形面"};
inline constexpr const char* kTextArcFrom = "从";
inline constexpr const char* kTextArcTo = "到";
inline constexpr const char* kTextArcDegrees = "弧的度数";
inline constexpr const char* kTextArcRangeModes[2] = {"自动", "自定义:"};
inline constexpr const char* kTextCircleWidth = "线宽：";
inline constexpr const char* kTextCircleModes[6] = {"自动虚实", "光照处理", "半透明材质", "全实线", "全虚线", "仅实线"};
inline constexpr const char* kTextCircleTexture = "纹理图";

// The solid dialog.
inline constexpr const char* kTextSolidModes[4] = {"立几模式", "实线网格", "光照处理", "半透明材质"};
inline constexpr const char* kTextSolidTexture = "纹理图：";

// The names of the undoable point edits.
inline constexpr const char* kCmdNameModifyCoordinates = "修改点坐标";
