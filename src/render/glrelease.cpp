#include "render/glrelease.h"

#include <vector>

#include "platform/processstate.h"

namespace {
struct PendingRelease {
  GLuint name;
  GLsizei range;  // 0 for a texture
  unsigned generation;
};

struct ReleaseQueue {
  unsigned generation = 0;
  std::vector<PendingRelease> pending;
};

ReleaseQueue& Queue() {
  static ReleaseQueue queue;
  return queue;
}

void Enqueue(const PendingRelease& item) {
  if (item.name == 0 || item.generation != Queue().generation) return;
  Queue().pending.push_back(item);
}

// A fresh process starts without a context; the generation keeps counting
// so that names made before a reset can never pass as current.
const ProcessStateReset reset([] { Queue().pending.clear(); ++Queue().generation; });
}  // namespace

unsigned GlGeneration() { return Queue().generation; }

void BeginGlGeneration() {
  Queue().pending.clear();
  ++Queue().generation;
}

void ReleaseGlLists(GLuint first, GLsizei range, unsigned generation) {
  if (range > 0) Enqueue({first, range, generation});
}

void ReleaseGlTexture(GLuint name, unsigned generation) { Enqueue({name, 0, generation}); }

void DrainGlReleases() {
  std::vector<PendingRelease>& pending = Queue().pending;
  for (const PendingRelease& item : pending) {
    if (item.range > 0)
      glDeleteLists(item.name, item.range);
    else
      glDeleteTextures(1, &item.name);
  }
  pending.clear();
}

std::size_t PendingGlReleases() { return Queue().pending.size(); }

GLuint CGlListBlock::Acquire(GLsizei range, bool* fresh) {
  if (fresh) *fresh = false;
  if (IsValid() && m_range == range) return m_first;
  Release();
  const GLuint first = glGenLists(range);
  if (first == 0) return 0;
  m_first = first;
  m_range = range;
  m_generation = GlGeneration();
  if (fresh) *fresh = true;
  return m_first;
}

void CGlListBlock::Adopt(GLuint first, GLsizei range) {
  if (first == m_first && IsValid()) return;
  Release();
  if (first == 0 || range <= 0) return;
  m_first = first;
  m_range = range;
  m_generation = GlGeneration();
}

void CGlListBlock::Release() {
  if (m_first != 0) ReleaseGlLists(m_first, m_range, m_generation);
  m_first = 0;
  m_range = 0;
}
