#include "richtext/richtextrender.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <memory>

#include "formula/drawing/imageconversions.h"
#include "richtext/keptobjects.h"
#include "richtext/rteditdata.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfstring.h"
#include "richtext/rtfwriter.h"

namespace {
constexpr int kMinHeight = 200;
constexpr int kMaxHeight = 700;
// The editor of a dialog sized for a paste is this much higher than asked.
constexpr int kPastedExtraHeight = 5;
constexpr int kLargestSide = 16384;

const QString kRtfTypes[] = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                             QStringLiteral("text/richtext")};
}  // namespace

QString RichTextTitle(const QString& plain) { return plain.size() > 5 ? plain.left(4) + QStringLiteral("...") : plain; }

QTextCharFormat RichTextDefaultFormat() {
  QTextCharFormat format;
  format.setFontWeight(QFont::Bold);
  format.setFontPointSize(26);
  format.setFontFamilies({QStringLiteral("宋体")});
  return format;
}

bool LoadRichText(const CDlgRtEdit& data, QTextDocument& doc) {
  bool complete = true;
  doc.clear();
  if (data.m_bPlainText) {
    doc.setPlainText(data.m_strText);
    QTextCharFormat format = RichTextDefaultFormat();
    if (!data.m_strFace.isEmpty()) format.setFontFamilies({data.m_strFace});
    if (data.m_nFaceTwips > 0) format.setFontPointSize(data.m_nFaceTwips / 20.0);
    QTextCursor all(&doc);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
  } else if (!data.m_strText.isEmpty()) {
    complete = ReadRtf(UnpackRtfString(data.m_strText), doc).complete;
  }
  doc.setModified(false);
  return complete;
}

std::vector<BYTE> RenderRichTextMask(const QTextDocument& doc, int width, int height) {
  width = std::clamp(width, 1, kLargestSide);
  height = std::clamp(height, 1, kLargestSide);
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(Qt::white);
  // An empty document draws nothing; and Qt's copy of one whose paragraph
  // is in a list would point at a list the copy does not have.
  if (!doc.isEmpty()) {
    // A copy is laid out at the picture's width; the editor's own layout stays.
    std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->setDocumentMargin(doc.documentMargin());
    copy->setDefaultFont(doc.defaultFont());
    ShowKeptObjects(*copy);
    copy->setTextWidth(width);
    QPainter painter(&picture);
    copy->drawContents(&painter, QRectF(0, 0, width, height));
  }
  int maskWidth = 0, maskHeight = 0;
  return BitmapToMask(picture, &maskWidth, &maskHeight, true);
}

bool TakeRichText(const QTextDocument& doc, QSize content, bool edited, CDlgRtEdit& data) {
  if (doc.isEmpty()) return false;
  const bool keep = !edited && !data.m_bPlainText && !data.m_strText.isEmpty();
  if (!keep) data.m_strText = PackRtfString(WriteRtf(doc));
  data.m_bPlainText = 0;
  data.m_strTitle = RichTextTitle(doc.toPlainText());
  data.m_nContentWidth = std::clamp(content.width(), 1, kLargestSide);
  data.m_nContentHeight = std::clamp(content.height(), 1, kLargestSide);
  data.m_mask = RenderRichTextMask(doc, data.m_nContentWidth, data.m_nContentHeight);
  data.m_nMaskWidth = data.m_nContentWidth;
  data.m_nMaskHeight = data.m_nContentHeight;
  return true;
}

bool RenderPastedRichText(const QMimeData& mime, int width, int height, CDlgRtEdit& data) {
  QTextDocument doc;
  doc.setDefaultFont(QFont(QStringLiteral("宋体")));
  const auto rtf = std::find_if(std::begin(kRtfTypes), std::end(kRtfTypes),
                                [&mime](const QString& type) { return mime.hasFormat(type); });
  if (rtf != std::end(kRtfTypes)) {
    ReadRtf(mime.data(*rtf), doc);
  } else if (mime.hasHtml()) {
    doc.setHtml(mime.html());
  } else if (mime.hasText()) {
    doc.setPlainText(mime.text());
    QTextCursor all(&doc);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(RichTextDefaultFormat());
  }
  CDlgRtEdit result = data;
  result.m_bPlainText = 0;
  if (!TakeRichText(doc, QSize(width, height + kPastedExtraHeight), true, result)) return false;
  data = std::move(result);
  return true;
}

int FittedRichTextHeight(int requested, int extra, int current) {
  if (current >= kMaxHeight) return current;
  return std::clamp(requested + 10 + extra, kMinHeight, kMaxHeight);
}
