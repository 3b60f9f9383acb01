#include "editing/pictureinserts.h"

#include <QImage>

#include "cells/texts/cgtextbit.h"
#include "commands/commandframe.h"
#include "editing/editcommands.h"
#include "editing/edittexts.h"
#include "formula/drawing/imageconversions.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/clipboard.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"
#include "render/picturefile.h"

namespace {
void Tell(const QString& text) { KvMessageBox(text, QString(), MB_OK | MB_ICONINFORMATION); }

void OnCreateText(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  int width = 0, height = 0;
  std::vector<BYTE> mask = PasteClipboardImage(&width, &height, static_cast<int>(CGTextbit::kMaxSide));
  if (mask.empty()) {
    Tell(QString::fromUtf8(kTextNoPictureForText));
    return;
  }
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  const WORD id = build.NextId();
  const auto w = static_cast<DWORD>(width), h = static_cast<DWORD>(height);
  CGTextbit* text = page->m_selPoints.empty()
                        ? new CGTextbit(id, w, h, std::move(mask))
                        : new CGTbHenchman(id, w, h, std::move(mask), page->m_selPoints.front());
  text->m_nSubKind = 0;
  build.Add(text);
  build.Commit(QString::fromUtf8(kCmdNamePasteTextPicture));
}

void OnUpdateCreateText(CKavrelDoc&, CCmdUI& ui) { ui.Enable(Clipboard().HasImage()); }

void OnCreateImage(CKavrelDoc& doc) {
  const QString path = FileChooser().ChooseOpen(QString(), QtFileFilter(kFilterPictureFiles), QString());
  if (path.isEmpty()) return;
  CPictureFile picture = ReadPictureFile(path);
  if (!picture.failure.isEmpty()) {
    Tell(picture.failure);
    return;
  }
  doc.AddImageCell(picture.width, picture.height, std::move(picture.rows));
}

const CDocCommandRows rows({
    {ID_CREATE_TEXT, OnCreateText, OnUpdateCreateText},
    {ID_CREATE_IMAGE, OnCreateImage},
});
}  // namespace

CPictureFile ReadPictureFile(const QString& path) {
  CPictureFile picture;
  // A picture larger than a picture cell may be (a panorama) comes in
  // scaled down to fit, not refused.
  CPictureRead read = ReadPicture(path, static_cast<int>(CGTextbit::kMaxSide));
  if (read.Failed()) {
    picture.failure = QString::asprintf(kTextPictureFileUnreadable, read.code, read.reason.toUtf8().constData());
    return picture;
  }
  QImage image = std::move(read.image);
  // Palette, grey and 16-bit pictures become true colour here, in memory.
  if (image.depth() < 24) {
    image = image.convertToFormat(QImage::Format_RGB888);
    if (image.isNull()) {
      picture.failure = QString::fromUtf8(kTextPictureNotTrueColour);
      return picture;
    }
  }
  picture.rows = PictureRows(image);
  if (picture.rows.empty()) {
    picture.failure = QString::fromUtf8(kTextPictureNoPixels);
    return picture;
  }
  picture.width = image.width();
  picture.height = image.height();
  return picture;
}
