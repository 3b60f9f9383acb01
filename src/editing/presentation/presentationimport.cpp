#include "editing/presentation/presentationimport.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include "cells/primitives/cgline.h"
#include "cells/solids/tablebuilder.h"
#include "cells/texts/cgtextbit.h"
#include "commands/commandframe.h"
#include "commands/textcommands.h"
#include "editing/presentation/pptconverter.h"
#include "editing/presentation/pptdialog.h"
#include "editing/presentation/pptxdeck.h"
#include "editing/presentation/pptxpackage.h"
#include "editing/presentation/presentationtexts.h"
#include "editing/presentation/slideplacement.h"
#include "editing/presentation/slidetext.h"
#include "formula/drawing/imageconversions.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/filebytes.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"
#include "richtext/richtextrender.h"
#include "richtext/rteditdata.h"
#include "richtext/wmfplayer.h"

namespace {
// Pictures larger than this many megabytes are not decoded.
constexpr int kMaxDecodedMegabytes = 256;

// The picture scaled to the shape: PNG, JPEG, GIF and BMP pictures, and
// Windows metafiles through our player.  Null for anything else (enhanced
// metafiles need a presentation program) and for pictures that do not decode.
QImage DecodePicture(QByteArray& bytes, const CBoardRect& at) {
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer);
  reader.setAllocationLimit(kMaxDecodedMegabytes);
  const QByteArray format = reader.format();
  QImage image;
  if ((format == "png" || format == "jpeg" || format == "gif" || format == "bmp") && reader.read(&image))
    return image.scaled(at.widthPx, at.heightPx, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  image = QImage(at.widthPx, at.heightPx, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const bool played = PlayWmf(bytes, painter, QRectF(0, 0, at.widthPx, at.heightPx));
  painter.end();
  return played ? image : QImage();
}

class CSlideImporter {
 public:
  CSlideImporter(CKavrelDoc& doc, CPptxPackage& package, const CPptxDeck& deck, CImportResult& result)
      : m_doc(doc), m_package(package), m_deck(deck), m_result(result) {}

  // False when the import has to stop (m_result.failure says why).
  bool AddShape(const CPptxShape& shape, bool convertTexts) {
    switch (shape.kind) {
      case PptxShapeKind::Text:
        AddTextFrame(shape.text, PlaceOnBoard(shape, m_deck), 0, convertTexts,
                     convertTexts ? kCmdNameInsertText : kCmdNamePastePicture);
        return true;
      case PptxShapeKind::Table:
        return AddTable(shape);
      case PptxShapeKind::Picture:
        AddPicture(shape);
        return true;
      case PptxShapeKind::Group:
        // Empty placeholders show nothing; a group needs the option on.
        if (!convertTexts && shape.placeholderType.isEmpty()) ++m_result.skippedShapes;
        return true;
      case PptxShapeKind::Unsupported:
        ++m_result.skippedShapes;
        return true;
    }
    return true;
  }

 private:
  // The one step from a text frame to a cell: as a rich text rendered at
  // the frame's size, or (rich = false) as a picture of the rendered text.
  void AddTextFrame(const CPptxText& text, const CBoardRect& at, WORD followPoint, bool rich, const char* label) {
    std::unique_ptr<QTextDocument> document = SlideTextDocument(text);
    CDlgRtEdit rendered;
    if (rich && !RenderSlideRichText(*document, at.widthPx, at.heightPx, rendered)) return;
    std::vector<BYTE> mask;
    if (!rich && at.widthPx > 0 && at.heightPx > 0) mask = RenderRichTextMask(*document, at.widthPx, at.heightPx);
    if (!rich && mask.empty()) return;
    CConstruction build(m_doc);
    if (!build.MakeRoom(1)) return;
    const WORD id = build.NextId();
    CGTextbit* cell = rich ? NewRichTextCell(id, rendered, followPoint)
                           : new CGTextbit(id, DWORD(at.widthPx), DWORD(at.heightPx), std::move(mask));
    const QColor colour = BoardTextColour(text.FirstColour());
    if (colour.isValid() && (colour.red() > 32 || colour.green() > 32 || colour.blue() > 32))
      cell->m_rgbaColor = {BYTE(colour.red()), BYTE(colour.green()), BYTE(colour.blue()), 255};
    AddPlaced(build, cell, at, followPoint, label);
  }

  // Enters the cell at the shape's lower-left corner (unless it follows a
  // point) as one undo step.
  void AddPlaced(CConstruction& build, CGTextbit* cell, const CBoardRect& at, WORD followPoint, const char* label) {
    if (!followPoint) {
      cell->m_vLabelAnchor[0] = at.x;
      cell->m_vLabelAnchor[1] = at.y;
    }
    build.Add(cell);
    build.Commit(QString::fromUtf8(label));
  }

  void AddPictureText(const QImage& picture, const CBoardRect& at) {
    int width = 0, height = 0;
    std::vector<BYTE> mask = ImageToPasteMask(picture, &width, &height, true);
    if (mask.empty()) return;
    CConstruction build(m_doc);
    if (!build.MakeRoom(1)) return;
    const WORD id = build.NextId();
    auto* cell = new CGTextbit(id, DWORD(width), DWORD(height), std::move(mask));
    cell->m_nSubKind = 0;
    AddPlaced(build, cell, at, 0, kCmdNamePastePicture);
  }

  void AddPicture(const CPptxShape& shape) {
    QByteArray bytes;
    if (!m_package.Read(shape.pictureTarget, &bytes)) {
      ++m_result.skippedShapes;
      return;
    }
    const CBoardRect at = PlaceOnBoard(shape, m_deck);
    if (at.widthPx < 1 || at.heightPx < 1) return;
    const QImage image = DecodePicture(bytes, at);
    if (image.isNull()) {
      ++m_result.skippedShapes;
      return;
    }
    AddPictureText(image, at);
  }

  bool HideBorder(WORD id) {
    CGCell* border = g_pCurPage->m_cells.Lookup(id);
    if (!dynamic_cast<CGLine*>(border)) {
      m_result.failure = QString::fromUtf8(kTextTableBorderMissing);
      return false;
    }
    border->m_bHidden = 1;
    return true;
  }

  bool AddTable(const CPptxShape& shape) {
    CTablePlan plan;
    if (!PlanTable(shape, m_deck, &plan)) return true;
    const int made = BuildTable(plan.rows, plan.cols, 1, plan.x, plan.y, plan.widths.data(), plan.heights.data());
    if (made <= 0) return true;
    CGPage* page = g_pCurPage;
    page->m_undo.Submit(std::make_unique<CCmdAddCells>(made, QString::fromUtf8(kCmdNameAddTable)));
    m_doc.SetModifiedFlag();
    const WORD next = page->m_nNextId;
    for (int r = plan.rows; r >= 1; --r) {
      for (int c = 1; c <= plan.cols; ++c) {
        const CPptxTableCell& cell = shape.table.rows[r - 1][c - 1];
        const WORD anchor = TableCellAnchor(next, plan.rows, plan.cols, r, c);
        // A merge mark with no neighbour to merge with (first column or row)
        // names no border of the table: it is passed over.
        const bool left = cell.hMerge && c > 1, above = cell.vMerge && r > 1;
        if (left && !HideBorder(TableLeftBorder(anchor))) return false;
        if (above && !HideBorder(TableTopBorder(anchor, plan.cols))) return false;
        if (left || above || !cell.text.HasText()) continue;
        CBoardRect at;
        at.widthPx = static_cast<int>(std::lround(SpanOf(plan.widths, shape.table, r, c, true) / kUnitsPerPixel));
        at.heightPx = static_cast<int>(std::lround(SpanOf(plan.heights, shape.table, r, c, false) / kUnitsPerPixel));
        AddTextFrame(cell.text, at, anchor, true, kCmdNameInsertAnchoredText);
      }
    }
    return true;
  }

  // The width (across) or height of a cell with the cells merged into it.
  static double SpanOf(const std::vector<float>& sizes, const CPptxTable& table, int r, int c, bool across) {
    double span = across ? sizes[c] : sizes[r];
    if (across)
      for (int k = c + 1; k < static_cast<int>(sizes.size()) && table.rows[r - 1][k - 1].hMerge; ++k) span += sizes[k];
    else
      for (int k = r + 1; k < static_cast<int>(sizes.size()) && table.rows[k - 1][c - 1].vMerge; ++k) span += sizes[k];
    return span;
  }

  CKavrelDoc& m_doc;
  CPptxPackage& m_package;
  const CPptxDeck& m_deck;
  CImportResult& m_result;
};

void Tell(const QString& text, UINT icon) { KvMessageBox(text, QString(), MB_OK | icon); }

void OnCreateText3(CKavrelDoc& doc) {
  const QString path = FileChooser().ChooseOpen(QString(), QtFileFilter(kFilterPresentations), QString());
  if (path.isEmpty()) return;
  auto failed = [&path](const QString& why) {
    Tell(QString::fromUtf8(kTextImportFailed).arg(path, why), MB_ICONWARNING);
  };
  QTemporaryDir scratch;
  QString readable = path, failure;
  if (IsBinaryPresentation(path)) {
    // The converter would wait on a pipe as long as its time allows.
    const FileFailure unreadable = CheckReadableFile(path, kMaxConvertedBytes);
    if (unreadable != FileFailure::None) return failed(FileFailureReason(unreadable, false, kMaxConvertedBytes));
    readable = ConvertToPptx(path, scratch.path(), &failure);
    if (readable.isEmpty()) return failed(failure);
  }
  CPptxPackage package;
  CPptxDeck deck;
  if (!package.OpenFile(readable)) return failed(package.Failure());
  if (!ReadPptxDeck(package, &deck, &failure)) return failed(failure);
  const int count = static_cast<int>(deck.slideParts.size());
  if (count == 0) return Tell(QString::fromUtf8(kTextNoSlides).arg(path), MB_ICONINFORMATION);

  CDlgPPT dialog;
  dialog.m_strSource = path;
  dialog.m_nTo = std::min(count, CDlgPPT::kMaxSlide);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  const CImportResult result = ImportSlides(doc, package, deck, dialog.m_nFrom, dialog.m_nTo, dialog.m_bConvert != 0);
  if (result.failure == QString::fromUtf8(kTextTableBorderMissing)) Tell(result.failure, MB_ICONWARNING);
  else if (!result.failure.isEmpty()) failed(result.failure);
  if (result.skippedShapes > 0)
    Tell(QString::fromUtf8(kTextShapesSkipped).arg(path).arg(result.skippedShapes), MB_ICONINFORMATION);
  UiBridge().UpdateAllViews();
}

const CDocCommandRows rows({{ID_CREATE_TEXT3, OnCreateText3}});
}  // namespace

CImportResult ImportSlides(CKavrelDoc& doc, CPptxPackage& package, const CPptxDeck& deck, int from, int to,
                           bool convertTexts) {
  CImportResult result;
  if (from > to) std::swap(from, to);
  from = std::max(from, 1);
  to = std::min(to, static_cast<int>(deck.slideParts.size()));
  CSlideImporter importer(doc, package, deck, result);
  for (int index = from; index <= to; ++index) {
    CPptxSlide slide;
    if (!ReadPptxSlide(package, deck.slideParts[index - 1], &slide, &result.failure)) break;
    if (!doc.OnCreatePage()) {
      result.failure = QString::fromUtf8(kTextNoPageRoom);
      break;
    }
    ++result.pages;
    doc.SetModifiedFlag();
    if (CommandRegistry().HasHandler(ID_VIEW_PORT_TT)) CommandRegistry().Run(ID_VIEW_PORT_TT);
    const bool whole = std::all_of(slide.shapes.begin(), slide.shapes.end(),
                                   [&](const CPptxShape& shape) { return importer.AddShape(shape, convertTexts); });
    if (!whole) break;
  }
  return result;
}
