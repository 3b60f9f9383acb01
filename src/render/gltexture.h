// A texture a cell makes from RGBA pixels it keeps.  Cells change their
// pixels while no context is current (loading, recolouring, undo), so a
// change only marks the texture stale; the next bind with a context current
// uploads the pixels with their mipmaps.  The name goes to the release
// queue (glrelease.h) when the texture is dropped or its owner destroyed.
#pragma once
#include <GL/gl.h>

#include "platform/types.h"

class CGlTexture {
 public:
  CGlTexture() = default;
  CGlTexture(const CGlTexture&) = delete;
  CGlTexture& operator=(const CGlTexture&) = delete;
  ~CGlTexture() { Release(); }

  // The pixels changed: the next Bind uploads them again.
  void MarkStale() { m_bStale = true; }
  bool IsStale() const { return m_bStale || !IsValid(); }

  // Binds the texture to GL_TEXTURE_2D (a context must be current), first
  // making its name and uploading `width` x `height` RGBA pixels, rows from
  // the bottom up, with their mipmaps when it is stale.  False, with
  // nothing bound, when there are no pixels or no name could be made.
  bool Bind(int width, int height, const BYTE* rgba);
  // The name in the current context, 0 while there is none.
  GLuint Name() const { return IsValid() ? m_name : 0; }
  // Queues the name for deletion; a later Bind makes a new one.
  void Release();

 private:
  bool IsValid() const;

  GLuint m_name = 0;
  unsigned m_generation = 0;
  bool m_bStale = true;
};
