// The metafile player that draws the previews of embedded formulas, on any
// bytes, into a small picture.
#include <QImage>
#include <QPainter>

#include "fuzzsupport.h"
#include "richtext/wmfplayer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  QImage picture(48, 32, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  if (PlayWmf(FuzzBytes(data, size), painter, QRectF(0, 0, 48, 32))) FuzzNoteLoaded();
  return 0;
}
