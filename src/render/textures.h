// The fifteen picture textures (picture numbers 1 to 15 at slot indices 0 to
// 14) and the loading of picture files into them.  Pictures become bottom-up
// rows of B, G, R bytes padded to 4 bytes, the layout the document stores
// and gluBuild2DMipmaps receives with the unpack alignment at 4.
#pragma once
#include <GL/gl.h>

#include <QImage>
#include <QString>
#include <vector>

#include "platform/types.h"

inline constexpr int kPictureTextureCount = 15;
// The longest side of a texture picture: documents store the first three
// pictures and refuse a longer side when they are opened, so a longer
// picture is scaled down to it as it is loaded.
inline constexpr int kMaxTexturePictureSide = 16384;

struct CTextureSlot {
  // Set for the program's own picture, whose pixels need not be kept: the
  // document stores only replaced pictures.
  BYTE noCopy = 1;
  int width = 0;
  int height = 0;
  // The picture's pixels: waiting for upload, and afterwards kept as the
  // slot's copy unless noCopy is set.
  std::vector<BYTE> pixels;
  bool uploadPending = false;
};
extern CTextureSlot g_textureSlots[kPictureTextureCount];

// Bytes of one bottom-up BGR row of a picture `width` pixels wide.
inline int BgrRowBytes(int width) { return ((width * 24 + 31) / 32) * 4; }

// The picture as bottom-up BGR rows padded to 4 bytes (padding zeroed).
// Only true-colour pictures of 3 or 4 bytes per pixel with 8-bit channels
// are taken; false for anything else or when memory runs out.
bool PictureToBottomUpBgr(const QImage& picture, std::vector<BYTE>& out);

// Loads a picture file into slot 0..14: a picture below 24 bits per pixel is
// converted to true colour in memory first.  On failure it shows one of the
// three picture messages, leaves the slot as it was and returns false.  The
// upload into the slot's texture waits for UploadPendingTextures.
bool LoadTextureImage(int slot, bool noCopy, const QString& path);

// Loads a picture file straight into a texture (a context must be current):
// binds it and builds its mipmaps.  Silent; false when the file cannot be
// read or its pixels are not supported.
bool LoadTextureFromImage(GLuint texture, const QString& path);

// Makes the fifteen texture names when the current context has none, and
// uploads every slot whose pixels wait; slots marked noCopy drop their
// pixels afterwards.  Called by the view with its context current.
void UploadPendingTextures();
// Deletes the texture names of the current context (it is being torn down);
// slots with kept pixels upload them again into the next context.
void ReleasePictureTextures();
