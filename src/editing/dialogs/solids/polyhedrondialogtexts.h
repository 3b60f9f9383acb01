// Texts of the hull, net and cut dialogs, exactly as the program shows them.
#pragma once

inline constexpr const char* kCaptionNewHull = "构建凸包";
inline constexpr const char* kCaptionHull = "凸包属性";
inline constexpr const char* kTextHullHead = "凸包：包围点集的最小凸多面体";
inline constexpr const char* kTextVertexSet = "顶点集：";
inline constexpr const char* kTextLabel = "标签：";
inline constexpr const char* kTextHideObject = "隐藏对象";
inline constexpr const char* kTextDefaultHullLabel = "多面体";
inline constexpr const char* kCaptionFold = "多面体表面展开与折叠属性";
inline constexpr const char* kTextUnfoldBox = "展开方式";
inline constexpr const char* kTextDefaultFoldLabel = "展开图";
inline constexpr const char* kCaptionNewSplit = "构建多面体切割图";
inline constexpr const char* kCaptionSplit = "多面体切割图属性";
inline constexpr const char* kTextPlaneCount = "切割面个数(1-10):";
inline constexpr const char* kTextSplitShift = "切割后平移量:";
inline constexpr const char* kTextAutoPlanes = "当前页未选择面,切割面将由程序自动生成,且是固定的";
inline constexpr const char* kTextFacePlanes = "切割面由当前页所选面确定,随面而变化";
inline constexpr const char* kTextDefaultSplitLabel = "多面体切割图";
inline constexpr const char* kTextHullDisplayModes[] = {"自动虚实", "仅实线", "光照处理"};
inline constexpr const char* kTextUnfoldModes[] = {"同时展开", "分级展开"};
inline constexpr const char* kTextVertexSets[] = {"当前页所选点", "长方体", "正六棱柱", "正六棱锥", "正六棱台", "正四面体", "正六面体", "正八面体", "正十二面体", "正二十面体"};
