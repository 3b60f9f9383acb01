// What the editing tests share: a page's stored bytes and cell records to
// compare before and after, the clipboard record, and a clipboard that can
// hold a record and a picture at once (as the system clipboard can).
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <map>
#include <optional>
#include <string>

#include "editing/clipboardexchange.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "platform/archive.h"
#include "platform/clipboard.h"

inline QByteArray PageBytes(CGPage& page) {
  CArchive ar;
  page.Serialize(ar);
  return ar.Bytes();
}

// Class name and record of every cell, by id.
inline std::map<WORD, QByteArray> CellRecords(const CGPage& page) {
  std::map<WORD, QByteArray> records;
  for (auto [id, cell] : page.m_cells) {
    CArchive ar;
    cell->Serialize(ar);
    records[id] = QByteArray(cell->GetRuntimeClass()->m_lpszClassName) + ':' + ar.Bytes();
  }
  return records;
}

inline QByteArray ClipboardRecord() {
  return Clipboard().Data(QString::fromLatin1(kClipboardFormat)).value_or(QByteArray());
}
inline void PutRecord(const QByteArray& record) {
  Clipboard().SetData(QString::fromLatin1(kClipboardFormat), record);
}

class TwoFormatClipboard : public IClipboard {
 public:
  void SetData(const QString& format, const QByteArray& data) override {
    records[format] = data;
    NotifyClipboardChanged();
  }
  std::optional<QByteArray> Data(const QString& format) const override {
    auto it = records.find(format);
    if (it == records.end()) return std::nullopt;
    return it->second;
  }
  bool HasFormat(const QString& format) const override { return records.count(format) != 0; }
  void SetImage(const QImage& picture) override {
    image = picture;
    hasImage = !picture.isNull();
    NotifyClipboardChanged();
  }
  QImage Image() const override { return image; }
  bool HasImage() const override { return hasImage; }
  void SetText(const QString&) override {}
  QString Text() const override { return {}; }

  std::map<QString, QByteArray> records;
  QImage image;
  bool hasImage = false;  // may say so while the picture cannot be had
};
