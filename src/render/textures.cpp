#include "render/textures.h"

#include <GL/glu.h>

#include <cstring>
#include <new>

#include "platform/notifier.h"
#include "platform/processstate.h"
#include "render/glresources.h"
#include "render/picturefile.h"
#include "render/picturetexts.h"

CTextureSlot g_textureSlots[kPictureTextureCount];

namespace {

#ifndef GL_BGR
#define GL_BGR 0x80E0
#endif

// Formats whose pixels are whole bytes of 8-bit channels, 3 or 4 of them;
// the loader converts them to RGB888 and drops any alpha.
bool IsTrueColour(QImage::Format format) {
  switch (format) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
      return true;
    default:
      return false;
  }
}

// Filtering and wrapping belong to each texture object, so they are set on
// the texture itself, not once on the target before any texture is bound.
void Upload(GLuint texture, int width, int height, const BYTE* bgr) {
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_BGR, GL_UNSIGNED_BYTE, bgr);
  glPopClientAttrib();
}

void ShowReadFailure(const CPictureRead& read) {
  KvMessageBox(QString::asprintf(kTextPictureLoadFailed, read.code, read.reason.toUtf8().constData()));
}

void ResetSlots() {
  for (CTextureSlot& slot : g_textureSlots) slot = CTextureSlot();
}

const ProcessStateReset reset(ResetSlots);

}  // namespace

bool PictureToBottomUpBgr(const QImage& picture, std::vector<BYTE>& out) {
  if (picture.isNull() || !IsTrueColour(picture.format())) return false;
  const QImage rgb = picture.format() == QImage::Format_RGB888
                         ? picture
                         : picture.convertToFormat(QImage::Format_RGB888);
  if (rgb.isNull()) return false;
  const int width = rgb.width();
  const int height = rgb.height();
  const size_t rowBytes = static_cast<size_t>(BgrRowBytes(width));
  std::vector<BYTE> bgr;
  try {
    bgr.assign(rowBytes * static_cast<size_t>(height), 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (int y = 0; y < height; ++y) {
    const uchar* src = rgb.constScanLine(height - 1 - y);  // bottom row first
    BYTE* dst = bgr.data() + rowBytes * static_cast<size_t>(y);
    for (int x = 0; x < width; ++x, src += 3, dst += 3) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
    }
  }
  out.swap(bgr);
  return true;
}

bool LoadTextureImage(int slot, bool noCopy, const QString& path) {
  if (slot < 0 || slot >= kPictureTextureCount) return false;
  CPictureRead read = ReadPicture(path);
  if (read.Failed()) {
    ShowReadFailure(read);
    return false;
  }
  QImage picture = ScaledWithin(std::move(read.image), kMaxTexturePictureSide);
  // Low-colour pictures (palette, grey, 16-bit) become true colour here, in
  // memory, instead of through a temporary JPEG file.
  if (picture.depth() < 24) {
    picture = picture.convertToFormat(QImage::Format_RGB888);
    if (picture.isNull()) {
      KvMessageBox(QString::fromUtf8(kTextPictureNeedsTrueColour));
      return false;
    }
  }
  std::vector<BYTE> bgr;
  if (picture.width() <= 0 || picture.height() <= 0 || !PictureToBottomUpBgr(picture, bgr)) {
    KvMessageBox(QString::fromUtf8(kTextPictureNeeds24Or32Bit));
    return false;
  }
  CTextureSlot& target = g_textureSlots[slot];
  target.noCopy = noCopy ? 1 : 0;
  target.width = picture.width();
  target.height = picture.height();
  target.pixels.swap(bgr);  // the previous picture's pixels go with bgr
  target.uploadPending = true;
  return true;
}

bool LoadTextureFromImage(GLuint texture, const QString& path) {
  QImage picture = ReadPicture(path).image;
  if (picture.isNull()) return false;
  if (picture.depth() < 24) picture = picture.convertToFormat(QImage::Format_RGB888);
  std::vector<BYTE> bgr;
  if (!PictureToBottomUpBgr(picture, bgr)) return false;
  Upload(texture, picture.width(), picture.height(), bgr.data());
  return true;
}

void UploadPendingTextures() {
  if (g_nPictureTextures[0] == 0) {
    glGenTextures(kPictureTextureCount, g_nPictureTextures);
    for (CTextureSlot& slot : g_textureSlots)
      if (!slot.pixels.empty()) slot.uploadPending = true;
  }
  for (int i = 0; i < kPictureTextureCount; ++i) {
    CTextureSlot& slot = g_textureSlots[i];
    if (!slot.uploadPending) continue;
    slot.uploadPending = false;
    if (slot.pixels.empty()) continue;
    Upload(g_nPictureTextures[i], slot.width, slot.height, slot.pixels.data());
    if (slot.noCopy) std::vector<BYTE>().swap(slot.pixels);
  }
}

void ReleasePictureTextures() {
  if (g_nPictureTextures[0] != 0) glDeleteTextures(kPictureTextureCount, g_nPictureTextures);
  for (GLuint& name : g_nPictureTextures) name = 0;
}
