// Why a file could not be read or written, in the words every reader and
// writer of user-chosen files shows after the path.
#pragma once

inline constexpr const char* kReasonNoFile = "文件不存在。";
inline constexpr const char* kReasonNoFolder = "文件夹不存在。";
inline constexpr const char* kReasonPermission = "没有访问权限。";
inline constexpr const char* kReasonReadOnly = "磁盘是只读的。";
inline constexpr const char* kReasonNotAFile = "这不是一个普通文件。";
inline constexpr const char* kReasonTooLarge = "文件超过 %1 MB，太大了。";
inline constexpr const char* kReasonDiskFull = "磁盘空间不足。";
inline constexpr const char* kReasonReadError = "读取文件时出错。";
inline constexpr const char* kReasonWriteError = "写入文件时出错。";
inline constexpr const char* kReasonNoMemory = "内存不足。";
// An action an exception stopped, followed by the reason; nothing changed.
inline constexpr const char* kTextActionFailed = "此操作未能完成，文档保持原样：";
