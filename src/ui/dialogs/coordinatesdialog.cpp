// The widgets of the coordinates dialog (its data and the behaviour of its
// controls: editing/dialogs/coordinatesdialog.h).
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editing/dialogs/coordinatesdialog.h"
#include "editing/dialogs/inputdialogtexts.h"
#include "ui/dialogs/dialogwidgets.h"

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }
// The edit breaks lines at LF alone.
QString Shown(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

class CCoordinatesWidgets {
 public:
  CCoordinatesWidgets(CDlgCoordinates& data, QWidget* parent) : m_data(data), m_form(data), m_dialog(parent) {
    m_dialog.setWindowTitle(Text(kTextCoordinatesCaption));
    auto* layout = new QVBoxLayout(&m_dialog);
    m_pSingle = new QRadioButton(Text(kTextSinglePoint), &m_dialog);
    m_pSingle->setChecked(true);
    layout->addWidget(m_pSingle);
    layout->addWidget(new QLabel(Text(kTextUseValuesHint), &m_dialog));
    auto* axes = new QGridLayout;
    for (int axis = 0; axis < 3; ++axis) {
      auto* list = m_pAxes[axis] = new QComboBox(&m_dialog);
      list->setObjectName(QStringLiteral("axis%1").arg(axis));
      list->setEditable(true);
      list->addItems(m_data.m_names);
      list->setEditText(m_data.m_strAxis[axis]);
      QObject::connect(list, &QComboBox::activated, &m_dialog, [this, axis](int index) {
        m_form.ChooseAxisEntry(axis, index);
        m_data.m_strAxis[axis] = m_pAxes[axis]->currentText();
      });
      QObject::connect(list->lineEdit(), &QLineEdit::textEdited, &m_dialog,
                       [this, axis](const QString& text) { m_form.EditAxisText(axis, text); });
      axes->addWidget(new QLabel(Text(kTextAxisLabels[axis]), &m_dialog), 0, 2 * axis);
      axes->addWidget(list, 0, 2 * axis + 1);
    }
    layout->addLayout(axes);
    auto* manyRow = new QHBoxLayout;
    m_pMany = new QRadioButton(Text(kTextManyPoints), &m_dialog);
    m_pPresets = new QComboBox(&m_dialog);
    m_pPresets->setObjectName(QStringLiteral("presets"));
    m_pPresets->addItems(CCoordinatesForm::PresetNames());
    m_pPresets->setCurrentIndex(-1);
    manyRow->addWidget(m_pMany);
    manyRow->addWidget(m_pPresets);
    layout->addLayout(manyRow);
    layout->addWidget(new QLabel(Text(kTextPasteHint), &m_dialog));
    m_pPoints = new QPlainTextEdit(Shown(m_data.m_strPoints), &m_dialog);
    m_pPoints->setObjectName(QStringLiteral("points"));
    layout->addWidget(m_pPoints);
    auto* buttonRow = new QHBoxLayout;
    m_pClear = new QPushButton(Text(kTextClearData), &m_dialog);
    m_pTab = new QPushButton(Text(kTextTabButton), &m_dialog);
    m_pPaste = new QPushButton(Text(kTextPasteData), &m_dialog);
    for (QPushButton* button : {m_pClear, m_pTab, m_pPaste}) {
      button->setAutoDefault(false);
      buttonRow->addWidget(button);
    }
    layout->addLayout(buttonRow);
    m_pStatus = new QLabel(&m_dialog);
    m_pStatus->setObjectName(QStringLiteral("status"));
    layout->addWidget(m_pStatus);
    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &m_dialog);
    layout->addWidget(m_pButtons);
    Connect();
    Show();
  }

  bool Run() {
    if (m_dialog.exec() != QDialog::Accepted) return false;
    for (int axis = 0; axis < 3; ++axis) m_data.m_strAxis[axis] = m_pAxes[axis]->currentText();
    return true;
  }

 private:
  void Connect() {
    QObject::connect(m_pSingle, &QRadioButton::clicked, &m_dialog, [this] { Act([this] { m_form.ChooseSinglePoint(); }); });
    QObject::connect(m_pMany, &QRadioButton::clicked, &m_dialog, [this] {
      Act([this] { m_form.ChooseManyPoints(); });
      m_pPoints->setFocus();
      m_pPoints->selectAll();
      m_pPoints->ensureCursorVisible();
    });
    QObject::connect(m_pPresets, &QComboBox::activated, &m_dialog,
                     [this](int index) { Insert(CCoordinatesForm::PresetText(index)); });
    QObject::connect(m_pTab, &QPushButton::clicked, &m_dialog, [this] { Insert(QStringLiteral("\t")); });
    QObject::connect(m_pClear, &QPushButton::clicked, &m_dialog, [this] {
      m_pPoints->clear();
      Act([this] { m_form.Clear(); });
      m_pPoints->setFocus();
    });
    QObject::connect(m_pPaste, &QPushButton::clicked, &m_dialog, [this] {
      QString text;
      if (m_form.Paste(text)) Insert(text);
      Show();
    });
    QObject::connect(m_pPoints, &QPlainTextEdit::textChanged, &m_dialog, [this] {
      // Every line break of the edit is a CR LF line end of the text.
      QString text = m_pPoints->toPlainText();
      text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
      Act([this, &text] { m_form.PointsChanged(text); });
    });
    QObject::connect(m_pButtons, &QDialogButtonBox::accepted, &m_dialog, &QDialog::accept);
    QObject::connect(m_pButtons, &QDialogButtonBox::rejected, &m_dialog, &QDialog::reject);
  }

  // Replaces the edit's selection (or inserts at the caret) and validates.
  void Insert(const QString& text) {
    m_pPoints->insertPlainText(Shown(text));
    m_pPoints->setFocus();
  }

  void Act(const std::function<void()>& action) {
    action();
    Show();
  }

  void Show() {
    const CCoordinatesControls& c = m_form.Controls();
    for (QComboBox* list : m_pAxes) list->setEnabled(c.axisLists);
    m_pPoints->setEnabled(c.pointsEdit);
    m_pPresets->setEnabled(c.presets);
    m_pClear->setEnabled(c.clear);
    m_pTab->setEnabled(c.tab);
    m_pPaste->setEnabled(c.paste);
    m_pButtons->button(QDialogButtonBox::Ok)->setEnabled(c.ok);
    m_pStatus->setText(c.status);
  }

  CDlgCoordinates& m_data;
  CCoordinatesForm m_form;
  QDialog m_dialog;
  QRadioButton* m_pSingle;
  QRadioButton* m_pMany;
  QComboBox* m_pAxes[3];
  QComboBox* m_pPresets;
  QPlainTextEdit* m_pPoints;
  QPushButton* m_pClear;
  QPushButton* m_pTab;
  QPushButton* m_pPaste;
  QLabel* m_pStatus;
  QDialogButtonBox* m_pButtons;
};

const CDialogWidget<CDlgCoordinates> widget([](CDlgCoordinates& data, QWidget* parent) {
  CCoordinatesWidgets widgets(data, parent);
  return widgets.Run();
});
}  // namespace
