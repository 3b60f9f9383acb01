// The widget of the component dialog (its data and rules:
// editing/dialogs/bodies/subadialog.h).  Every change goes to a working
// copy of the data, whose rules decide; the controls then mirror it.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "cells/solids/bodies/cgsubassembly.h"
#include "editing/dialogs/bodies/subadialog.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/properties/propertydialogtexts.h"
#include "platform/notifier.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/editors/propertysheets.h"

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

class CSubaWidget {
 public:
  CSubaWidget(CCreateSubaDlg& data, QWidget* parent) : m_data(data), m_work(data), m_dialog(parent) {
    m_dialog.setWindowTitle(Text(kCaptionBody));
    m_dialog.setObjectName(QStringLiteral("componentDialog"));
    auto* layout = new QVBoxLayout(&m_dialog);
    BuildKindRow(*layout);
    BuildPlacement(*layout);
    BuildClipping(*layout);
    BuildLook(*layout);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &m_dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &m_dialog, [this] { Accept(); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &m_dialog, &QDialog::reject);
    layout->addWidget(buttons);
    Show();
  }

  bool Run() { return m_dialog.exec() == QDialog::Accepted; }

 private:
  QLineEdit* Edit(const QString& name) {
    auto* edit = new QLineEdit(&m_dialog);
    edit->setObjectName(name);
    return edit;
  }

  void BuildKindRow(QVBoxLayout& layout) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Text(kTextBodyKind), &m_dialog));
    m_pKind = new QComboBox(&m_dialog);
    m_pKind->setObjectName(QStringLiteral("kind"));
    for (int k = 0; k < CGSubassembly::kKindCount; ++k) m_pKind->addItem(CGSubassembly::KindName(k));
    row->addWidget(m_pKind);
    row->addWidget(new QLabel(Text(kTextBodyFont), &m_dialog));
    m_pFont = new QFontComboBox(&m_dialog);
    m_pFont->setObjectName(QStringLiteral("font"));
    m_pFont->setEditable(true);
    row->addWidget(m_pFont);
    layout.addLayout(row);
    QObject::connect(m_pKind, qOverload<int>(&QComboBox::activated), &m_dialog, [this](int kind) {
      Read();
      m_work.ChooseKind(kind);
      Show();
    });
  }

  void BuildPlacement(QVBoxLayout& layout) {
    auto* grid = new QGridLayout;
    const char* const rows[] = {kTextBodyCentre, kTextBodyAxis, kTextBodyScale};
    for (int r = 0; r < 3; ++r) {
      grid->addWidget(new QLabel(Text(rows[r]), &m_dialog), r, 0);
      for (int k = 0; k < 3; ++k) {
        m_pPlace[r][k] = Edit(QStringLiteral("place%1%2").arg(r).arg(k));
        grid->addWidget(m_pPlace[r][k], r, k + 1);
      }
    }
    grid->addWidget(new QLabel(Text(kTextBodyTurn), &m_dialog), 3, 0);
    m_pTurn = Edit(QStringLiteral("turn"));
    grid->addWidget(m_pTurn, 3, 1);
    layout.addLayout(grid);
  }

  void BuildClipping(QVBoxLayout& layout) {
    auto* grid = new QGridLayout;
    m_pClip = new QCheckBox(Text(kTextBodyClip), &m_dialog);
    m_pClip->setObjectName(QStringLiteral("clip"));
    grid->addWidget(m_pClip, 0, 0);
    const char* const planes[] = {kTextBodyPlane1, kTextBodyPlane2};
    for (int p = 0; p < 2; ++p) {
      m_pPlane[p] = new QCheckBox(Text(planes[p]), &m_dialog);
      m_pPlane[p]->setObjectName(QStringLiteral("plane%1").arg(p + 1));
      grid->addWidget(m_pPlane[p], p + 1, 0);
      for (int k = 0; k < 4; ++k) {
        m_pPlaneEdit[p][k] = Edit(QStringLiteral("plane%1_%2").arg(p + 1).arg(k));
        grid->addWidget(m_pPlaneEdit[p][k], p + 1, k + 1);
      }
      QObject::connect(m_pPlane[p], &QCheckBox::toggled, &m_dialog, [this] { Changed(); });
    }
    QObject::connect(m_pClip, &QCheckBox::toggled, &m_dialog, [this] { Changed(); });
    layout.addLayout(grid);
  }

  void BuildLook(QVBoxLayout& layout) {
    auto* display = new QGroupBox(Text(kTextBodyDisplay), &m_dialog);
    auto* displayRow = new QHBoxLayout(display);
    m_pDisplay = new QButtonGroup(&m_dialog);
    for (int i = 0; i < 2; ++i) {
      auto* radio = new QRadioButton(Text(i == 0 ? kTextBodyLit : kTextBodyWire), display);
      m_pDisplay->addButton(radio, i);
      displayRow->addWidget(radio);
    }
    layout.addWidget(display);
    auto* labelRow = new QHBoxLayout;
    labelRow->addWidget(new QLabel(Text(kTextBodyLabel), &m_dialog));
    m_pLabel = Edit(QStringLiteral("label"));
    labelRow->addWidget(m_pLabel);
    layout.addLayout(labelRow);

    auto* material = new QGroupBox(Text(kTextBodyMaterial), &m_dialog);
    auto* materialRow = new QHBoxLayout(material);
    m_pMaterial = new QButtonGroup(&m_dialog);
    for (int i = 0; i < 2; ++i) {
      auto* radio = new QRadioButton(Text(i == 0 ? kTextBodyColourMaterial : kTextBodyOwnMaterial), material);
      m_pMaterial->addButton(radio, i);
      materialRow->addWidget(radio);
    }
    m_pPreset = new QComboBox(material);
    m_pPreset->setObjectName(QStringLiteral("preset"));
    for (const CMaterialPreset& row : kMaterialPresets) m_pPreset->addItem(Text(row.name));
    materialRow->addWidget(m_pPreset);
    m_pMore = new QPushButton(Text(kTextBodyMoreMaterial), material);
    m_pMore->setObjectName(QStringLiteral("moreMaterial"));
    materialRow->addWidget(m_pMore);
    layout.addWidget(material);

    auto* lastRow = new QHBoxLayout;
    lastRow->addWidget(new QLabel(Text(kTextBodyTexture), &m_dialog));
    m_pTexture = new QComboBox(&m_dialog);
    m_pTexture->setObjectName(QStringLiteral("texture"));
    m_pTexture->addItem(Text(kTextNoTexture));
    for (int i = 1; i <= CCreateSubaDlg::kTextures; ++i) m_pTexture->addItem(Text(kTextTextureItem).arg(i));
    lastRow->addWidget(m_pTexture);
    m_pLock = new QCheckBox(Text(kTextBodyLock), &m_dialog);
    m_pLock->setObjectName(QStringLiteral("lock"));
    lastRow->addWidget(m_pLock);
    layout.addLayout(lastRow);

    QObject::connect(m_pDisplay, &QButtonGroup::idClicked, &m_dialog, [this] { Changed(); });
    QObject::connect(m_pMaterial, &QButtonGroup::idClicked, &m_dialog, [this] { Changed(); });
    QObject::connect(m_pPreset, qOverload<int>(&QComboBox::activated), &m_dialog,
                     [this](int preset) { m_work.ChoosePreset(preset); });
    QObject::connect(m_pMore, &QPushButton::clicked, &m_dialog, [this] {
      CMatEditor sheet(&m_dialog);
      sheet.exec();
    });
  }

  void Changed() {
    Read();
    Show();
  }

  // The controls into the working copy; false at a number that is none or
  // one the member's type cannot hold (then m_refusal says the range).
  bool Read() {
    bool ok = true;
    m_refusal.clear();
    auto number = [&ok, this](QLineEdit* edit, auto& member) {
      using Member = std::remove_reference_t<decltype(member)>;
      bool good = false;
      const double v = edit->text().trimmed().toDouble(&good);
      // Checked in the type the body keeps: "1e39" is a double but no float.
      const double largest = std::numeric_limits<Member>::max();
      if (good && std::isfinite(v) && std::fabs(v) <= largest) {
        member = static_cast<Member>(v);
        return;
      }
      ok = false;
      if (good && std::isfinite(v) && m_refusal.isEmpty()) m_refusal = RangeMessage(-largest, largest, false);
    };
    float* const place[3] = {m_work.m_fCenter, m_work.m_fAxis, m_work.m_fScale};
    for (int r = 0; r < 3; ++r)
      for (int k = 0; k < 3; ++k) number(m_pPlace[r][k], place[r][k]);
    number(m_pTurn, m_work.m_fTurn);
    double* const planes[2] = {m_work.m_dPlane1, m_work.m_dPlane2};
    for (int p = 0; p < 2; ++p)
      for (int k = 0; k < 4; ++k) number(m_pPlaneEdit[p][k], planes[p][k]);
    m_work.m_bClip = m_pClip->isChecked();
    m_work.m_bPlane1 = m_pPlane[0]->isChecked();
    m_work.m_bPlane2 = m_pPlane[1]->isChecked();
    m_work.m_nDisplay = std::max(0, m_pDisplay->checkedId());
    m_work.m_strLabel = m_pLabel->text();
    m_work.m_strFont = m_pFont->currentText();
    m_work.m_nMaterialMode = std::max(0, m_pMaterial->checkedId());
    m_work.m_nPreset = m_pPreset->currentIndex();
    m_work.m_nTexture = m_work.TextureEnabled() ? m_pTexture->currentIndex() : 0;
    m_work.m_bLock = m_pLock->isChecked();
    return ok;
  }

  // The working copy into the controls, with its enabling rules.
  void Show() {
    const QSignalBlocker blockClip(m_pClip), blockPlane1(m_pPlane[0]), blockPlane2(m_pPlane[1]);
    m_pKind->setCurrentIndex(m_work.m_nKind);
    m_pFont->setCurrentText(m_work.m_strFont);
    m_pFont->setEnabled(m_work.FontEnabled());
    const float* const place[3] = {m_work.m_fCenter, m_work.m_fAxis, m_work.m_fScale};
    for (int r = 0; r < 3; ++r)
      for (int k = 0; k < 3; ++k) m_pPlace[r][k]->setText(QString::number(place[r][k]));
    m_pTurn->setText(QString::number(m_work.m_fTurn));
    m_pClip->setChecked(m_work.m_bClip);
    m_pClip->setEnabled(m_work.ClipEnabled());
    const double* const planes[2] = {m_work.m_dPlane1, m_work.m_dPlane2};
    const bool planeOn[2] = {m_work.Plane1Enabled(), m_work.Plane2Enabled()};
    const BOOL planeChecked[2] = {m_work.m_bPlane1, m_work.m_bPlane2};
    for (int p = 0; p < 2; ++p) {
      m_pPlane[p]->setChecked(planeChecked[p]);
      m_pPlane[p]->setVisible(m_work.PlaneChecksShown());
      for (int k = 0; k < 4; ++k) {
        m_pPlaneEdit[p][k]->setText(QString::number(planes[p][k]));
        m_pPlaneEdit[p][k]->setEnabled(planeOn[p]);
      }
    }
    m_pDisplay->button(m_work.m_nDisplay ? 1 : 0)->setChecked(true);
    m_pLabel->setText(m_work.m_strLabel);
    m_pMaterial->button(m_work.m_nMaterialMode ? 1 : 0)->setChecked(true);
    m_pPreset->setCurrentIndex(m_work.m_nPreset);
    m_pPreset->setEnabled(m_work.PresetsEnabled());
    m_pMore->setEnabled(m_work.PresetsEnabled());
    if (!m_work.TextureEnabled() && !CCreateSubaDlg::KindTakesTexture(m_work.m_nKind)) m_work.m_nTexture = 0;
    m_pTexture->setCurrentIndex(m_work.m_nTexture);
    m_pTexture->setEnabled(m_work.TextureEnabled());
    m_pLock->setChecked(m_work.m_bLock);
  }

  void Accept() {
    if (!Read()) {  // a number that is none keeps the dialog open
      if (!m_refusal.isEmpty()) KvMessageBox(m_refusal, QString(), MB_OK | MB_ICONWARNING);
      return;
    }
    m_data = m_work;
    m_dialog.accept();
  }

  CCreateSubaDlg& m_data;
  CCreateSubaDlg m_work;
  QString m_refusal;
  QDialog m_dialog;
  QComboBox* m_pKind = nullptr;
  QFontComboBox* m_pFont = nullptr;
  QLineEdit* m_pPlace[3][3] = {};
  QLineEdit* m_pTurn = nullptr;
  QCheckBox* m_pClip = nullptr;
  QCheckBox* m_pPlane[2] = {};
  QLineEdit* m_pPlaneEdit[2][4] = {};
  QButtonGroup* m_pDisplay = nullptr;
  QLineEdit* m_pLabel = nullptr;
  QButtonGroup* m_pMaterial = nullptr;
  QComboBox* m_pPreset = nullptr;
  QPushButton* m_pMore = nullptr;
  QComboBox* m_pTexture = nullptr;
  QCheckBox* m_pLock = nullptr;
};

const CDialogWidget<CCreateSubaDlg> subaWidget([](CCreateSubaDlg& data, QWidget* parent) {
  CSubaWidget widget(data, parent);
  return widget.Run();
});

}  // namespace
