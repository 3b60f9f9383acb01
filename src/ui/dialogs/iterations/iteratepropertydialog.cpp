// The widgets of the iteration property dialog (its data and live rules:
// editing/dialogs/iterations/iteratepropertydialog.h).  Each change goes to
// the data, which writes it into the cell and redraws the view; the boxes
// are then refreshed from the data.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/iterations/iteratepropertydialog.h"
#include "editing/dialogs/iterations/iterationdialogtexts.h"
#include "platform/notifier.h"
#include "ui/dialogs/dialogwidgets.h"

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

class CIteratePropertyDialog {
 public:
  CIteratePropertyDialog(CDlgPropertyIterate& data, QWidget* parent) : m_data(data), m_dialog(parent) {
    m_dialog.setWindowTitle(Text(kCaptionPropertyIterate));
    auto* layout = new QVBoxLayout(&m_dialog);
    m_objects = new QListWidget(&m_dialog);
    m_objects->setObjectName(QStringLiteral("objects"));
    for (const auto& object : m_data.m_objects) {
      auto* item = new QListWidgetItem(object.name, m_objects);
      item->setData(Qt::UserRole, object.id);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(object.ticked ? Qt::Checked : Qt::Unchecked);
    }
    layout->addWidget(m_objects);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    m_name = new QLineEdit(m_data.m_strName, &m_dialog);
    m_name->setObjectName(QStringLiteral("name"));
    form->addRow(QString(), m_name);
    m_depth = new QLineEdit(QString::number(m_data.m_nDepth), &m_dialog);
    m_depth->setObjectName(QStringLiteral("depth"));
    m_depth->setReadOnly(m_data.m_bDepthFromParameter);
    auto* depthLabel = new QLabel(m_data.m_bDepthFromParameter ? Text(kTextDepthFromParameter) : Text(kCaptionDepth),
                                  &m_dialog);
    form->addRow(depthLabel, m_depth);
    AddColours(layout);
    m_tableShown = AddCheck(layout, kTextShowTable, QStringLiteral("tableShown"));
    m_tableAcross = AddCheck(layout, kTextTableAcross, QStringLiteral("tableAcross"));
    m_allLevels = AddCheck(layout, kTextShowAllLevels, QStringLiteral("allLevels"));
    m_solidOnly = AddCheck(layout, kTextSolidLinesOnly, QStringLiteral("solidLinesOnly"));
    auto* rules = new QListWidget(&m_dialog);
    rules->setObjectName(QStringLiteral("rules"));
    rules->addItems(m_data.m_rules);
    layout->addWidget(rules);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &m_dialog);
    layout->addWidget(buttons);
    Connect(buttons);
    Refresh();
  }

  bool Run() { return m_dialog.exec() == QDialog::Accepted; }

 private:
  QCheckBox* AddCheck(QVBoxLayout* layout, const char* text, const QString& name) {
    auto* box = new QCheckBox(Text(text), &m_dialog);
    box->setObjectName(name);
    layout->addWidget(box);
    return box;
  }

  void AddColours(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    m_colours = new QButtonGroup(&m_dialog);
    const char* texts[] = {kTextColourSource, kTextColourLevels, kTextColourOwn};
    for (int i = 0; i < 3; ++i) {
      auto* radio = new QRadioButton(Text(texts[i]), &m_dialog);
      radio->setObjectName(QStringLiteral("colour%1").arg(i));
      m_colours->addButton(radio, i);
      row->addWidget(radio);
    }
    if (QAbstractButton* chosen = m_colours->button(m_data.m_nColour)) chosen->setChecked(true);
  }

  template <class Set>
  void ConnectCheck(QCheckBox* box, Set set) {
    QObject::connect(box, &QCheckBox::toggled, &m_dialog, [this, set](bool on) {
      (m_data.*set)(on);
      Refresh();
    });
  }

  void Connect(QDialogButtonBox* buttons) {
    QObject::connect(buttons, &QDialogButtonBox::accepted, &m_dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &m_dialog, &QDialog::reject);
    QObject::connect(m_objects, &QListWidget::itemChanged, &m_dialog, [this](QListWidgetItem* item) {
      m_data.Tick(m_objects->row(item), item->checkState() == Qt::Checked);
    });
    ConnectCheck(m_tableShown, &CDlgPropertyIterate::SetTableShown);
    ConnectCheck(m_tableAcross, &CDlgPropertyIterate::SetTableAcross);
    ConnectCheck(m_allLevels, &CDlgPropertyIterate::SetAllLevels);
    ConnectCheck(m_solidOnly, &CDlgPropertyIterate::SetSolidLinesOnly);
    QObject::connect(m_colours, &QButtonGroup::idClicked, &m_dialog, [this](int id) { m_data.m_nColour = id; });
    QObject::connect(m_name, &QLineEdit::textEdited, &m_dialog, [this](const QString& text) { m_data.SetName(text); });
    QObject::connect(m_depth, &QLineEdit::editingFinished, &m_dialog, [this] { DepthEdited(); });
  }

  // A typed depth out of range is refused and the stored one shown again.
  void DepthEdited() {
    if (m_data.m_bDepthFromParameter) return;
    int depth = m_data.m_nDepth;
    const QString refusal =
        ExchangeInteger(m_depth->text(), CDlgPropertyIterate::kDepthLow, CDlgPropertyIterate::kDepthHigh, depth);
    if (!refusal.isEmpty()) {
      m_depth->setText(QString::number(m_data.m_nDepth));
      KvMessageBox(refusal, QString(), MB_OK | MB_ICONWARNING);
      return;
    }
    if (depth != m_data.m_nDepth) m_data.SetDepth(depth);
  }

  void Refresh() {
    const QSignalBlocker a(m_tableShown), b(m_tableAcross), c(m_allLevels), d(m_solidOnly);
    m_tableShown->setChecked(m_data.m_bTableShown);
    m_tableAcross->setChecked(m_data.m_bTableAcross);
    m_allLevels->setChecked(m_data.m_bAllLevels);
    m_solidOnly->setChecked(m_data.m_bSolidLinesOnly);
  }

  CDlgPropertyIterate& m_data;
  QDialog m_dialog;
  QListWidget* m_objects;
  QLineEdit* m_name;
  QLineEdit* m_depth;
  QButtonGroup* m_colours = nullptr;
  QCheckBox* m_tableShown;
  QCheckBox* m_tableAcross;
  QCheckBox* m_allLevels;
  QCheckBox* m_solidOnly;
};

const CDialogWidget<CDlgPropertyIterate> widget([](CDlgPropertyIterate& data, QWidget* parent) {
  CIteratePropertyDialog dialog(data, parent);
  return dialog.Run();
});
}  // namespace
