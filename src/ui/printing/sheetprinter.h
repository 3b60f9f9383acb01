// Printing the document's pages, one sheet each: the frame, the page's
// name above it, its number below it and its picture inside.  A page's
// picture is drawn only when its sheet is, so a long document never holds
// more than one at a time.
#pragma once
#include <QImage>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPrinter;
class CKavrelDoc;
class CKavrelView;

struct CPrintJob {
  int pageCount = 0;
  // Page n (from 1) as the view draws it, and its name.
  std::function<QImage(int)> pageImage;
  std::function<QString(int)> pageName;
};

// The pages of the printer's range (all when it names none); a page beyond
// the document prints its frame alone.
void PrintSheets(QPrinter& printer, const CPrintJob& job);

// The document's pages drawn by the view, each without changing what the
// view shows.
CPrintJob DocumentPrintJob(CKavrelDoc& doc, CKavrelView& view);
