// Pixel data handed to GL for as long as an object of this class lives is
// unpacked from tightly known rows, whatever the caller's pixel-store
// state: rows aligned to `alignment` bytes, no row length or skips, high
// bit first.  The caller's state comes back afterwards.  Display lists keep
// bitmaps as they were unpacked when compiled, so compiling needs it too.
#pragma once
#include <GL/gl.h>

class ScopedUnpack {
 public:
  explicit ScopedUnpack(GLint alignment) {
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  }
  ScopedUnpack(const ScopedUnpack&) = delete;
  ScopedUnpack& operator=(const ScopedUnpack&) = delete;
  ~ScopedUnpack() { glPopClientAttrib(); }
};
