// Windows metafiles written by the tests themselves, record by record as
// the format lays them out: what the previews of embedded formulas hold.
#pragma once
#include <QByteArray>
#include <initializer_list>

// One record: size in words, function, parameters.
inline QByteArray WmfRecord(quint16 function, std::initializer_list<quint16> params) {
  QByteArray r;
  const auto word = [&r](quint16 w) { r.append(static_cast<char>(w & 0xFF)).append(static_cast<char>(w >> 8)); };
  const quint32 words = 3 + static_cast<quint32>(params.size());
  word(words & 0xFFFF), word(words >> 16), word(function);
  for (quint16 p : params) word(p);
  return r;
}

// Type 1, a header of 9 words, version 0x300; the sizes are not read.
inline QByteArray WmfHeader() { return QByteArray::fromHex("010009000003000000000000000000000000"); }

inline QByteArray FormulaPreviewWmf() {
  // A record without parameters; window (0, 0) 100 x 50; a black pen; a rectangle (10, 10)-(90, 40); the
  // Symbol face 30 units high; "a" (α) on the baseline at (50, 35).
  QByteArray font = WmfRecord(0x02FB, {static_cast<quint16>(-30), 0, 0, 0, 400, 0, 0x0200, 0, 0});
  font.append(QByteArray("Symbol").leftJustified(32, '\0'));
  const quint32 words = static_cast<quint32>(font.size() / 2);
  font[0] = static_cast<char>(words), font[1] = static_cast<char>(words >> 8);
  return WmfHeader() + WmfRecord(0x001E, {}) + WmfRecord(0x020B, {0, 0}) + WmfRecord(0x020C, {50, 100}) +
         WmfRecord(0x02FA, {0, 1, 0, 0, 0}) + WmfRecord(0x012D, {0}) + WmfRecord(0x041B, {40, 90, 10, 10}) + font + WmfRecord(0x012D, {1}) +
         WmfRecord(0x012E, {24}) + WmfRecord(0x0521, {1, 'a', 35, 50}) + WmfRecord(0, {});
}

// The same metafile behind the placeable header.
inline QByteArray PlaceableWmf(const QByteArray& wmf) {
  return QByteArray::fromHex("d7cdc69a0000000000000000000000000000000000") + QByteArray(1, 0) + wmf;
}
