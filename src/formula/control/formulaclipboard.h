// What the formula editor puts on and takes from the clipboard: mark-up
// records under "DuvoCBFName" (UTF-16 with its terminating zero) and plain
// text turned into lines of text runs.
#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

class CNode;

inline const QString kFormulaClipboardFormat = QStringLiteral("DuvoCBFName");

QByteArray FormulaClipboardRecord(const QString& vod);
// The mark-up of a record; none for a record of odd length, without its
// terminating zero or larger than a .vod file may be.
std::optional<QString> ReadFormulaClipboardRecord(const QByteArray& record);

// Plain text up to this many UTF-16 units pastes; longer text pastes nothing.
inline constexpr int kMaxPastedTextLength = 1023;
// Lines beyond this many are dropped.
inline constexpr int kMaxPastedLines = 21;

struct PastedText {
  CNode* node = nullptr;  // owned by the caller; null when nothing pastes
  bool cut = false;       // lines were dropped, or the text was too long
};
// One line becomes a row holding one run; several become a box of rows,
// an empty line an empty row.  Lines end at "\r\n" or "\n"; control
// characters, which typing never inserts, are left out.
PastedText NodeFromPlainText(const QString& text);
