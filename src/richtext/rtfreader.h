// Reads the RTF that the rich-text editor stores (and that the Windows rich
// edit wrote) into a QTextDocument.  Hostile text never crashes or hangs the
// reader: it keeps every character it can read and says what it could not.
// Pictures, objects and unknown {\* } groups are kept whole (see rtfformat.h).
#pragma once
#include <QByteArray>

class QTextDocument;

struct RtfReadResult {
  bool complete = true;        // false: unbalanced, truncated, too deep or bad \bin
  bool droppedContent = false; // groups not kept (fields, headers, notes ...)
};

RtfReadResult ReadRtf(const QByteArray& rtf, QTextDocument& doc);
