// Slides of a presentation as new pages: each chosen slide becomes a page
// after the current one, shown in the 2D view, with its text frames,
// tables and pictures where they stood on the slide, each one undo step.
#pragma once
#include <QString>

class CKavrelDoc;
class CPptxPackage;
struct CPptxDeck;

struct CImportResult {
  int pages = 0;
  int skippedShapes = 0;  // shapes only a presentation program can draw
  QString failure;        // the reason the import stopped, empty when it did not
};

// Imports slides from .. to (from 1, ordered, to cut at the slide count)
// of an opened package into the document.  Pages made before a failure
// stay with their undo steps.
CImportResult ImportSlides(CKavrelDoc& doc, CPptxPackage& package, const CPptxDeck& deck, int from, int to,
                           bool convertTexts);
