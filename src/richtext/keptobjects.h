// How the pictures and objects kept in a rich text show: a PNG, JPEG or DIB
// picture as its image, at the size the text gives it; an object as the
// picture of its result; anything else (metafiles among them) as a frame of
// the stored size with the object's class name.  Nothing of it can be
// activated.  Other kept groups take no room.
#pragma once
#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QTextCharFormat>

class QTextCursor;
class QTextDocument;

struct KeptPicture {
  QImage image;    // null: drawn as a frame
  QSizeF size{0, 0};  // pixels at 96 dots per inch; empty: takes no room
  QString label;   // shown in a frame: the object's class name
};

// `group` is the whole group, braces included; `kind` its destination word.
// Damaged groups give what can be read, never more than the picture caps.
KeptPicture ReadKeptPicture(const QByteArray& group, const QString& kind);

// A picture file as a kept picture group: PNG and JPEG files as they are,
// other readable pictures as PNG; empty for what is no picture or is larger
// than the picture caps.
QByteArray PictureFileRtf(const QByteArray& file);
// Puts the picture file in place of the cursor's selection; false, nothing
// changed, when it is no picture or cannot be read, with why in `why` (the
// path, and the reason when there is one).
bool InsertPictureFile(QTextCursor& cursor, const QString& path, QString* why = nullptr);

// The format for text typed after a kept group: its own, without the group.
QTextCharFormat WithoutKeptGroup(QTextCharFormat format);

// Makes doc's layout draw the kept groups (once per document).
void ShowKeptObjects(QTextDocument& doc);
