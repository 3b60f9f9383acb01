// The widgets of the iteration map dialog (its data and rules:
// editing/dialogs/iterations/iteratedialog.h).  Every click goes to the
// data's rules; the widgets are then refreshed from the data.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/iterations/iteratedialog.h"
#include "editing/dialogs/iterations/iterationdialogtexts.h"
#include "platform/notifier.h"
#include "ui/dialogs/dialogwidgets.h"

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

class CIterateDialog {
 public:
  CIterateDialog(CDlgIterate& data, QWidget* parent) : m_data(data), m_dialog(parent) {
    m_dialog.setWindowTitle(Text(kCaptionIterate));
    auto* layout = new QVBoxLayout(&m_dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    m_sources = AddCombo(form, kTextSources, QStringLiteral("sources"));
    m_images = AddCombo(form, kTextImages, QStringLiteral("images"));
    m_maps = AddCombo(form, kTextCurrentMap, QStringLiteral("maps"));
    for (const CIterateItem& item : m_data.m_sources) m_sources->addItem(item.name, item.id);
    for (const CIterateItem& item : m_data.m_images) m_images->addItem(item.name, item.id);
    form->addRow(Text(kCaptionDepth), DepthRow());
    m_rules = new QListWidget(&m_dialog);
    m_rules->setObjectName(QStringLiteral("rules"));
    layout->addWidget(m_rules);
    auto* mapButtons = new QHBoxLayout;
    layout->addLayout(mapButtons);
    AddButton(mapButtons, kTextAddMap, QStringLiteral("addMap"), [this] { m_data.AddMap(); });
    AddButton(mapButtons, kTextDeleteMap, QStringLiteral("deleteMap"), [this] { m_data.DeleteMap(); });
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &m_dialog);
    layout->addWidget(m_buttons);
    QObject::connect(m_buttons, &QDialogButtonBox::accepted, &m_dialog, [this] { TryAccept(); });
    QObject::connect(m_buttons, &QDialogButtonBox::rejected, &m_dialog, &QDialog::reject);
    QObject::connect(m_sources, &QComboBox::activated, &m_dialog, [this](int row) { m_data.m_nSource = row; });
    QObject::connect(m_images, &QComboBox::activated, &m_dialog, [this](int row) {
      m_data.ChooseImage(row);
      Refresh();
    });
    QObject::connect(m_maps, &QComboBox::activated, &m_dialog, [this](int row) {
      m_data.ChooseMap(row);
      Refresh();
    });
    Refresh();
  }

  bool Run() { return m_dialog.exec() == QDialog::Accepted; }

 private:
  QComboBox* AddCombo(QFormLayout* form, const char* label, const QString& name) {
    auto* combo = new QComboBox(&m_dialog);
    combo->setObjectName(name);
    form->addRow(Text(label), combo);
    return combo;
  }
  // The depth edit and its up-down arrows.
  QHBoxLayout* DepthRow() {
    auto* row = new QHBoxLayout;
    m_depth = new QLineEdit(QString::number(m_data.m_nDepth), &m_dialog);
    m_depth->setObjectName(QStringLiteral("depth"));
    row->addWidget(m_depth);
    for (int step : {1, -1}) {
      auto* arrow = new QToolButton(&m_dialog);
      arrow->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
      arrow->setObjectName(step > 0 ? QStringLiteral("depthUp") : QStringLiteral("depthDown"));
      arrow->setAutoRepeat(true);
      row->addWidget(arrow);
      QObject::connect(arrow, &QToolButton::clicked, &m_dialog,
                       [this, step] { m_depth->setText(m_data.SteppedDepth(m_depth->text(), step)); });
    }
    return row;
  }
  template <class Click>
  void AddButton(QHBoxLayout* row, const char* text, const QString& name, Click click) {
    auto* button = new QPushButton(Text(text), &m_dialog);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, &m_dialog, [this, click] {
      click();
      Refresh();
    });
  }

  void Refresh() {
    const QSignalBlocker blockMaps(m_maps), blockSources(m_sources), blockImages(m_images);
    m_maps->clear();
    m_maps->addItems(m_data.MapNames());
    m_maps->setCurrentIndex(m_data.MapRow());
    m_sources->setCurrentIndex(m_data.m_nSource);
    m_images->setCurrentIndex(m_data.m_nImage);
    m_rules->clear();
    m_rules->addItems(m_data.Rules());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_data.m_bOkEnabled);
  }

  void TryAccept() {
    const QString refusal = ExchangeInteger(m_depth->text(), CDlgIterate::kDepthLow, CDlgIterate::kDepthHigh,
                                            m_data.m_nDepth);
    if (!refusal.isEmpty()) {
      KvMessageBox(refusal, QString(), MB_OK | MB_ICONWARNING);
      m_depth->setFocus();
      return;
    }
    m_dialog.accept();
  }

  CDlgIterate& m_data;
  QDialog m_dialog;
  QComboBox* m_sources;
  QComboBox* m_images;
  QComboBox* m_maps;
  QLineEdit* m_depth;
  QListWidget* m_rules;
  QDialogButtonBox* m_buttons;
};

const CDialogWidget<CDlgIterate> widget([](CDlgIterate& data, QWidget* parent) {
  CIterateDialog dialog(data, parent);
  return dialog.Run();
});
}  // namespace
