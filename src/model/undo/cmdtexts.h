// Texts of the Undo and Redo menu items and the names of the undoable
// actions, exactly as the program shows them.  "%s" stands for a name.
#pragma once

inline constexpr const char* kTextUndoEmpty = "撤消(&U)\tCtrl+Z";
inline constexpr const char* kTextUndoNamed = "撤消 %s(&U)\tCtrl+Z";
inline constexpr const char* kTextCannotUndo = "不能撤消(&U)\tCtrl+Z";
inline constexpr const char* kTextCannotUndoNamed = "不能撤消 %s(&U)\tCtrl+Z";
inline constexpr const char* kTextRedoEmpty = "重做(&R)\tCtrl+R";
inline constexpr const char* kTextRedoNamed = "重做 %s(&R)\tCtrl+R";

inline constexpr const char* kCmdNameDelete = "清除对象";
inline constexpr const char* kCmdNameSplit = "分离定位";
inline constexpr const char* kCmdNamePointStyles = "点统一格式";
inline constexpr const char* kCmdNameLineStyles = "线统一格式";
inline constexpr const char* kCmdNameFaceStyles = "面统一格式";
inline constexpr const char* kCmdNameCircleStyles = "圆统一格式";
inline constexpr const char* kCmdNameModifyPoint = "修改点参数t";
inline constexpr const char* kCmdNamePaste = "粘贴对象";
