#include "view/backgroundbuffer.h"

#include <GL/gl.h>

#include <new>

namespace {
// GL rows of RGB bytes with the pack alignment at 4.
std::size_t RgbRowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }
}  // namespace

CBackgroundBuffer::CBackgroundBuffer(std::size_t maxBytes) : m_nMaxBytes(maxBytes) {}

std::size_t CBackgroundBuffer::BytesFor(int width, int height) {
  if (width < 0 || height < 0) return 0;
  return (static_cast<std::size_t>(width) * 24 + 271) / 32 * (static_cast<std::size_t>(height) + 10) * 4;
}

bool CBackgroundBuffer::Allocate(int width, int height) {
  m_data.reset();
  m_nBytes = 0;
  const std::size_t bytes = BytesFor(width, height);
  if (bytes == 0 || bytes > m_nMaxBytes) return false;
  m_data.reset(new (std::nothrow) unsigned char[bytes]());
  if (!m_data) return false;
  m_nBytes = bytes;
  m_width = width;
  m_height = height;
  return true;
}

bool CBackgroundBuffer::AllocateForScreen(int width, int height) {
  const bool ok = Allocate(width, height);
  m_width = width + 10;
  m_height = height + 10;
  return ok;
}

bool CBackgroundBuffer::AllocateForDisplay(int width, int height) {
  const bool ok = AllocateForScreen(width, height);
  if (g_bBackgroundDirty == 0) g_bBackgroundDirty = 1;
  return ok;
}

bool CBackgroundBuffer::FitArea(int width, int height) {
  if (m_data && width <= m_width && height <= m_height) return true;
  g_bBackgroundDirty = 1;
  if (Allocate(width, height)) return true;
  // Nothing to capture into until a later resize gets a buffer again.
  m_width = width;
  m_height = height;
  return false;
}

bool CBackgroundBuffer::Holds(int width, int height) const {
  return m_data && width > 0 && height > 0 && RgbRowBytes(width) * static_cast<std::size_t>(height) <= m_nBytes;
}

bool CBackgroundBuffer::Capture(int width, int height) {
  if (!Holds(width, height)) return false;
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, m_data.get());
  glPopClientAttrib();
  g_bBackgroundDirty = 0;
  return true;
}

bool CBackgroundBuffer::Draw(int width, int height) const {
  if (!Holds(width, height)) return false;
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glDrawPixels(width, height, GL_RGB, GL_UNSIGNED_BYTE, m_data.get());
  glPopClientAttrib();
  return true;
}
