// User-visible texts of picture loading, exactly as the program shows them.
#pragma once

// A picture file that cannot be read: the reader's error code (hex) and text.
inline constexpr const char* kTextPictureLoadFailed = "装入图象失败:\n%x - %s";
// A low-colour picture that could not be turned into a true-colour one.
inline constexpr const char* kTextPictureNeedsTrueColour = "装入图象失败，请使用真彩色图！";
// A picture without pixels or with a pixel size other than 3 or 4 bytes.
inline constexpr const char* kTextPictureNeeds24Or32Bit = "装入图象失败，请使用24位或32位真彩图象！";
// Why a picture file is refused before it is decoded.
inline constexpr const char* kReasonPictureCut = "图象文件不完整：像素数据比文件头声明的少。";
inline constexpr const char* kReasonPictureNoSide = "图象的宽度或高度为 0。";
