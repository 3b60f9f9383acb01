// Texts of the 3DS model dialog, exactly as the program shows them.
#pragma once

inline constexpr const char* kCaptionModel3ds = "3ds模型属性";
inline constexpr const char* kTextModelFile = "文件名：";
inline constexpr const char* kTextModelCentre = "中心";
inline constexpr const char* kTextModelX = "X:";
inline constexpr const char* kTextModelY = "Y:";
inline constexpr const char* kTextModelZ = "Z:";
inline constexpr const char* kTextModelDisplay = "显示方式";
inline constexpr const char* kTextModelWire = "线框模式";
inline constexpr const char* kTextModelLit = "光照贴图";
inline constexpr const char* kTextModelScale = "缩放比:";
inline constexpr const char* kTextModelHide = "隐藏对象";
