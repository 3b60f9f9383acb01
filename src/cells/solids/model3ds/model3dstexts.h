// Texts of the 3DS model cell, exactly as the program shows them.
#pragma once

inline constexpr const char* kTextModelDescription = "3dsMax模型";
inline constexpr const char* kTextModelMoved = "原来设定的3ds模型文件:\n“ %s ”未找到，请重新指定其路径！";
inline constexpr const char* kTextTexturesMissing = "纹理未能全部装入\n\n请检查文件位置及格式是否正确！";
inline constexpr const char* kFilter3dsFiles = "3ds Max file (*.3ds)|*.3ds||";
inline constexpr const char* kText3dsExtension = "3ds";
