// One titled group of a ribbon category: large buttons as tall as the
// panel, small buttons three to a column, or any widget.  When its category
// lacks room the panel folds into one large button whose menu holds the
// same commands.
#pragma once
#include <QFrame>
#include <QList>
#include <QString>
#include <vector>

class QAction;
class QGridLayout;
class QToolButton;

// Labels of four characters or more go on two lines under large pictures.
QString RibbonLargeLabel(const QString& label);

class CRibbonPanel : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kRows = 3;

  CRibbonPanel(const QString& title, QWidget* parent);
  QString Title() const { return m_strTitle; }

  // A button as tall as the panel: large picture, label below.
  QToolButton* AddLarge(QAction* action);
  // A row of a column of three: small picture, label beside it.
  QToolButton* AddSmall(QAction* action);
  // Any widget as a row or as a whole column.  A panel with widgets of its
  // own never folds.
  void AddRow(QWidget* widget);
  void AddColumn(QWidget* widget);
  // The command buttons in the order added.
  const std::vector<QToolButton*>& Buttons() const { return m_buttons; }

  bool CanFold() const { return m_bCanFold && !m_actions.isEmpty(); }
  bool IsFolded() const { return m_bFolded; }
  void SetFolded(bool folded);
  // Widths the panel needs spread out and folded.
  int SpreadWidth() const;
  int FoldedWidth() const;

 private:
  void NextColumn();
  QToolButton* MakeFoldButton();

  QString m_strTitle;
  QWidget* m_pBody = nullptr;
  QGridLayout* m_pGrid = nullptr;
  QToolButton* m_pFoldButton = nullptr;
  int m_nColumn = 0;
  int m_nRow = 0;
  std::vector<QToolButton*> m_buttons;
  QList<QAction*> m_actions;
  bool m_bCanFold = true;
  bool m_bFolded = false;
};
