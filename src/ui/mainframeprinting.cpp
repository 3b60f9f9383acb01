// Printing and its preview from the main frame.  The sheets are drawn by
// ui/printing/sheetprinter.h, each page's picture only when its sheet is;
// the preview's by ui/printing/sheetpreview.h.
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "model/document/kavreldoc.h"
#include "ui/mainframe.h"
#include "ui/printing/sheetpreview.h"
#include "ui/printing/sheetprinter.h"
#include "view/kavrelview.h"

void CMainFrame::OnFilePrint(bool direct) {
  if (!m_pDoc || !m_pView) return;
  QPrinter& printer = Printer();
  const CPrintJob job = DocumentPrintJob(*m_pDoc, *m_pView);
  if (job.pageCount <= 0) return;
  if (!direct) {
    const bool chosen = m_printDialog ? m_printDialog(printer, job.pageCount) : [&] {
      QPrintDialog dialog(&printer, this);
      dialog.setMinMax(1, job.pageCount);
      return dialog.exec() == QDialog::Accepted;
    }();
    if (!chosen) return;
  } else {
    // Straight to the printer: every page, whatever range was asked before.
    printer.setPrintRange(QPrinter::AllPages);
  }
  PrintSheets(printer, job);
}

void CMainFrame::OnFilePrintPreview() {
  if (!m_pDoc || !m_pView) return;
  QPrinter& printer = Printer();
  const CPrintJob job = DocumentPrintJob(*m_pDoc, *m_pView);
  if (job.pageCount <= 0) return;
  const auto paint = [&job](QPrinter* target) {
    if (target) PrintSheets(*target, job);
  };
  if (m_previewDialog) {
    m_previewDialog(printer, paint);
    return;
  }
  QPrintPreviewDialog preview(&printer, this);
  // The dialog shows its sheets in a preview widget, which records them
  // for its zoom.
  if (auto* widget = preview.findChild<QPrintPreviewWidget*>())
    PreviewSheets(*widget, job);
  else
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, paint);
  preview.exec();
}
