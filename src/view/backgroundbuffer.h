// The picture of the view that frames start from while traced objects leave
// marks: the trace layer is captured into it (RGB bytes, rows padded to 4)
// and drawn back behind each frame until something marks it dirty.
#pragma once
#include <cstddef>
#include <memory>

#include "render/viewglobals.h"  // g_bBackgroundDirty: nonzero while the buffer holds no valid picture

class CBackgroundBuffer {
 public:
  // maxBytes bounds one allocation, so an absurd window size is refused
  // like a failed allocation.
  explicit CBackgroundBuffer(std::size_t maxBytes = std::size_t(1) << 30);

  // Bytes for an area of width x height pixels with a margin of about 10
  // pixels each way: ((width * 24 + 271) / 32) * (height + 10) * 4.
  static std::size_t BytesFor(int width, int height);

  // A zeroed buffer for width x height; on failure the buffer is empty and
  // false is returned.
  bool Allocate(int width, int height);
  // The first buffer, sized for the screen: it serves client areas up to
  // 10 pixels larger than the screen each way before it must grow.
  bool AllocateForScreen(int width, int height);
  // A new display mode: a zeroed buffer for the new screen, as at start, and
  // the background to be captured again.  False when it could not be had.
  bool AllocateForDisplay(int width, int height);
  // The resize rule: only when the area exceeds the largest seen (or no
  // buffer exists after a failure) is the buffer replaced, the area
  // remembered and the background marked dirty.  False when that failed.
  bool FitArea(int width, int height);

  bool IsAllocated() const { return m_data != nullptr; }
  std::size_t Bytes() const { return m_nBytes; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }

  // Reads width x height RGB pixels of the current framebuffer into the
  // buffer and marks the background valid.  Writes nothing, and returns
  // false, when there is no buffer or it is too small for the area.
  bool Capture(int width, int height);
  // Draws the captured picture at the current raster position.
  bool Draw(int width, int height) const;

 private:
  bool Holds(int width, int height) const;

  std::unique_ptr<unsigned char[]> m_data;
  std::size_t m_nBytes = 0;
  std::size_t m_nMaxBytes;
  int m_width = 0;   // the largest area seen
  int m_height = 0;
};
