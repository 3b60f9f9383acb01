// User-visible texts of lines and faces, exactly as the program shows them.
#pragma once

// A line's description: the names of its two points and the word of its kind.
inline constexpr const char* kTextLineDescription = "点%s、%s 确定的%s";
inline constexpr const char* kTextLineKindSegment = "线段";
inline constexpr const char* kTextLineKindRay = "射线";
inline constexpr const char* kTextLineKindLine = "直线";
inline constexpr const char* kTextLineKindVector = "向量";

// A face's description: the first word, the corner names joined by the
// separator, then the closing words.
inline constexpr const char* kTextFaceDescriptionStart = "点";
inline constexpr const char* kTextFaceNameSeparator = "、";
inline constexpr const char* kTextFaceDescriptionEnd = "确定的面";
