// User-visible texts of the editing commands, exactly as the program shows them.
#pragma once

#include "model/undo/cmdtexts.h"  // kCmdNameDelete, kCmdNamePaste: the other two undo names

// Undo name of pasting a picture, and the caption of its failures.
inline constexpr const char* kCmdNamePastePicture = "粘贴图片";
// Deleting the page selected as a whole (OK and Cancel, question icon).
inline constexpr const char* kTextDeletePageQuestion = "您的操作将使当前页被删除。删除的页面无法恢复。您真的想执行删除？";
inline constexpr const char* kTextDeletePageCaption = "页面被删除";
// The picture paste's failures (caption kCmdNamePastePicture, information icon).
inline constexpr const char* kTextNoClipboardPicture = "无法取得剪贴板数据,不能完成粘贴!";
inline constexpr const char* kTextNoMemoryForPicture = "内存不够,不能完成粘贴!";
// A clipboard record that pastes nothing (caption kCmdNamePaste).
inline constexpr const char* kTextDamagedClipboardRecord = "剪贴板上的对象数据已损坏或不是本程序的，没有粘贴任何对象。";
inline constexpr const char* kTextNoRoomForPaste = "本页对象数已达上限，不能粘贴这些对象！";
inline constexpr const char* kTextNoPageIdLeft = "文档的页面编号已用完，不能再粘贴页面。";

// Picture texts from the clipboard and pictures from files.
inline constexpr const char* kTextNoPictureForText = "无法获取图象数据，不能构造图文！可能是因为文字是白色的，建议改为深色。";
inline constexpr const char* kCmdNamePasteTextPicture = "粘贴图形文本";
// The reader's error code (hexadecimal) and its text.
inline constexpr const char* kTextPictureFileUnreadable = "打开图象文件失败:\n%x - %s";
inline constexpr const char* kTextPictureNotTrueColour = "打开图象文件失败，请使用真彩色图！";
inline constexpr const char* kTextPictureNoPixels = "打开图象文件失败，请使用24位或32位真彩图！";
inline constexpr const char* kFilterPictureFiles =
    "所有图片文件|*.bmp;*.dib;*.rle;*.jpg;*.jpeg;*.jpe;*.jfif;*.gif;*.tif;*.tiff;*.png|BMP (*.bmp;*.dib;*.rle)|*.bmp;*.dib;*.rle|JPEG (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|GIF (*.gif)|*.gif|TIFF (*.tif;*.tiff)|*.tif;*.tiff|PNG (*.png)|*.png||";
