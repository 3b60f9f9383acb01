// Quick help: a modeless dialog that explains the drawing tools on sixteen
// tabs.  The main frame keeps at most one open; a closed dialog (Esc, Enter
// or its close button) tells the frame once (0x80B), and the frame lets it go.
#pragma once
#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QTabWidget;

// One tab: a read-only text.
class CDlgHelpPage final : public QWidget {
 public:
  CDlgHelpPage(const QString& text, bool alwaysScroll, QWidget* parent);
  QPlainTextEdit* Text() const { return m_pText; }

 private:
  QPlainTextEdit* m_pText;
};

class CDlgFastHelp final : public QDialog {
 public:
  explicit CDlgFastHelp(QWidget* parent);

  QTabWidget* Tabs() const { return m_pTabs; }
  int ShownPage() const { return m_nShown; }
  // Where the window system first put the dialog; it then moves 100 pixels
  // right and down from there.
  QPoint CreatedAt() const { return m_createdAt; }

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTabWidget* m_pTabs;
  int m_nShown = 0;
  QPoint m_createdAt;
  bool m_bPlaced = false;
  bool m_bClosed = false;
};

// A help text as the tab shows it: "\r\n" line breaks become plain ones.
QString HelpPageText(int tab);
