// The print preview's sheets (xvfb): what it shows of a page's picture at
// its fitted zoom and zoomed in, against what prints; the pictures it asks
// the view for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <vector>

#include "app/gui/keptpictures.h"
#include "ui/printing/pagepictures.h"
#include "ui/printing/sheetlayout.h"
#include "ui/printing/sheetpreview.h"
#include "ui/printing/sheetprinter.h"

namespace KAVREL_FILE_LOCAL {

const QColor kSliderBlue(153, 153, 229), kLineGreen(0, 160, 0);

// The slider's bar in a picture: a quarter of its width, left of its middle line.
QRect SliderIn(const QRect& picture) {
  return QRect(picture.width() / 12, picture.height() / 8, picture.width() / 4, 16);
}

// A page's picture as the GL view hands it over, `width` wide and two
// thirds as high: white, a pale-blue slider with a red handle and a cross of
// one-pixel green lines; where GL blended, the byte that Format_RGB32
// leaves unused holds an alpha below 255.
QImage ViewPicture(int width) {
  QImage picture(width, width * 2 / 3, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.fillRect(SliderIn(picture.rect()), kSliderBlue);
  painter.fillRect(QRect(SliderIn(picture.rect()).center() - QPoint(3, 10), QSize(6, 20)), Qt::red);
  painter.fillRect(QRect(width / 2, 0, 1, picture.height()), kLineGreen);
  painter.fillRect(QRect(0, picture.height() / 2, width, 1), kLineGreen);
  painter.end();
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x)
      if ((line[x] | 0xFF000000u) != qRgb(255, 255, 255)) line[x] = (line[x] & 0x00FFFFFFu) | 0xBF000000u;
  }
  return picture;
}

// Rows: the width of the view's picture and the preview's zoom (0: fitted,
// where a sheet is shown at about 40 %).  A large view is shrunk in the
// preview up to 150 %; a small one is shown larger than it is.  The
// preview's new zoom asks for the sheets anew.
TEST(SheetPreview, ShowsThePrintedColoursAndOnePixelLinesAtEveryZoom) {
  const std::pair<int, double> rows[] = {{1200, 0}, {1200, 1.0}, {1200, 1.5}, {300, 1.5}};
  QPrinter printer(QPrinter::ScreenResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  const QRect printable(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize());
  KeptPictures pictures;
  std::unique_ptr<QPrintPreviewWidget> preview;
  int previewed = 0;
  QImage picture;
  const CPrintJob job{1, [&](int) { return picture; }, [](int) { return QString(); }};
  for (const auto& [width, zoom] : rows) {
    picture = ViewPicture(width);
    // The sheet as a printer gets it, and the colour of its slider.
    QImage printed(printable.size(), QImage::Format_RGB32);
    printed.fill(Qt::white);
    QPainter painter(&printed);
    PrintSheet(painter, printable, 1, job);
    painter.end();
    const QRect shown = LayOutSheet(printable, picture.size()).image;
    const double sheetScale = static_cast<double>(shown.width()) / picture.width();
    const QColor slider = printed.pixelColor(shown.topLeft() + SliderIn(picture.rect()).topLeft() * sheetScale +
                                             QPoint(2, 2));
    EXPECT_EQ(slider, kSliderBlue) << width;

    // One preview for each picture, zoomed from row to row as a user would.
    if (!preview || width != previewed) {
      preview = std::make_unique<QPrintPreviewWidget>(&printer);
      PreviewSheets(*preview, job);
      preview->resize(800, 500);
      preview->show();
      previewed = width;
    }
    zoom > 0 ? preview->setZoomFactor(zoom) : preview->fitInView();
    QImage view;
    for (int pass = 0; pass < 4; ++pass) {  // the sheets are recorded anew for a new zoom
      QApplication::processEvents();
      view = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    pictures.Keep(QByteArray::number(width).append('-').append(QByteArray::number(zoom * 100)).constData(), view);
    const double scale = sheetScale * preview->zoomFactor() * preview->logicalDpiY() / printer.logicalDpiY();
    if (zoom == 0) {
      EXPECT_LT(scale, 0.25);
    }
    int sliderPixels = 0, strayPixels = 0;
    std::set<int> greenRows, greenColumns;
    for (int y = 0; y < view.height(); ++y) {
      for (int x = 0; x < view.width(); ++x) {
        const QColor c = view.pixelColor(x, y);
        const int r = c.red(), g = c.green(), b = c.blue();
        sliderPixels += std::abs(r - slider.red()) + std::abs(g - slider.green()) + std::abs(b - slider.blue()) < 12;
        strayPixels += (r > 180 && b > 180 && g < 90) || (r > 180 && g > 180 && b < 90);  // magenta, yellow
        if (g >= r + 8 && g >= b + 8) greenRows.insert(y), greenColumns.insert(x);
      }
    }
    const QSize bar = SliderIn(picture.rect()).size() * scale;
    EXPECT_GT(sliderPixels, bar.width() * bar.height() / 3) << width << " " << zoom << ": the slider's printed colour";
    EXPECT_EQ(strayPixels, 0) << width << " " << zoom;
    // The cross of one-pixel lines, green in every row and column it spans
    // in the preview's window.
    EXPECT_GE(static_cast<int>(greenRows.size()), std::min<int>(picture.height() * scale, view.height() - 20) - 1)
        << width << " " << zoom;
    EXPECT_GE(static_cast<int>(greenColumns.size()), std::min<int>(width * scale, view.width() - 20) - 1)
        << width << " " << zoom;
  }
}

// Opening the preview of 20 pages, one zoom in, fitting to the width and
// nine steps of resizing the window show the sheets anew at each zoom, and
// ask the view for each page's picture once; the preview's print command
// prints them all without asking again.
TEST(SheetPreview, AsksTheViewForEachPageOnceWhateverTheZoom) {
  constexpr int kPages = 20;
  QTemporaryDir folder;
  QPrinter printer(QPrinter::ScreenResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  std::vector<int> asked(kPages + 1, 0);
  const QImage picture = ViewPicture(600);
  const CPrintJob job{kPages, [&](int number) { return ++asked.at(number), picture; }, [](int) { return QString(); }};
  QPrintPreviewWidget preview(&printer);
  PreviewSheets(preview, job);
  int recordings = 0;
  QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&] { ++recordings; });
  preview.resize(700, 500);
  preview.show();
  // A new zoom settles once the sheets are recorded for it, whenever the
  // display gets to showing them.
  const auto settle = [&](int before) { QTRY_VERIFY_WITH_TIMEOUT(recordings > before, 5000); };
  QTRY_COMPARE_WITH_TIMEOUT(preview.pageCount(), kPages, 5000);
  QTRY_VERIFY_WITH_TIMEOUT(std::count(asked.begin(), asked.end(), 1) == kPages, 5000);
  const int opened = recordings;
  double zoom = preview.zoomFactor();
  int before = recordings;
  preview.zoomIn();
  settle(before);
  EXPECT_GT(preview.zoomFactor(), zoom);
  before = recordings;
  preview.fitToWidth();
  settle(before);
  for (int step = 1; step <= 9; ++step) {
    zoom = preview.zoomFactor();
    before = recordings;
    preview.resize(700 + 40 * step, 500 + 20 * step);
    QTRY_VERIFY_WITH_TIMEOUT(preview.zoomFactor() != zoom, 5000);
    settle(before);
  }
  EXPECT_GE(recordings, opened + 11) << "each new zoom shows the sheets anew";
  std::vector<int> once(kPages + 1, 1);
  once[0] = 0;
  EXPECT_EQ(asked, once);

  printer.setOutputFileName(folder.filePath(QStringLiteral("preview.pdf")));
  preview.print();
  QFile pdf(printer.outputFileName());
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), kPages);
  EXPECT_EQ(asked, once);
}

// A kept picture comes back as the view drew it, to the byte GL blending
// left unused, at its pixel ratio; a page drawn as nothing stays so.
TEST(SheetPreview, KeepsThePagesPicturesAsDrawn) {
  QImage fine = ViewPicture(300);
  fine.setDevicePixelRatio(2);
  const QImage pictures[] = {ViewPicture(601), fine, QImage()};
  int asked = 0;
  const CPrintJob kept = KeepPagePictures({3, [&](int number) { return ++asked, pictures[number - 1]; }, {}});
  for (int pass = 0; pass < 2; ++pass) {
    for (int number = 1; number <= 3; ++number) {
      const QImage& drawn = pictures[number - 1];
      const QImage again = kept.pageImage(number);
      ASSERT_EQ(again.size(), drawn.size()) << number;
      EXPECT_EQ(again.format(), drawn.format()) << number;
      EXPECT_EQ(again.devicePixelRatio(), drawn.devicePixelRatio()) << number;
      EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(again.constBits()), again.sizeInBytes()),
                QByteArray(reinterpret_cast<const char*>(drawn.constBits()), drawn.sizeInBytes()))
          << number;
    }
  }
  EXPECT_EQ(asked, 3);
}

}  // namespace
