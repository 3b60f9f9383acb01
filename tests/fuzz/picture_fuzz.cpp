// The reader of the picture files a user chooses (a picture cell, a texture,
// a picture in a rich text): the header checks and the decoder within its
// allocation limit; a picture that decodes becomes a rich text's picture
// group, which reads back as a picture.
#include "fuzzsupport.h"
#include "render/picturefile.h"
#include "richtext/keptobjects.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  const QByteArray bytes = FuzzBytes(data, size);
  const CPictureRead read = DecodePicture(bytes);
  if (read.Failed()) return 0;
  FuzzNoteLoaded();
  const QByteArray group = PictureFileRtf(bytes);
  if (!group.isEmpty()) ReadKeptPicture(group, QStringLiteral("pict"));
  return 0;
}
