// Formulas in a rich text: the formula's picture, written as a DIB picture
// other RTF readers show, preceded by its mark-up in a {\*\kvvod } group
// that they skip, so the formula can be edited again here.
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

class QTextCursor;
class QTextDocument;

// The two groups: {\*\kvvod <mark-up as UTF-8 hex>}{\pict\dibitmap0 ...}.
QByteArray FormulaPictureRtf(const QString& markup, const QImage& picture);

// The mark-up held by a kept {\*\kvvod } group; empty for any other group.
QString FormulaMarkupOf(const QByteArray& keptGroup);

// Renders the formula and puts it at the cursor in place of the selection;
// false (nothing changed) when the mark-up gives no picture.
bool InsertFormula(QTextCursor& cursor, const QString& markup);

// The formula whose picture is the character at `position`: its mark-up,
// with `start` set to where its mark-up group stands; empty when the
// character is no formula picture.
QString FormulaAt(const QTextDocument& doc, int position, int* start);
