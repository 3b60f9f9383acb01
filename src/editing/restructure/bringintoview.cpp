// Bringing texts, pictures, measurements and buttons placed beyond a smaller
// screen's edges back into it, on every page.
#include <QGuiApplication>
#include <QScreen>
#include <QString>

#include "editing/restructure/restructuretexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
// The primary screen's size in pixels; a headless run without one counts
// as the smallest common projector.
QSize ScreenSize() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) return screen->size();
  return {1024, 768};
}

void OnBringIntoView(CKavrelDoc& doc) {
  const QSize size = ScreenSize();
  const float halfWidth = static_cast<float>(size.width() - 80) / 2;
  const float halfHeight = static_cast<float>(size.height() - 80) / 2;
  int moved = 0;
  for (auto& page : doc.m_pages)
    EditPageAndSettle(*page, [&](CGPage& edited) { moved += edited.BringPlanarCellsIntoView(halfWidth, halfHeight); });
  if (moved > 0) {
    doc.SetModifiedFlag();
    UiBridge().UpdateAllViews();
    KvMessageBox(QString::asprintf(kTextBroughtIntoView, moved));
  } else {
    KvMessageBox(QString::fromUtf8(kTextNothingOutOfView));
  }
}

const CDocCommandRows rows({
    {kCmdBringIntoView, OnBringIntoView},
});
}  // namespace
