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
// Damaged groups give what can be read.  A picture is decoded no larger
// than 4096 pixels a side, the most the text lays one out at: a larger one
// scaled down, its proportions kept.
KeptPicture ReadKeptPicture(const QByteArray& group, const QString& kind);

// A picture file as a kept picture group: PNG and JPEG files as they are,
// other readable pictures as PNG, and one over 4096 pixels a side scaled
// down to that (a JPEG one as JPEG); empty for what cannot be decoded.
QByteArray PictureFileRtf(const QByteArray& file);
// Puts the picture file in place of the cursor's selection; false, nothing
// changed, when it is no picture or cannot be read, with why in `why` (the
// path, and the reason when there is one).
bool InsertPictureFile(QTextCursor& cursor, const QString& path, QString* why = nullptr);

// The format for text typed after a kept group: its own, without the group.
QTextCharFormat WithoutKeptGroup(QTextCharFormat format);

// Makes doc's layout draw the kept groups (once per document).
void ShowKeptObjects(QTextDocument& doc);
