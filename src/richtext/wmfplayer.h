// A small player of Windows metafiles, enough for the previews that
// embedded formulas carry: window origin and extent, fonts, text out, pens,
// brushes, lines, polylines, polygons and rectangles.  Other records are
// passed over.  Every record's size is checked against what is left; a
// damaged metafile draws what came before the damage.
#pragma once
#include <QByteArray>
#include <QRectF>
#include <QString>

class QPainter;

// Draws the metafile (with or without its placeable header) into `target`.
// False when it is no metafile.
bool PlayWmf(const QByteArray& wmf, QPainter& painter, const QRectF& target);

// Text of a metafile's text record in its font's character set: GBK (134),
// the Symbol set (2, mapped to the characters it shows; others a blank), or
// Latin-1.
QString DecodeMetafileText(const QByteArray& bytes, int charSet);
