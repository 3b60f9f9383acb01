// Rich texts are stored as their RTF byte stream packed into a string: two
// bytes per 16-bit unit (first byte in the low half), then a zero unit.
#pragma once
#include <QByteArray>
#include <QString>

QString PackRtfString(const QByteArray& rtf);
// Stops at the first zero unit; a zero high half of the last unit is the
// padding of an odd byte count and is dropped.
QByteArray UnpackRtfString(const QString& packed);
