// Names of the undo steps of the construction commands, exactly as the
// program shows them.
#pragma once

// Lines through the selected points, by line type: several, one.
inline constexpr const char* kCmdNameLines[4][2] = {
    {"添加多条线", "添加线"},
    {"添加多条射线", "添加射线"},
    {"添加多条直线", "添加直线"},
    {"添加多条有向线段", "添加有向线段"},
};
inline constexpr const char* kCmdNameFace = "添加消隐面";
inline constexpr const char* kCmdNameAttachedValue = "添加附点的值";
inline constexpr const char* kCmdNameCircle3P = "添加过三点的圆";
inline constexpr const char* kCmdNameCircleCP = "添加心点圆";
inline constexpr const char* kCmdNameCirclePointN = "添加已知圆心和法向点的圆";
inline constexpr const char* kCmdNameInsertVodText = "插入VOD彩色文本";
inline constexpr const char* kCmdNameInsertRichText = "插入文本";
inline constexpr const char* kCmdNameCalculation = "添加一个表达式";
// Midpoints: several, one; trisection; N-division: several, one.
inline constexpr const char* kCmdNameMidpoints[2] = {"添加多个中点", "添加一个中点"};
inline constexpr const char* kCmdNameTrisection = "添加三等分点";
inline constexpr const char* kCmdNameDivisions[2] = {"添加N等分点", "添加一个N等分点"};
// Intersections of two lines, a line and a face, a line and a circle, a
// circle and a face, two circles.
inline constexpr const char* kCmdNameIntersectLL = "添加两线交点";
inline constexpr const char* kCmdNameIntersectLF = "添加线与面交点";
inline constexpr const char* kCmdNameIntersectLS = "添加线与圆的交点";
inline constexpr const char* kCmdNameIntersectCF = "添加圆与面交点";
inline constexpr const char* kCmdNameIntersectSS = "添加两圆交点";

// A random free point on the first selected line, circle, locus or curve,
// in the first face, or in the plane of three points; one fully free point.
inline constexpr const char* kCmdNamePointOnLine = "添加线上的点";
inline constexpr const char* kCmdNamePointOnCircle = "添加圆上的点";
inline constexpr const char* kCmdNamePointOnLocus = "添加轨迹上的点";
inline constexpr const char* kCmdNamePointOnCurve = "添加曲线上的点";
inline constexpr const char* kCmdNamePointInFace = "添加多边形内的点";
inline constexpr const char* kCmdNamePointInPlane = "添加三点确定的平面内的点";
inline constexpr const char* kCmdNameFree3Point = "添加全自由点";
// Numeric intersections: a line, a circle, a curve (Q) or a locus (G)
// with a curve or a locus.
inline constexpr const char* kCmdNameIntersectLQ = "添加直线与曲线的交点";
inline constexpr const char* kCmdNameIntersectLG = "添加直线与轨迹的交点";
inline constexpr const char* kCmdNameIntersectCQ = "添加圆与曲线的交点";
inline constexpr const char* kCmdNameIntersectCG = "添加圆与轨迹的交点";
inline constexpr const char* kCmdNameIntersectQQ = "添加曲线与曲线的交点";
inline constexpr const char* kCmdNameIntersectGG = "添加轨迹与轨迹的交点";
inline constexpr const char* kCmdNameIntersectQG = "添加曲线与轨迹的交点";
// Points on paths by parameter, by path: following a source, at a fixed
// parameter (the polygon border has no fixed kind).
inline constexpr const char* kCmdNamePathPoints[6][2] = {
    {"添加圆上同参点", "添加圆上定参点"},  // circle
    {"添加曲线上同参点", "添加曲线上定参点"},  // curve
    {"添加轨迹上同参点", "添加轨迹线上定参点"},  // locus
    {"添加线上同参点", "添加线上定参点"},  // line
    {"添加折线上同参点", nullptr},  // border
    {"添加复合路径上同参点", "添加复合路径上定参点"},  // composite
};
inline constexpr const char* kCmdNameFreeOnPath = "添加复合路径上的点";
inline constexpr const char* kTextOneSource = "数值或路径上点只要选择一个！";
inline constexpr const char* kTextTwoTo32Pieces = "请选择线段、圆弧、曲线或轨迹对象至少两个,至多32个！";
inline constexpr const char* kTextOnlyTwoTo32Pieces = "请只选择线段、圆弧、曲线或轨迹对象至少两个,至多32个！";

// Measurements: one per command, and by kind of round solid (area, volume).
inline constexpr const char* kCmdNameCoord[3] = {"添加度量值：点坐标x值", "添加度量值：点坐标y值", "添加度量值：点坐标z值"};
inline constexpr const char* kCmdNamePointValue = "添加点的值";
inline constexpr const char* kCmdNameDistancePP = "添加度量值：两点间距离";
inline constexpr const char* kCmdNameDistancePL = "添加度量值：点到直线距离";
inline constexpr const char* kCmdNameDistancePF = "添加度量值：点到平面距离";
inline constexpr const char* kCmdNameDistanceLL = "添加度量值：直线与直线间距离";
inline constexpr const char* kCmdNameAngleLL = "添加度量值：线线角";
inline constexpr const char* kCmdNameAngleFF = "添加度量值：二面角";
inline constexpr const char* kCmdNameAngleLF = "添加度量值：线面角";
inline constexpr const char* kCmdNameAngleP3 = "添加度量值：角";
inline constexpr const char* kCmdNameArea = "添加度量值：多边形面积";
inline constexpr const char* kCmdNameVolume = "添加度量值：四面体体积";
inline constexpr const char* kCmdNameLenArc = "添加度量值：圆周长（弧长）";
inline constexpr const char* kCmdNameAreaCircle = "添加度量值：圆（扇形）面积";
inline constexpr const char* kCmdNameRadius = "添加度量值：圆（弧）半径";
inline constexpr const char* kCmdNameCylinder[2] = {"添加度量值：圆柱表面积", "添加度量值：圆柱体积"};
inline constexpr const char* kCmdNameCone[2] = {"添加度量值：圆锥表面积", "添加度量值：圆锥体积"};
inline constexpr const char* kCmdNameFrustum[2] = {"添加度量值：圆台表面积", "添加度量值：圆台体积"};
inline constexpr const char* kCmdNameSphere[2] = {"添加度量值：球表面积", "添加度量值：球体积"};
inline constexpr const char* kCmdNameParameter = "添加新参数";

// Vectors and the numbers computed from them.
inline constexpr const char* kCmdNamePointVectors = "添加文本：点坐标";
inline constexpr const char* kCmdNameVectorPP = "添加向量坐标：向量坐标";
inline constexpr const char* kCmdNameNormal = "添加向量坐标：平面法向量坐标";
inline constexpr const char* kCmdNameVectorSum = "添加向量坐标：向量和";
inline constexpr const char* kCmdNameVectorDifference = "添加向量坐标：向量差";
inline constexpr const char* kCmdNameVectorScaled = "添加向量坐标：数乘向量";
inline constexpr const char* kCmdNameVectorCross = "添加向量坐标：向量的向量积";
inline constexpr const char* kCmdNameVectorDot = "添加向量坐标：向量的数量积";
inline constexpr const char* kCmdNameVectorLength = "添加向量坐标：向量模";
inline constexpr const char* kCmdNameTripleProduct = "添加向量坐标：向量混合积";
inline constexpr const char* kCmdNameVectorComponents = "添加计算值：向量分量";
inline constexpr const char* kCmdNamePerpendicularStretch = "添加垂线上的伸缩点";
inline constexpr const char* kCmdNamePerpendicularEquidistant = "添加垂线上的等距点";
inline constexpr const char* kCmdNameParallelX = "添加平行于x轴的直线上点";
inline constexpr const char* kCmdNameParallelY = "添加平行于y轴的直线上点";
inline constexpr const char* kCmdNameParallelZ = "添加平行于z轴的直线上点";
inline constexpr const char* kCmdNameParallelVector = "添加定向直线上的点";
inline constexpr const char* kCmdNameParallelLinePoint = "添加平行线上点";
inline constexpr const char* kCmdNameFollower = "添加自由随从点";
inline constexpr const char* kCmdNameFollower2d = "添加二维随从点";
inline constexpr const char* kCmdNameOrigin = "添加坐标原点O";
inline constexpr const char* kCmdNamePerpendiculars = "添加垂线";
inline constexpr const char* kCmdNameParallels = "添加平行线";
inline constexpr const char* kCmdNameCommonPerpendicular = "添加公垂线段";
inline constexpr const char* kCmdNameProjections = "添加投影点";
inline constexpr const char* kCmdNameParallelFace = "添加面的平行面";
inline constexpr const char* kCmdNamePerpendicularFace = "添加线的垂面";
inline constexpr const char* kCmdNameCentroid = "添加三角形重心";
inline constexpr const char* kCmdNameCircumcentre = "添加三角形外心";
inline constexpr const char* kCmdNameIncentre = "添加三角形内心";
inline constexpr const char* kCmdNameOrthocentre = "添加三角形垂心";
inline constexpr const char* kCmdNameExcentre = "添加三角形旁心";
inline constexpr const char* kCmdNameRotatedOnCircle = "添加圆上旋转点";
inline constexpr const char* kCmdNameArcDivision = "添加圆上两点的分点";
inline constexpr const char* kCmdNameBisector = "添加角平分线";
inline constexpr const char* kCmdNameExteriorBisector = "添加外角平分线";
inline constexpr const char* kCmdNameArcOnCircle = "添加圆上的弧";
inline constexpr const char* kCmdNameCoordinatePoint = "添加坐标点";
inline constexpr const char* kCmdNameValuePoint = "添加由度量值绘制的点";
inline constexpr const char* kCmdNameCoordinatePoints = "添加%d个坐标点";
inline constexpr const char* kCmdNameHorizontalCircle = "添加水平放置的圆";
inline constexpr const char* kCmdNameCentreRadiusCircle = "添加心径圆";
inline constexpr const char* kCmdNameFullSphere = "添加球体";
inline constexpr const char* kCmdNameSphereGeo = "添加球";
inline constexpr const char* kCmdNameAxisFrame = "添加标架";
