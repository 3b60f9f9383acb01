#include "ui/formula/formulaimages.h"

#include <QFontMetrics>
#include <QPainter>

#include "formula/bintree.h"
#include "formula/control/formulacommands.h"
#include "formula/control/formulaeditor.h"
#include "formula/control/formulatables.h"
#include "formula/node.h"
#include "ui/formula/formatbartexts.h"

namespace {
constexpr int kTextIconSize = 20;
constexpr int kTextIconPixels = 15;
constexpr int kTextIconMinPixels = 8;

// A picture scaled down (never up) to fit `box` less `margin` on each
// side, centred on white.
QImage Fitted(const QImage& picture, QSize box, int margin = 0) {
  QImage out(box, QImage::Format_RGB32);
  out.fill(Qt::white);
  if (picture.isNull()) return out;
  const QSize room = box - QSize(2 * margin, 2 * margin);
  const QImage scaled = picture.width() > room.width() || picture.height() > room.height()
                            ? picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                            : picture;
  QPainter painter(&out);
  painter.drawImage((box.width() - scaled.width()) / 2, (box.height() - scaled.height()) / 2, scaled);
  return out;
}

// A formula of one line drawn by our renderer in bold at `height`.
QImage RenderLine(const QString& row, int height) {
  CBinTree tree;
  tree.m_lfDefault.lfHeight = height;
  tree.SetVod(QStringLiteral("<#>%1</#>").arg(row));
  return tree.RenderToBitmap();
}
}  // namespace

const std::vector<QImage>& SymbolImages() {
  static const std::vector<QImage> images = [] {
    std::vector<QImage> list;
    const QString characters = QString::fromUtf16(kSymbolCharacters);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(16);
    for (const QChar c : characters) {
      QImage image(kSymbolImageSize, kSymbolImageSize, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      painter.setFont(font);
      painter.setPen(Qt::black);
      painter.drawText(image.rect(), Qt::AlignCenter, QString(c));
      list.push_back(image);
    }
    return list;
  }();
  return images;
}

const std::vector<QImage>& BuiltInFormulaPictures() {
  static const std::vector<QImage> pictures = [] {
    std::vector<QImage> list;
    for (int i = 0; i < kBuiltInFormulaCount; ++i)
      list.push_back(Fitted(RenderLine(BuiltInFormula(i), 22), {kFormulaPictureWidth, kFormulaPictureHeight}, 2));
    return list;
  }();
  return pictures;
}

const QImage& FaceMarkerPicture() {
  // A small serif "T" in a frame: the sign of a font.
  static const QImage marker = [] {
    QImage image(16, 15, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(0, 0, 128));
    painter.drawRect(1, 1, 13, 12);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(1, 1, 14, 13), Qt::AlignCenter, QStringLiteral("T"));
    return image;
  }();
  return marker;
}

QIcon StructureIcon(unsigned id) {
  CBinTree tree;
  tree.m_lfDefault.lfHeight = 16;
  tree.m_lfDefault.lfWeight = 400;
  tree.SetVod(kEmptyVod);
  CFormulaEditor editor;
  editor.SetTree(&tree);
  editor.UpdateLayout();  // places the caret the structure goes to
  int size[2] = {2, 2};
  if (tree.m_pRoot) tree.m_pRoot->InsertStructure(StructureCodeOfCommand(id), nullptr, size);
  return QIcon(QPixmap::fromImage(Fitted(tree.RenderToBitmap(), {21, 20})));
}

QIcon TextIcon(const QString& text, bool bold, bool italic, bool underline, const QColor& colour) {
  QImage image(kTextIconSize, kTextIconSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  QFont font(QStringLiteral("Times New Roman"));
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  // A text too wide for the picture ("OK") is drawn smaller, not cut.
  int pixels = kTextIconPixels;
  for (; pixels > kTextIconMinPixels; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).boundingRect(text).width() <= kTextIconSize - 2) break;
  }
  font.setPixelSize(pixels);
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(image.rect(), Qt::AlignCenter, text);
  return QIcon(QPixmap::fromImage(image));
}

QIcon CopyIcon() {
  // Two overlapping sheets: drawn, as no font can be relied on for a sign.
  QImage image(kTextIconSize, kTextIconSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(2, 2, 10, 12);
  painter.drawRect(7, 6, 10, 12);
  return QIcon(QPixmap::fromImage(image));
}
