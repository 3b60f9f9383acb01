// The rich-text reader on any bytes, drawn as the mask OK makes; a text the
// reader reads whole is written, read back whole with the same characters,
// and written again to the same bytes.
#include <QTextDocument>

#include "fuzzsupport.h"
#include "richtext/richtextrender.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  QTextDocument doc;
  const RtfReadResult read = ReadRtf(FuzzBytes(data, size), doc);
  RenderRichTextMask(doc, 64, 32);
  if (!read.complete) return 0;
  FuzzNoteLoaded();
  const QByteArray written = WriteRtf(doc);
  QTextDocument back;
  if (!ReadRtf(written, back).complete) FuzzFinding("a written text does not read whole");
  if (back.toPlainText() != doc.toPlainText()) FuzzFinding("a written text reads back with other characters");
  if (WriteRtf(back) != written) FuzzFinding("a text read back is written with other bytes");
  return 0;
}
