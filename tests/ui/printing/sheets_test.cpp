// Printed sheets: where the frame, the texts and the picture go, and which
// pages a print job draws, into a PDF file.
#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "ui/printing/sheetlayout.h"
#include "ui/printing/sheetprinter.h"

namespace KAVREL_FILE_LOCAL {

TEST(SheetLayout, FrameTextsAndPictureScaledIntoTheFrame) {
  // Printable area, picture size; then the frame, the picture, the name's and the number's places.
  const std::tuple<QRect, QSize, QRect, QRect, QPoint, QPoint> rows[] = {
      {QRect(0, 0, 1000, 1000), QSize(800, 600), QRect(80, 90, 840, 820), QRect(100, 200, 800, 600), QPoint(500, 70),
       QPoint(500, 930)},
      {QRect(10, 20, 2000, 1000), QSize(100, 50), QRect(170, 110, 1680, 820), QRect(230, 130, 1560, 780),
       QPoint(1010, 90), QPoint(1010, 950)},
      {QRect(0, 0, 1000, 1000), QSize(), QRect(80, 90, 840, 820), QRect(), QPoint(500, 70), QPoint(500, 930)},
      {QRect(0, 0, 40, 40), QSize(800, 600), QRect(3, 3, 34, 34), QRect(), QPoint(20, 3), QPoint(20, 37)},
  };
  for (const auto& [printable, image, frame, shown, nameAt, numberAt] : rows) {
    const CSheetLayout sheet = LayOutSheet(printable, image);
    EXPECT_EQ(std::make_tuple(sheet.frame, sheet.image, sheet.nameAt, sheet.numberAt),
              std::make_tuple(frame, shown, nameAt, numberAt))
        << printable.width() << " x " << image.width();
  }
}

TEST(SheetPrinter, EachPageOfTheRangeOnItsOwnSheetItsPictureDrawnThen) {
  const std::tuple<int, int, int, std::vector<int>> rows[] = {
      {0, 0, 3, {1, 2, 3}}, {2, 3, 2, {2, 3}}, {3, 4, 2, {3}}};  // from, to, sheets, pictures drawn
  for (const auto& [from, to, sheets, expected] : rows) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("sheets.pdf")));
    if (from) printer.setPrintRange(QPrinter::PageRange), printer.setFromTo(from, to);
    std::vector<int> drawn;
    CPrintJob job{3, [&](int number) { return drawn.push_back(number), QImage(64, 48, QImage::Format_RGB32); },
                  [](int number) { return QString::number(number); }};
    PrintSheets(printer, job);
    EXPECT_EQ(drawn, expected) << from;
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), sheets) << from;
  }
}

}  // namespace
