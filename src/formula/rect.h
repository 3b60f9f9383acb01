// Rectangles in device units as formula layout uses them: right and bottom
// are exclusive, so width = right - left.  (QRect's inclusive right edge
// would put every layout formula off by one.)
#pragma once

struct RECT {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  RECT Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  friend bool operator==(const RECT&, const RECT&) = default;
};

// A rectangle of the given size at (x, y).
inline RECT RectAt(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
