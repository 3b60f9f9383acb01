// Structures: one or two boxes arranged around a mathematical sign.  Each
// kind fixes its tag, its sign text and the factors by which its boxes
// scale the font height they inherit.
#pragma once
#include "formula/node.h"

class CBoxNode;

// The plain two-box arrangement ("d") and the base of every structure.
class CStandardNode : public CNode {
 public:
  CStandardNode();
  // Makes a box of `content` (a box as it is; a row or run wrapped in a new
  // box; anything else deleted and replaced by a box with one empty row; no
  // content: a box with one empty row).  boxes 0: it is the first box;
  // 1: the second; 2: the first, with an empty second box that holds the
  // caret when content was given.
  CStandardNode(CNode* parent, int boxes, CNode* content);
  ~CStandardNode() override;

  // The first box, the node text and the second box side by side on one
  // baseline.
  void Layout(CFormulaDC& dc) override;
  void Offset(int x, int y) override;
  // With the node's own pen and font: the sign (DrawText), then both boxes.
  void Draw(CFormulaDC& dc) override;
  // Forwarded to the active box.
  void DrawSelection(CFormulaDC& dc) override;
  bool AddChild(CNode* node, int index) override;
  QString ToVod(bool selectedOnly) const override;
  void AppendVod(QString& out) const override;
  QString ToText(bool selectedOnly) const override;
  void InheritFont() override;
  void SetFont(COLORREF colour, const LOGFONT& font, bool selectedOnly, int part) override;
  void CaretToStart() override;
  void CaretToEnd() override;
  bool Normalize() override;

  // Caret editing (editing/structureediting.cpp): the caret is in the active
  // box; Up and Down move between the boxes.
  bool SetCaretFromPoint(int x, int y) override;
  int ExtendSelectionTo(int x, int y) override;
  bool MoveCaret(int key) override;
  bool SaveCaretPath(std::vector<int>& path) const override;
  bool RestoreCaretPath(const std::vector<int>& path, std::size_t& position) override;

  // The first box, else the second, else this node.
  virtual CNode* GetFirstBox();

  // Width, height and baseline of a laid-out box.
  struct Extent {
    int w = 0, h = 0, b = 0;
  };

  // The box places.  A place may hold a "c", "i", "s" or "t" node directly
  // (a base followed by its script pair); normalising leaves those unwrapped.
  CNode* m_pFirst = nullptr;
  CNode* m_pSecond = nullptr;
  float m_fFirstFactor = 1.0f;
  float m_fSecondFactor = 1.0f;

 protected:
  CStandardNode(int kind, const QString& tag, float firstFactor, float secondFactor);
  CStandardNode(int kind, const QString& tag, float firstFactor, float secondFactor, CNode* parent,
                int boxes, CNode* content);
  // Linear text of the whole structure; by default both boxes' texts.
  virtual QString LinearText() const;
  // The element with the given text written before its closing mark.
  void AppendMarkup(QString& out, const QString& tailMarkup) const;
  static QString TextOf(const CNode* box);

  // Lays out a box place; a missing box answers `missing`, or nothing.
  static Extent LayOutBox(CFormulaDC& dc, CNode* box, Extent missing);
  static Extent LayOutBox(CFormulaDC& dc, CNode* box);
  static void Place(CNode* box, int x, int y);
  // The process-wide glyph font at a height (and width, 0 for the face's own).
  static LOGFONT GlyphFont(std::int32_t height, std::int32_t width);
  // The sign in the glyph font at 1.25 times the node's height: measured
  // into the inner rectangle, or drawn at its placed top-left corner.
  void MeasureSign(CFormulaDC& dc);
  void DrawSign(CFormulaDC& dc);
  // Sums and limits: the upper part, the sign (measured into the inner
  // rectangle) and the lower part centred in one column.
  void StackAroundSign(Extent lower, Extent upper);

 private:
  void MakeBoxes(CNode* parent, int boxes, CNode* content);
  void CaretToBox(bool toEnd);
};

class CDivisionNode : public CStandardNode {
 public:
  CDivisionNode();
  CDivisionNode(CNode* parent, CNode* content);

  void Layout(CFormulaDC& dc) override;
  // The fraction bar.
  void DrawText(CFormulaDC& dc) override;

 protected:
  QString LinearText() const override;
};

class CNthRootNode : public CStandardNode {
 public:
  CNthRootNode();
  // variant 2 makes the radicand alone; any other also an index box.
  CNthRootNode(CNode* parent, int variant, CNode* content);

  void Layout(CFormulaDC& dc) override;
  // The radical sign and its overbar.
  void DrawText(CFormulaDC& dc) override;

 protected:
  CNthRootNode(int kind, const QString& tag, CNode* parent, int variant, CNode* content);
  QString LinearText() const override;
};

class CSqrtNode : public CNthRootNode {
 public:
  CSqrtNode();
  CSqrtNode(CNode* parent, CNode* content);

 protected:
  QString LinearText() const override;
};

class CSupNode : public CStandardNode {
 public:
  CSupNode();
  CSupNode(CNode* parent, CNode* content);

  void Layout(CFormulaDC& dc) override;
};

class CSubNode : public CStandardNode {
 public:
  CSubNode();
  CSubNode(CNode* parent, CNode* content);

  void Layout(CFormulaDC& dc) override;
};

// Subscript (first box) and superscript (second box) beside a base.
class CSupbNode : public CStandardNode {
 public:
  CSupbNode();
  explicit CSupbNode(CNode* parent);

  // Aligned to the first box of a "d" parent, the base the scripts belong to.
  void Layout(CFormulaDC& dc) override;
};

class CIntegralNode : public CStandardNode {
 public:
  CIntegralNode();
  explicit CIntegralNode(CNode* parent);

  void Layout(CFormulaDC& dc) override;
  void DrawText(CFormulaDC& dc) override { DrawSign(dc); }

 protected:
  QString LinearText() const override;
};

// Sum, or product with the sign kProductSign.
class CSumNode : public CStandardNode {
 public:
  static constexpr char16_t kSumSign = u'\uF0E5';
  static constexpr char16_t kProductSign = u'\uF0D5';
  CSumNode();
  explicit CSumNode(CNode* parent, char16_t sign = kSumSign);

  void Layout(CFormulaDC& dc) override;
  void DrawText(CFormulaDC& dc) override { DrawSign(dc); }

 protected:
  QString LinearText() const override;
};

class CLimNode : public CStandardNode {
 public:
  CLimNode();

  void Layout(CFormulaDC& dc) override;

 protected:
  QString LinearText() const override;
};

// A bracket pair around one box; its text holds the left and right bracket
// characters (of the symbol font), a blank leaving that side open.
class CBraceNode : public CStandardNode {
 public:
  static const QString kRoundPair;
  CBraceNode();
  CBraceNode(CNode* parent, CNode* content, const QString& pair = kRoundPair);

  void Layout(CFormulaDC& dc) override;
  void DrawText(CFormulaDC& dc) override;
  void AppendVod(QString& out) const override;

 protected:
  QString LinearText() const override;
};

// Arrow (variant 0), bar (1) or arc (2) over one box.
class CVectorNode : public CStandardNode {
 public:
  CVectorNode();
  CVectorNode(CNode* parent, CNode* content);

  void Layout(CFormulaDC& dc) override;
  // Variant 2 (and any unknown one) sets the node text to the arc it draws.
  void DrawText(CFormulaDC& dc) override;
};

// Text above and below an arrow of one of 14 variants.
class CArrowsNode : public CStandardNode {
 public:
  CArrowsNode();

  void Layout(CFormulaDC& dc) override;
  void DrawText(CFormulaDC& dc) override;
};

// The plain character a symbol-font bracket stands for in linear text.
QChar PlainBracketChar(QChar symbol);
