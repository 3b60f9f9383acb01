// Printing the document's pages, one sheet each: the frame, the page's
// name above it, its number below it and its picture inside.  A page's
// picture is drawn only when its sheet is, so a long document never holds
// more than one at a time.
#pragma once
#include <QImage>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QRect;
class CKavrelDoc;
class CKavrelView;

struct CPrintJob {
  int pageCount = 0;
  // Page n (from 1) as the view draws it, and its name.
  std::function<QImage(int)> pageImage;
  std::function<QString(int)> pageName;
};

// The pages of the printer's range (all when it names none); a page beyond
// the document prints its frame alone.  `shownScale` is for a preview: the
// screen pixels one device unit of the sheet is shown as (0 when printed).
void PrintSheets(QPrinter& printer, const CPrintJob& job, double shownScale = 0);

// Sheet `number` (from 1) in the printable area, its origin the painter's.
// A preview gets the page's picture smoothly scaled to the size it is
// shown at: the preview replays the recorded sheet scaled by its zoom, a
// bitmap by nearest pixels, which drops the thin lines of a shrunk view.
void PrintSheet(QPainter& painter, const QRect& printable, int number, const CPrintJob& job, double shownScale = 0);

// The document's pages drawn by the view, each without changing what the
// view shows.
CPrintJob DocumentPrintJob(CKavrelDoc& doc, CKavrelView& view);
