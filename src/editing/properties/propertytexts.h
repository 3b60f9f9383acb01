// The property command's texts: the relationship reports, the messages of
// the one-object rows and the page and picture dialogs.
#pragma once

// Relationship reports: text and caption of each.
inline constexpr const char* kTextPointLine = "点 %s 到直线 %s 距离为 %g \n";
inline constexpr const char* kCaptionPointLine = "点到直线距离";
inline constexpr const char* kTextPointPlane = "点 %s 到平面 %s 距离为 %g \n";
inline constexpr const char* kCaptionPointPlane = "点到平面距离";
inline constexpr const char* kTextPointPoint = "点 %s 与点 %s 距离为 %g \n";
inline constexpr const char* kCaptionPointPoint = "两点间距离";
inline constexpr const char* kTextLinePlaneCross = "直线 %s 与平面 %s 相交，所成角为 %g°\n";
inline constexpr const char* kTextLinePlaneParallel = "直线 %s 与平面 %s 平行，距离为 %g";
inline constexpr const char* kTextLineInPlane = "直线 %s 在平面 %s 内";
inline constexpr const char* kCaptionLinePlane = "直线与平面关系";
inline constexpr const char* kTextLineLine = "直线 %s 与直线 %s 所成角为 %g°\n\n距离为 %g";
inline constexpr const char* kCaptionLineLine = "两条直线关系";
inline constexpr const char* kTextPlanePlaneCross = "平面 %s 与平面 %s 相交，所成角为 %g°\n";
inline constexpr const char* kTextPlanePlaneParallel = "平面 %s 与平面 %s 平行，距离为 %g";
inline constexpr const char* kTextPlanesCoincide = "平面 %s 与平面 %s 重合";
inline constexpr const char* kCaptionPlanePlane = "两平面关系";
// One-object rows.
inline constexpr const char* kTextInkmarks = "这是画笔留下的墨迹！";
inline constexpr const char* kTextSection = "这是多面体与平面的截面图\n\n改变平面的位置可以动态显示截面图形";
inline constexpr const char* kCaptionEditCalculation = "编辑计算";
inline constexpr const char* kTextVector2d = "%s (%.2f, %.2f)%s";
inline constexpr const char* kTextAskFor3d = "\n\n是否还要显示z值（三维形式）？";
inline constexpr const char* kTextVector3d = "%s (%.2f, %.2f, %.2f)%s";
inline constexpr const char* kTextAskFor2d = "\n\n是否想要不显示z值（二维形式）？";
inline constexpr const char* kCaptionVectorForm = "坐标形式";
// The page dialog.
inline constexpr const char* kCaptionPageProperty = "页属性";
inline constexpr const char* kTextBackground = "背景颜色";
inline constexpr const char* kTextUnitLengthBox = "单位长";
inline constexpr const char* kTextPixels = "象素";
inline constexpr const char* kTextPageName = "页名称";
inline constexpr const char* kTextDashedHidden = "被光照物体遮住的线显示虚线";
inline constexpr const char* kTextDirectionBox = "主视图投影线方向";
inline constexpr const char* kTextYReversed = "y轴反向";
inline constexpr const char* kTextYSame = "y轴同向";
inline constexpr const char* kTextXReversed = "x轴反向";
inline constexpr const char* kTextDefault = "默认";
// The picture dialog.
inline constexpr const char* kCaptionImageProperty = "图片属性";
inline constexpr const char* kTextWidthScale = "宽度";
inline constexpr const char* kTextHeightScale = "高度";
inline constexpr const char* kTextScaleHint = "缩放比：（比如：1.2，  -0.5 ）";
inline constexpr const char* kTextSizeLabel = "大小：";
inline constexpr const char* kTextOriginalScale = "恢复原始比例（1, 1）";
