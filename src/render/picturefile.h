// Picture files the user chooses (a picture cell, a texture, a picture in a
// rich text): read through ReadFileBytes, so a pipe, a device or a folder is
// refused at once, then checked against what their header declares before
// they are decoded within an allocation limit.
#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>


// Larger picture files are refused before they are read.
inline constexpr qint64 kMaxPictureFileBytes = qint64(256) << 20;
// The decoder refuses, before it allocates, a picture that would need more
// (in megabytes).
inline constexpr int kMaxDecodedPictureMegabytes = 256;

// A decoded picture, or why there is none: the image reader's error code
// (QImageReader::ImageReaderError) and the reason in words.
struct CPictureRead {
  QImage image;
  unsigned code = 0;
  QString reason;
  bool Failed() const { return !reason.isEmpty(); }
};

// Decodes the bytes; formatHint (a file suffix) is tried before the content
// decides.  With maxSide, a picture that is larger is decoded scaled down
// to fit it (FittedPictureSize).
CPictureRead DecodePicture(const QByteArray& bytes, const QByteArray& formatHint = {}, int maxSide = 0);
// Reads and decodes the file; a file that cannot be read gives the path and
// the reason.
CPictureRead ReadPicture(const QString& path, int maxSide = 0);

// The size a picture of `size` is decoded at: as it is when maxSide is 0,
// or when neither side passes maxSide and it fits the allocation limit;
// else scaled down, proportions kept, until it does, each side at least 1.
QSize FittedPictureSize(QSize size, int maxSide);
// The bytes decoded as `format` within the allocation limit, at their
// fitted size: scaled while decoding where the format allows (a JPEG
// decodes at a fraction of its size), else after.  Bitmaps that promise
// more pixels than they hold are refused (PictureShortfall).
CPictureRead DecodePictureIn(const QByteArray& bytes, const QByteArray& format, int maxSide);

// Why a bitmap's header promises pixels the bytes do not hold (fewer pixel
// bytes than its size and depth need, a zero side), or empty.  Formats
// whose decoder finds a cut itself pass.
QString PictureShortfall(const QByteArray& bytes);

// The picture scaled down, keeping its proportions, so that neither side
// exceeds maxSide (and none falls below one pixel); a picture that fits is
// returned as it is.
QImage ScaledWithin(QImage picture, int maxSide);
