#include "editing/presentation/slidetext.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>

#include "richtext/richtextrender.h"
#include "richtext/rteditdata.h"
#include "richtext/rtfwriter.h"

namespace {
// Points to pixels at the board's 96 pixels an inch.
constexpr double kPixelsPerPoint = 4.0 / 3.0;
}  // namespace

QColor BoardTextColour(const QColor& colour) {
  if (colour.isValid() && colour.red() > 220 && colour.green() > 220 && colour.blue() > 220) return Qt::black;
  return colour;
}

std::unique_ptr<QTextDocument> SlideTextDocument(const CPptxText& text) {
  auto document = std::make_unique<QTextDocument>();
  document->setDocumentMargin(0);
  QTextCursor cursor(document.get());
  bool first = true;
  for (const CPptxParagraph& p : text.paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(p.align);
    block.setLeftMargin(std::max(0.0, p.marginLeftPt * kPixelsPerPoint));
    block.setTextIndent(p.indentPt * kPixelsPerPoint);
    block.setTopMargin(std::max(0.0, p.spaceBeforePt * kPixelsPerPoint));
    block.setBottomMargin(std::max(0.0, p.spaceAfterPt * kPixelsPerPoint));
    if (first) cursor.setBlockFormat(block);
    else cursor.insertBlock(block);
    first = false;
    if (!p.bullet.isEmpty() || p.autoNumber) {
      QTextListFormat list;
      list.setStyle(p.autoNumber ? QTextListFormat::ListDecimal : QTextListFormat::ListDisc);
      cursor.createList(list);
    }
    for (const CPptxRun& run : p.runs) {
      QTextCharFormat format;
      if (!run.face.isEmpty()) format.setFontFamilies({run.face});
      format.setFontPointSize(run.sizePt);
      format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
      format.setFontItalic(run.italic);
      format.setFontUnderline(run.underline);
      const QColor colour = BoardTextColour(run.colour);
      format.setForeground(colour.isValid() ? colour : QColor(Qt::black));
      cursor.insertText(run.text, format);
    }
  }
  return document;
}

bool RenderSlideRichText(const QTextDocument& document, int width, int height, CDlgRtEdit& data) {
  if (width <= 0 || height <= 0) return false;
  QMimeData pasted;
  pasted.setData(QStringLiteral("text/rtf"), WriteRtf(document));
  return RenderPastedRichText(pasted, width, height, data) && !data.m_mask.empty();
}
