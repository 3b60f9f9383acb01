// The 21 small pictures of the object list: the page, the cell kinds and the
// document root.  Drawn by code whenever shown, in an ink that stands out
// from the look's list background, so the list needs no bitmap file.
#pragma once
#include <QIcon>

inline constexpr int kTreeImagePage = 0;
inline constexpr int kTreeImageOther = 17;
inline constexpr int kTreeImageRoot = 20;
inline constexpr int kTreeImageCount = 21;

QIcon TreeImage(int index);
