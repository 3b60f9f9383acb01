// The texts of the vectors and the vector measurements, one row per class
// as in measuretexts.h: in every pattern "%s" takes the next parent's name
// (or VOD name, by the row's source) in parent order.
#pragma once
#include "cells/dynamic/measures/measuretexts.h"

inline constexpr MeasureTexts kVectorTexts[] = {
    {"CGTmVectorPoint", 1, "%s", "<e>%s</e>", kVodOfParentNames, "点%s的坐标"},
    {"CGTmVectorPP", 2, "%s%s", "<v><e>%s%s</e></v>", kVodOfParentNames, "向量%s%s的坐标"},
    {"CGTmVectorNface", 3, "n(%s%s%s)", "<v><_><e>n</e><e>%s%s%s</e></_></v>", kVodOfParentNames, "平面%s%s%s的法向量"},
    {"CGTmVectorAdd", 2, "[%s]+[%s]", "<l>%s<e>+</e>%s=</l>", kVodOfParentVods, "向量%s，%s的和"},
    {"CGTmVectorMinus", 2, "[%s]-[%s]", "<l>%s<e>-</e>%s=</l>", kVodOfParentVods, "向量%s,%s的差"},
    {"CGTmVectorCross", 2, "[%s]×[%s]", "<l>%s<e>×</e>%s=</l>", kVodOfParentVods, "向量%s,%s的向量积"},
    {"CGTmVectorScaled", 2, "[%s][%s]", "<l>%s%s=</l>", kVodOfParentVods, "数%s乘向量%s"},
    {"CGTmVarVectorLength", 1, "|%s|", "<b:type=3>%s</b>", kVodOfParentVods, "向量%s的模"},
    {"CGTmVarVectorDot", 2, "[%s]·[ %s]", "<l>%s<e>·</e>%s</l>", kVodOfParentVods, "向量%s与%s的数量积"},
    {"CGTmVarVecProduct", 3, "([ %s],[ %s],[ %s])", "<b><l>%s<e>,</e>%s<e>,</e>%s</l></b>", kVodOfParentVods, "向量%s、%s和%s的混合积"},
    {"CGTmVarVectorComponentX", 1, "x (%s)", "<_><e>x</e>%s</_>", kVodOfParentVods, "向量%s的x分量"},
    {"CGTmVarVectorComponentY", 1, "y (%s)", "<_><e>y</e>%s</_>", kVodOfParentVods, "向量%s的y分量"},
    {"CGTmVarVectorComponentZ", 1, "z (%s)", "<_><e>z</e>%s</_>", kVodOfParentVods, "向量%s的z分量"},
};

// The description of a vector of no kind: "%s" its own name.
inline constexpr const char* kTextVectorDescription = "向量：%s";

// The value attached to a point: its fixed name, and its description with
// the point's name and then the value's.
inline constexpr const char* kTextAttachedValueName = "合并到点的值";
inline constexpr const char* kTextAttachedValueDescription = "合并到点%s的值%s";

// A vector's undefined value text, by form: three components or two, plain
// or after its formula name.
inline constexpr const char* kTextVectorUndefined[2][2] = {
    {"( ?, ?, ?)", "( ?, ?)"},
    {"=( ?, ?, ?)", "=( ?, ?)"},
};
