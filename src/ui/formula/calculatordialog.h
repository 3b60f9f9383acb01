// The calculator dialog's widgets (its data: formula/calculator/calculatordata.h,
// its computing: formula/calculator/calculator.h).  The keypad, the two
// lists and the typed text all edit the expression; after every change of
// the text, the caret or the selection the change handler runs, so the
// keys, the message, the preview and OK always fit where the caret is now.
#pragma once
#include <QDialog>
#include <QString>
#include <vector>

#include "formula/calculator/calculator.h"
#include "formula/calculator/calculatordata.h"

class CFormulaCtrl;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

class CCalculatorDialog : public QDialog {
 public:
  // The preview's size in pixels: wider formulas scroll.
  static constexpr int kPreviewWidth = 330;
  static constexpr int kPreviewHeight = 64;
  static constexpr int kScrollLine = 10;
  static constexpr int kScrollPage = 50;
  // The lists are as wide as this many characters (or the room the dialog
  // gives them); their drop-down parts as wide as their longest entry.
  static constexpr int kListMinimumCharacters = 8;
  static constexpr int kListItemMargin = 6;

  // `data` must be valid (CDlgCalculator::IsValid).
  CCalculatorDialog(const CDlgCalculator& data, QWidget* parent);
  ~CCalculatorDialog() override;

  // After OK: the expression, its mark-up and the angle choice.
  void Store(CDlgCalculator& data);
  const CCalculatorState& State() const { return m_state; }

 private:
  void BuildKeypad(class QGridLayout* grid, int mode);
  // The change handler, run again only when the text or the caret moved.
  void RunChange();
  void FitPreview();
  void InsertAtCaret(const QString& text);
  void DeleteBack();
  void ChooseFunction(int index);
  void ChooseValue(int index);
  void DropControlCharacters(const QString& text);

  CCalculator m_calculator;
  CCalculatorState m_state;
  QString m_strLastText;
  int m_nLastSelectionEnd = -1;

  CFormulaCtrl* m_pPreview;
  QScrollBar* m_pScroll;
  QLineEdit* m_pMessage;
  QLineEdit* m_pExpression;
  QComboBox* m_pValues;
  QComboBox* m_pFunctions;
  QCheckBox* m_pAngle;
  QPushButton* m_pOk;
  std::vector<std::pair<QWidget*, CalcKeyGroup>> m_keys;
};
