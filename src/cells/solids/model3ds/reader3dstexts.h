// Messages of the 3DS reader, exactly as the program shows them ("%s" is
// the path).
#pragma once

inline constexpr const char* kTextModelNotFound = "文件 %s 未找到！\n";
inline constexpr const char* kTextNot3ds = "%s 不是3ds文件!";
inline constexpr const char* kCaptionError3ds = "错误";
inline constexpr const char* kTextOverVersion3 = "This 3DS file is over version 3 so it may load incorrectly";
inline constexpr const char* kCaptionWarning3ds = "Warning";
