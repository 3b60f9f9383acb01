// The texts of the measured values, one row per class: how a value names
// itself after its parents and how the object list describes it.  Every
// "%s" takes the next parent's name, in parent order; a VOD pattern takes
// what its row's source says.  The vectors and their measurements keep
// their rows in vectortexts.h.
#pragma once
#include <cstddef>
#include <string_view>

// A class that reads as many parents as it was given (a calculation).
inline constexpr std::size_t kParentsAsGiven = static_cast<std::size_t>(-1);

// What the "%s" of a row's VOD pattern take.
enum VodSource {
  kVodOfParentNames,  // each parent's plain name
  kVodOfName,         // the cell's own plain name, once
  kVodOfParentVods,   // each parent's VOD name
};

struct MeasureTexts {
  const char* className;
  std::size_t parents;      // how many parents the class reads, and a loaded record must name
  const char* name;         // the plain name
  const char* vodName;      // the name as mark-up
  VodSource vodFrom;
  const char* description;  // shown in the object list
};

inline constexpr MeasureTexts kMeasureTexts[] = {
    {"CGTmVarCoordX", 1, "x (%s)", "<_><e>x</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s点的X坐标"},
    {"CGTmVarCoordY", 1, "y (%s)", "<_><e>y</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s点的Y坐标"},
    {"CGTmVarCoordZ", 1, "z (%s)", "<_><e>z</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s点的Z坐标"},
    {"CGTmVarPara", 1, "t (%s)", "<_><e>t</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s点的动画参数"},
    {"CGTmVarParaPInL", 2, "%s在线%s上", "<e>%s在线%s上</e>", kVodOfParentNames, "点%s在线%s上的相对位置"},
    {"CGTmVarParaPInY", 2, "%s在圆弧%s上", "<e>%s在圆弧%s上</e>", kVodOfParentNames, "点%s在圆弧%s上的相对位置"},
    {"CGTmVarDistancePP", 2, "|%s%s|", "<e>%s</e>", kVodOfName, "度量值：两点%s、%s间距离"},
    {"CGTmVarDistancePL", 2, "d ( %s, %s)", "<_><e>d</e><e>%s,%s</e></_>", kVodOfParentNames, "度量值：点%s到直线%s的距离"},
    {"CGTmVarDistancePF", 2, "d ( %s, %s)", "<_><e>d</e><e>%s,%s</e></_>", kVodOfParentNames, "度量值：点%s到平面%s的距离"},
    {"CGTmVarDistanceLL", 2, "d ( %s, %s)", "<_><e>d</e><e>%s,%s</e></_>", kVodOfParentNames, "度量值：直线%s与直线%s间距离"},
    {"CGTmVarAngleLL", 2, "∠%s, %s", "<_><e>∠</e><e>%s,%s</e></_>", kVodOfParentNames, "度量值：直线%s与直线%s所成角"},
    {"CGTmVarAngleLF", 2, "∠%s, %s", "<_><e>∠</e><e>%s,%s</e></_>", kVodOfParentNames, "度量值：直线%s与平面%s所成角"},
    {"CGTmVarAngleFF", 2, "∠%s, %s", "<_><e>∠</e><e>%s,%s</e></_>", kVodOfParentNames, "度量值：二平面%s、%s所成角"},
    {"CGTmVarAngleP3", 3, "∠%s%s%s", "<e>%s</e>", kVodOfName, "度量值：∠%s%s%s"},
    {"CGTmVarArea", 1, "S ( %s)", "<_><e>S</e><e>%s</e></_>", kVodOfParentNames, "度量值：多边形%s面积"},
    {"CGTmVarVolume", 4, "V ( %s%s%s%s)", "<_><e>V</e><e>%s-%s%s%s</e></_>", kVodOfParentNames, "度量值：四面体%s%s%s%s体积"},
    {"CGTmVarRadius", 1, "r ( %s)", "<_><e>r</e><e>%s</e></_>", kVodOfParentNames, "度量值：圆（弧）%s的半径"},
    {"CGTmVarAreaCircle", 1, "S ( %s)", "<_><e>S</e><e>%s</e></_>", kVodOfParentNames, "度量值：圆（扇形）%s的面积"},
    {"CGTmVarLenArc", 1, "P ( %s)", "<_><e>P</e><e>%s</e></_>", kVodOfParentNames, "度量值：圆（弧）%s的周长"},
    {"CGTmVarAreaCylinder", 1, "S ( %s)", "<_><e>S</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s全面积"},
    {"CGTmVarAreaCone", 1, "S ( %s)", "<_><e>S</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s全面积"},
    {"CGTmVarAreaFrustum", 1, "S ( %s)", "<_><e>S</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s全面积"},
    {"CGTmVarAreaSphere", 1, "S ( %s)", "<_><e>S</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s表面积"},
    {"CGTmVarVolumeCylinder", 1, "V ( %s)", "<_><e>V</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s体积"},
    {"CGTmVarVolumeCone", 1, "V ( %s)", "<_><e>V</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s体积"},
    {"CGTmVarVolumeFrustum", 1, "V ( %s)", "<_><e>V</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s体积"},
    {"CGTmVarVolumeSphere", 1, "V ( %s)", "<_><e>V</e><e>%s</e></_>", kVodOfParentNames, "度量值：%s体积"},
    // Named after its formula; described by it ("%s" the formula).
    {"CGTmVarCalculator", kParentsAsGiven, "", "", kVodOfParentNames, "计算：%s"},
};

// The user parameter has no parents: "%s" is its own name.
inline constexpr const char* kTextParameterDescription = "自定义参数：%s";

// The row of a class in this table or the vectors', or null when the class
// has none.
const MeasureTexts* FindMeasureTexts(std::string_view className);
