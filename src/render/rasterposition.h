// The raster position that bitmaps, character lists and pixel rectangles
// are drawn from, for as long as an object of this class lives.
//
// GL calls a raster position outside the viewport invalid and then draws
// none of an item that starts there, even when most of it reaches into the
// view.  A point beside the viewport, yet in front of the eye and within
// the depth range, is therefore set at the nearest pixel inside and moved
// out to where it belongs with an empty glBitmap; the scissor then holds
// what is drawn to the viewport until the object goes, so only the part
// inside shows.  Points inside the viewport are set exactly as
// glRasterPos sets them.  Only while rendering: picking and feedback see
// the plain raster position.  Not for display-list compilation (the move
// reads GL state when it is set).
#pragma once
#include <GL/gl.h>

#include <QString>

class RasterPosition {
 public:
  RasterPosition(double x, double y, double z);
  explicit RasterPosition(const float point[3]) : RasterPosition(point[0], point[1], point[2]) {}
  explicit RasterPosition(const double point[3]) : RasterPosition(point[0], point[1], point[2]) {}
  RasterPosition(const RasterPosition&) = delete;
  RasterPosition& operator=(const RasterPosition&) = delete;
  ~RasterPosition();

 private:
  void MoveInFrom(const double ndc[3]);

  bool m_scissored = false;
  GLint m_oldScissor[4] = {0, 0, 0, 0};
};

// Text lists (DrawGlText) drawn from the raster position at the point.
void CallTextListsAt(const QString& lists, double x, double y, double z);
inline void CallTextListsAt(const QString& lists, const float p[3]) { CallTextListsAt(lists, p[0], p[1], p[2]); }
inline void CallTextListsAt(const QString& lists, const double p[3]) { CallTextListsAt(lists, p[0], p[1], p[2]); }
