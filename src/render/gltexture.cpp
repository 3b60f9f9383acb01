#include "render/gltexture.h"

#include <GL/glu.h>

#include "render/glrelease.h"
#include "render/pixelunpack.h"

bool CGlTexture::IsValid() const { return m_name != 0 && m_generation == GlGeneration(); }

bool CGlTexture::Bind(int width, int height, const BYTE* rgba) {
  if (width <= 0 || height <= 0 || !rgba) return false;
  if (!IsValid()) {
    Release();
    glGenTextures(1, &m_name);
    if (m_name == 0) return false;
    m_generation = GlGeneration();
    m_bStale = true;
  }
  glBindTexture(GL_TEXTURE_2D, m_name);
  if (!m_bStale) return true;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  const ScopedUnpack unpack(4);
  gluBuild2DMipmaps(GL_TEXTURE_2D, 4, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  m_bStale = false;
  return true;
}

void CGlTexture::Release() {
  if (m_name != 0) ReleaseGlTexture(m_name, m_generation);
  m_name = 0;
  m_bStale = true;
}
