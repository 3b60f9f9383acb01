// The script view of the current user tool (modeless, made once and owned
// by the main window): the tool's comment, its inputs and the tree of the
// cells it builds, each with the cells it is built from.
#pragma once
#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QTreeWidget;
class CRecord;

class CDlgToolView : public QDialog {
 public:
  explicit CDlgToolView(QWidget* parent);
  // Refills everything from the tool; empties the view for none.
  void Fill(const CRecord* tool);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPlainTextEdit* m_pComment;
  QListWidget* m_pInputs;
  QTreeWidget* m_pSteps;
};
