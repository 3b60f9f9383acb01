// The built-in formula box: 28 entries "公式1" ... "公式28", each shown as
// the picture of its formula; choosing one sends its index
// (formulaChosen), which the formula control inserts at the caret.
#pragma once
#include <QComboBox>

class CVodFmlComboBox : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int kEntryHeight = 64;
  static constexpr int kDroppedWidth = 252;

  explicit CVodFmlComboBox(QWidget* parent = nullptr);

 signals:
  void formulaChosen(int index);
};
