// Writes a QTextDocument as plain RTF 1.x that other readers (the Windows
// rich edit among them) accept: code page 936, every non-ASCII character as
// \uN with a "?" fallback, one \par after each paragraph.
#pragma once
#include <QByteArray>

class QTextDocument;

QByteArray WriteRtf(const QTextDocument& doc);
