#include "ui/printing/sheetprinter.h"

#include <cmath>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "ui/printing/printtexts.h"
#include "ui/printing/sheetlayout.h"
#include "view/kavrelview.h"

namespace {
constexpr int kTextPoints = 12;

// The picture with every pixel opaque.  A grab of the GL view keeps the
// framebuffer's alpha (below 255 where blending drew) in the byte that
// Format_RGB32 leaves unused; a printer ignores it, but the preview's
// replay blends with it and shows other colours (yellow, magenta).
QImage OpaquePicture(const QImage& image) {
  QImage opaque = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < opaque.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(opaque.scanLine(y));
    for (int x = 0; x < opaque.width(); ++x) line[x] |= 0xFF000000u;
  }
  return opaque;
}
}  // namespace

void PrintSheet(QPainter& painter, const QRect& printable, int number, const CPrintJob& job, double shownScale) {
  const bool inDocument = number >= 1 && number <= job.pageCount;
  const QImage image = inDocument && job.pageImage ? job.pageImage(number) : QImage();
  const CSheetLayout sheet = LayOutSheet(printable, image.size());
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(sheet.frame);
  const int wide = sheet.frame.width();
  const QString name = inDocument && job.pageName ? job.pageName(number) : QString();
  painter.drawText(QRect(sheet.frame.left(), printable.top(), wide, sheet.nameAt.y() - printable.top()),
                   Qt::AlignHCenter | Qt::AlignBottom, name);
  painter.drawText(QRect(sheet.frame.left(), sheet.numberAt.y(), wide, printable.bottom() - sheet.numberAt.y()),
                   Qt::AlignHCenter | Qt::AlignTop, QString::asprintf(kTextPrintedPageNumber, number));
  if (sheet.image.isEmpty()) return;
  QImage picture = OpaquePicture(image);
  if (shownScale > 0) {
    const QSize shown(static_cast<int>(std::ceil(sheet.image.width() * shownScale)),
                      static_cast<int>(std::ceil(sheet.image.height() * shownScale)));
    if (shown.width() < picture.width())
      picture = picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
  }
  painter.drawImage(sheet.image, picture);
}

void PrintSheets(QPrinter& printer, const CPrintJob& job, double shownScale) {
  int first = 1, last = job.pageCount;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0 && printer.toPage() > 0)
    first = printer.fromPage(), last = printer.toPage();
  if (last < first) return;
  QPainter painter;
  if (!painter.begin(&printer)) return;
  QFont font = painter.font();
  font.setPointSize(kTextPoints);
  painter.setFont(font);
  // The painter's origin is the printable area's corner.
  const QRect printable(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize());
  for (int number = first; number <= last; ++number) {
    if (number > first) printer.newPage();
    PrintSheet(painter, printable, number, job, shownScale);
  }
  painter.end();
}

CPrintJob DocumentPrintJob(CKavrelDoc& doc, CKavrelView& view) {
  CPrintJob job;
  job.pageCount = static_cast<int>(doc.m_pages.size());
  // A page taken away meanwhile prints as a frame.
  const auto page = [&doc](int number) {
    return number >= 1 && number <= static_cast<int>(doc.m_pages.size()) ? doc.m_pages[number - 1].get() : nullptr;
  };
  job.pageImage = [page, &view](int number) { return page(number) ? view.PageImage(*page(number)) : QImage(); };
  job.pageName = [page](int number) { return page(number) ? page(number)->m_strName : QString(); };
  return job;
}
