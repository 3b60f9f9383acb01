// The widgets of the tool-properties dialog (its data and rules:
// editing/dialogs/tools/toolpropertydialog.h).  An edit's text goes to the
// data when the user leaves the edit (or presses OK); a choice or a button
// goes at once.  The controls are then refreshed from the data.
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <functional>
#include <limits>

#include "editing/dialogs/tools/toolpropertydialog.h"
#include "editing/dialogs/tools/toolpropertytexts.h"
#include "editing/tools/toolusetexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/tooldialogtexts.h"

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }
// A multi-line text as the edit shows it: its lines end in "\n" alone.
QString Lines(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// Runs `left` when the watched widget loses the focus.
class CFocusOut : public QObject {
 public:
  CFocusOut(QWidget* watched, std::function<void()> left) : QObject(watched), m_left(std::move(left)) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) m_left();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> m_left;
};

class CToolPropertyDialog {
 public:
  CToolPropertyDialog(CDlgPropertyTool& data, QWidget* parent) : m_data(data), m_dialog(parent) {
    m_dialog.setWindowTitle(Text(kCaptionPropertyTool));
    auto* layout = new QVBoxLayout(&m_dialog);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);
    auto* lists = new QVBoxLayout;
    auto* fields = new QVBoxLayout;
    columns->addLayout(lists);
    columns->addLayout(fields);
    m_tools = AddList(lists, kTextDocumentToolsLabel, QStringLiteral("tools"));
    m_inputs = AddList(lists, kTextScriptInputs, QStringLiteral("inputs"));
    m_name = new QLineEdit(&m_dialog);
    m_name->setMaxLength(std::numeric_limits<int>::max());  // a name is kept whole, however long
    m_comment = new QPlainTextEdit(&m_dialog);
    m_inputComment = new QLineEdit(&m_dialog);
    m_inputComment->setMaxLength(std::numeric_limits<int>::max());
    AddField(fields, kTextToolNameLabel, m_name, QStringLiteral("toolName"));
    AddField(fields, kTextToolCommentLabel, m_comment, QStringLiteral("toolComment"));
    AddField(fields, kTextInputCommentLabel, m_inputComment, QStringLiteral("inputComment"));
    m_defaultColors = new QCheckBox(Text(kTextDefaultColors), &m_dialog);
    m_defaultColors->setObjectName(QStringLiteral("defaultColors"));
    fields->addWidget(m_defaultColors);
    m_copy = AddButton(fields, kTextCopyTool, QStringLiteral("copyTool"));
    m_delete = AddButton(fields, kTextDeleteTool, QStringLiteral("deleteTool"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &m_dialog);
    layout->addWidget(buttons);
    Connect(buttons);
    Refresh();
    if (m_data.ShowsHint()) {
      m_comment->setFocus();
      m_comment->selectAll();
    }
  }

  bool Run() { return m_dialog.exec() == QDialog::Accepted; }

 private:
  QListWidget* AddList(QVBoxLayout* column, const char* label, const QString& name) {
    column->addWidget(new QLabel(Text(label), &m_dialog));
    auto* list = new QListWidget(&m_dialog);
    list->setObjectName(name);
    column->addWidget(list);
    return list;
  }

  void AddField(QVBoxLayout* column, const char* label, QWidget* field, const QString& name) {
    column->addWidget(new QLabel(Text(label), &m_dialog));
    field->setObjectName(name);
    column->addWidget(field);
  }

  QPushButton* AddButton(QVBoxLayout* column, const char* text, const QString& name) {
    auto* button = new QPushButton(Text(text), &m_dialog);
    button->setObjectName(name);
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
  }

  void Connect(QDialogButtonBox* buttons) {
    QObject::connect(buttons, &QDialogButtonBox::accepted, &m_dialog, [this] {
      LeaveEdits();
      m_dialog.accept();
    });
    QObject::connect(m_name, &QLineEdit::editingFinished, &m_dialog, [this] { LeaveName(); });
    QObject::connect(m_inputComment, &QLineEdit::editingFinished, &m_dialog, [this] { LeaveInputComment(); });
    new CFocusOut(m_comment, [this] { LeaveComment(); });
    QObject::connect(m_tools, &QListWidget::currentRowChanged, &m_dialog, [this](int row) {
      m_data.SelectTool(row);
      Refresh();
    });
    QObject::connect(m_inputs, &QListWidget::currentRowChanged, &m_dialog, [this](int row) {
      m_data.SelectInput(row);
      Refresh();
    });
    QObject::connect(m_defaultColors, &QCheckBox::toggled, &m_dialog, [this](bool on) { m_data.SetDefaultColors(on); });
    QObject::connect(m_copy, &QPushButton::clicked, &m_dialog, [this] {
      LeaveEdits();
      if (m_data.CopyCurrentTool()) Refresh();
    });
    QObject::connect(m_delete, &QPushButton::clicked, &m_dialog, [this] {
      if (m_data.DeleteTool()) Refresh();
    });
  }

  // Only what the user changed is written: a text shown is never written
  // back altered.
  void LeaveName() {
    if (!m_name->isModified()) return;
    m_name->setModified(false);
    m_data.SetName(m_name->text());
    Refresh();
  }
  void LeaveComment() {
    if (!m_comment->document()->isModified()) return;
    m_comment->document()->setModified(false);
    m_data.SetComment(m_comment->toPlainText());
  }
  void LeaveInputComment() {
    if (!m_inputComment->isModified()) return;
    m_inputComment->setModified(false);
    m_data.SetInputComment(m_inputComment->text());
  }
  void LeaveEdits() {
    LeaveName();
    LeaveComment();
    LeaveInputComment();
  }

  static void Fill(QListWidget* list, const QStringList& rows, int current) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(rows);
    list->setCurrentRow(current);
  }

  void Refresh() {
    Fill(m_tools, m_data.m_tools, m_data.m_nTool);
    Fill(m_inputs, m_data.m_inputs, m_data.m_nInput);
    m_name->setText(m_data.m_strName);
    m_inputComment->setText(m_data.m_strInputComment);
    if (m_comment->toPlainText() != Lines(m_data.m_strComment)) m_comment->setPlainText(Lines(m_data.m_strComment));
    m_comment->document()->setModified(false);
    const QSignalBlocker quiet(m_defaultColors);
    m_defaultColors->setChecked(m_data.m_bDefaultColors != 0);
    m_copy->setText(Text(m_data.m_bCopied ? kTextCopyAgain : kTextCopyTool));
  }

  CDlgPropertyTool& m_data;
  QDialog m_dialog;
  QListWidget* m_tools;
  QListWidget* m_inputs;
  QLineEdit* m_name;
  QPlainTextEdit* m_comment;
  QLineEdit* m_inputComment;
  QCheckBox* m_defaultColors;
  QPushButton* m_copy;
  QPushButton* m_delete;
};

const CDialogWidget<CDlgPropertyTool> widget([](CDlgPropertyTool& data, QWidget* parent) {
  CToolPropertyDialog dialog(data, parent);
  return dialog.Run();
});
}  // namespace
