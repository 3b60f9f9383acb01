// What the rich-text editor does without a window, so that texts can be
// rendered (and pasted texts turned into pictures) where no dialog is shown:
// loading the editor's input into a QTextDocument, and at OK turning the
// document into the RTF string, a title and a one-bit mask.
#pragma once
#include <QSize>
#include <QString>
#include <QTextCharFormat>
#include <vector>

#include "platform/types.h"

class CDlgRtEdit;
class QMimeData;
class QTextDocument;

// The title of a text: its first 4 characters and "..." when it has more
// than 5; shorter texts unchanged.
QString RichTextTitle(const QString& plain);

// The format new text is written in: bold, 26 points, "宋体".
QTextCharFormat RichTextDefaultFormat();

// Puts data's text into doc and marks it unmodified: in plain-text mode the
// plain text, all in data's face and size; otherwise the unpacked RTF.
// False when the RTF could not be read whole.
bool LoadRichText(const CDlgRtEdit& data, QTextDocument& doc);

// doc laid out `width` pixels wide and drawn into a white width x height
// picture, as a mask of that size (ink where the colour mean is below 192).
std::vector<BYTE> RenderRichTextMask(const QTextDocument& doc, int width, int height);

// What OK takes from the editor, whose text area is `content`: nothing
// (false) for an empty document.  Otherwise data gets the RTF string (its
// input string unchanged when the text was loaded from RTF and not edited),
// the title, the content size and the mask.
bool TakeRichText(const QTextDocument& doc, QSize content, bool edited, CDlgRtEdit& data);

// Reads a pasted text (RTF before HTML before plain text; RTF through our
// own reader) and renders it as TakeRichText does into a text area of
// width by height + 5 pixels.  False, data untouched, when nothing could be
// read or the text is empty.
bool RenderPastedRichText(const QMimeData& mime, int width, int height, CDlgRtEdit& data);

// The dialog's height when the editor asks for `requested` pixels, with
// `extra` pixels around the editor and the dialog `current` pixels high:
// requested + 10 + extra within 200 to 700; once at 700 the dialog no
// longer follows the text.
int FittedRichTextHeight(int requested, int extra, int current);
