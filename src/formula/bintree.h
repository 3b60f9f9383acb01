// One formula: the node tree read from VOD mark-up, with the default font
// and colours its nodes inherit.  It writes the formula back as mark-up, as
// linear text and as a .vod file, and draws it as a picture, a keyed RGBA
// texture, a .bmp file and an .emf file.  Objects that show formulas store
// their mark-up, never the tree, so the tree stores nothing when serialized.
#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

#include "formula/logfont.h"
#include "platform/filebytes.h"
#include "platform/runtimeclass.h"

class CNode;
class CFormulaDC;

class CBinTree : public CObject {
  DECLARE_SERIAL(CBinTree)

 public:
  CBinTree();
  ~CBinTree() override;
  CBinTree(const CBinTree&) = delete;
  CBinTree& operator=(const CBinTree&) = delete;

  // Replaces the formula; a text the reader rejects leaves the tree empty.
  void SetVod(const QString& text);
  // Reads mark-up into a new tree, owned by the caller (null when the text
  // is rejected).  A header element changes this tree's defaults.  Reading
  // stops quietly at the first error and returns what was built before it.
  CNode* ParseVod(const QString& text);
  // Makes the root a box and the tree well-formed; false without a root.
  bool Normalize();
  // Gives the root the default font parts and colour it does not set itself,
  // and pushes them down the tree.
  void ApplyDefaultFont();
  virtual void DeleteRoot();

  // 0: whole mark-up; 1: mark-up of the selection; 2: linear text;
  // 3: linear text of the selection.
  QString GetText(int mode) const;
  bool IsEmpty() const;

  // Lays the formula out on `dc` and places the root at the origin.  False
  // without a root, and for a formula too large to lay out (checked before
  // any measuring, so that no sum of extents can overflow).
  bool Layout(CFormulaDC& dc);
  // The formula on the background colour, drawn in the default font, pen
  // and colour; null without a root or when the picture would be too large.
  QImage RenderToBitmap();
  // The size of RenderToBitmap's picture, laid out but not drawn; 0 x 0
  // when it would give none.
  QSize BitmapSize();
  // RenderToBitmap as keyed RGBA: background pixels get `alpha`.
  std::vector<BYTE> RenderToMask(int* width, int* height, BYTE alpha);
  // A .bmp of the formula in the root's font and colour on white.
  bool SaveBmpFile(const QString& path);
  // An enhanced metafile of the formula, or of its selected part, drawn with
  // the layout made last; empty without a root.
  QByteArray RenderToEmf(bool selectionOnly);
  bool SaveEmf(const QString& path);
  // The same drawing as a picture on the background colour, for clipboards
  // that take images: the whole formula, or the selected part cut to where
  // it lies.  Null when nothing is drawn or the picture would be too large.
  QImage RenderToPicture(bool selectionOnly);
  // Pixels from the top of the laid-out formula to the baseline of its only
  // line (of the whole box when it has several lines); 0 without a root.
  int GetBaseline() const;

  // UTF-16LE with a byte-order mark, no terminator.
  bool SaveVodFile(const QString& path) const;
  // False when the file cannot be read, is no .vod file or holds no formula.
  bool LoadVodFile(const QString& path, FileFailure* failure = nullptr);

  CNode* m_pRoot = nullptr;
  LOGFONT m_lfDefault;
  COLORREF m_crDefault = 0;
  COLORREF m_crBackground = 0xFFFFFF;

  // Deepest nesting the reader builds, counted as the normalised tree will
  // nest (every structure adds a box and a row); deeper content ends the
  // read like any other error, so later recursive walks stay shallow.
  static constexpr int kMaxDepth = 192;
  // .vod files larger than this are refused before reading.
  static constexpr qint64 kMaxVodFileBytes = qint64(8) << 20;
  // Pictures larger than this are not made.
  static constexpr int kMaxPictureSide = 16384;
  static constexpr qint64 kMaxPicturePixels = qint64(32) << 20;

 private:
  // Draws with the layout made last, after selecting the default font, pen
  // and colour that layout was made with.
  void DrawWithLastLayout(CFormulaDC& dc, bool selectionOnly);
};

inline const QString kEmptyVod = QStringLiteral("<#><l></l></#>");
