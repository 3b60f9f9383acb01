// The format bar the formula dialog (and later the rich-text dialog) puts
// above its editor: buttons, and over three of its places the face box,
// the size box and, for formulas, the built-in formula box.  The boxes'
// choices come out as the bar's signals; the dialog pushes the format at
// the caret back with ShowFace and ShowSize.
//
//   auto* bar = new CFormatToolBar(title, dialog);
//   bar->Build({ID_FORMULA_OK, 0, CFormatToolBar::kFaceBoxId, ...}, true,
//              [ctrl](unsigned id) { return ctrl->CommandAction(id); });
#pragma once
#include <QToolBar>
#include <functional>
#include <vector>

class CFontComboBox;
class CSizeComboBox;
class CVodFmlComboBox;

class CFormatToolBar : public QToolBar {
  Q_OBJECT

 public:
  static constexpr unsigned kFaceBoxId = 33356;
  static constexpr unsigned kSizeBoxId = 33357;
  static constexpr unsigned kFormulaBoxId = 33570;
  static constexpr int kStartSize = 520;  // twips

  explicit CFormatToolBar(const QString& title, QWidget* parent = nullptr);

  // The buttons in order (0: a separator).  The box ids become their boxes
  // (the formula box only in formula mode); any other id becomes the action
  // `action` gives for it (none: the place is left out).
  void Build(const std::vector<unsigned>& layout, bool formulaMode, const std::function<QAction*(unsigned)>& action);

  CFontComboBox* FaceBox() const { return m_pFaceBox; }
  CSizeComboBox* SizeBox() const { return m_pSizeBox; }
  CVodFmlComboBox* FormulaBox() const { return m_pFormulaBox; }
  // The size last sent, in twips.
  int LastSize() const { return m_nLastSize; }

  void ShowFace(const QString& face);
  void ShowSize(int twips);

 signals:
  void faceChosen(const QString& face, int charSet);
  void sizeChosen(int twips);
  void sizeEntered();
  void builtInFormulaChosen(int index);

 private:
  void MakeBoxes(bool formulaMode);

  CFontComboBox* m_pFaceBox = nullptr;
  CSizeComboBox* m_pSizeBox = nullptr;
  CVodFmlComboBox* m_pFormulaBox = nullptr;
  int m_nLastSize = kStartSize;
};
