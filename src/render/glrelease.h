// Deferred deletion of OpenGL objects.  Undo, page switches and closing a
// document delete cells while no GL context is current, so the cells cannot
// delete their display lists and textures themselves: they queue them here,
// and the view deletes them the next time its context is current.
//
// Names belong to one context.  Each time the view makes its GL objects
// afresh a new generation begins; names queued from an older generation died
// with their context and are dropped instead of being deleted in the new one.
#pragma once
#include <GL/gl.h>

#include <cstddef>

// The generation of the view's current context (0 before any exists).
unsigned GlGeneration();
// A new context replaces the old one: the queue is emptied unexecuted.
void BeginGlGeneration();

void ReleaseGlLists(GLuint first, GLsizei range, unsigned generation);
void ReleaseGlTexture(GLuint name, unsigned generation);

// Deletes everything queued for the current generation; the view calls it
// with its context current, before it draws.
void DrainGlReleases();
std::size_t PendingGlReleases();

// A block of display lists that a cell makes on first use while drawing and
// hands to the queue when it is rebuilt or destroyed.
class CGlListBlock {
 public:
  CGlListBlock() = default;
  CGlListBlock(const CGlListBlock&) = delete;
  CGlListBlock& operator=(const CGlListBlock&) = delete;
  ~CGlListBlock() { Release(); }

  // The first list of a block of `range` lists valid in the current
  // context, made now when needed (a context must be current); 0 when the
  // driver has no lists left.  `fresh` tells the caller to compile them.
  GLuint Acquire(GLsizei range, bool* fresh = nullptr);
  // True while the block exists in the current context.
  bool IsValid() const { return m_first != 0 && m_generation == GlGeneration(); }
  GLuint First() const { return IsValid() ? m_first : 0; }
  // Takes over `range` lists from `first` made elsewhere in the current
  // context (the block it held before goes to the queue); 0 holds none.
  void Adopt(GLuint first, GLsizei range);
  void Release();

 private:
  GLuint m_first = 0;
  GLsizei m_range = 0;
  unsigned m_generation = 0;
};
