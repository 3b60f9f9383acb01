// The presentation package and its slide reader, as the import reads them:
// the zip, the slide list and size, and each slide's shapes.
#include <QString>
#include <algorithm>

#include "editing/presentation/pptxdeck.h"
#include "editing/presentation/pptxpackage.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  CPptxPackage package;
  if (!package.Open(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)))) return 0;
  CPptxDeck deck;
  QString failure;
  if (!ReadPptxDeck(package, &deck, &failure)) return 0;
  FuzzNoteLoaded();
  const size_t slides = std::min<size_t>(deck.slideParts.size(), 8);
  for (size_t i = 0; i < slides; ++i) {
    CPptxSlide slide;
    ReadPptxSlide(package, deck.slideParts[i], &slide, &failure);
  }
  return 0;
}
