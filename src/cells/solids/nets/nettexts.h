// User-visible texts of the stepwise cut and the unfolded net, exactly as
// the program shows them.
#pragma once

inline constexpr const char* kTextSplitDescription = "多面体分割图";
inline constexpr const char* kTextSplitOverlay = "planes:  %d      parts :  %d";
inline constexpr const char* kTextCutFailed = "切割时发生错误";
inline constexpr const char* kTextFoldDescription = "多面体展开图";
inline constexpr const char* kTextMatrixStackFull = "矩阵栈已满，显示可能不正常！";
