// Paragraph numbering as RTF's {\*\pn ...} group states it and as a QTextList
// shows it.  Qt 6.4 lists always count from 1: the start number is kept on
// the list format and written back, but not shown.
#pragma once
#include <QByteArray>
#include <QString>
#include <QTextListFormat>

struct RtfNumbering {
  QTextListFormat::Style style = QTextListFormat::ListStyleUndefined;  // undefined: not numbered
  int start = 1;
  QString before, after;  // \pntxtb and \pntxta
  bool operator==(const RtfNumbering&) const = default;
};

// Applies one control word of a \pn group; false when it is not a numbering word.
bool ApplyNumberingWord(RtfNumbering& numbering, const QByteArray& word, long param);

QTextListFormat ListFormatOf(const RtfNumbering& numbering);
RtfNumbering NumberingOf(const QTextListFormat& list);

// The {\*\pn ...} group for a numbered paragraph.
QByteArray NumberingGroup(const RtfNumbering& numbering, void (*appendText)(QByteArray&, const QString&));
