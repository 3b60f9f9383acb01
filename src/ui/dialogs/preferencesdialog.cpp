// The preferences dialog: colours, fonts, sizes, frame rate and mouse
// switches of the whole program, four preset schemes, the light sheet, and
// "apply now", which recolours the cells at once.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <type_traits>

#include "platform/notifier.h"
#include "ui/colors/colorpalettewnd.h"
#include "ui/colors/colorpicker.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/preferencestexts.h"
#include "ui/editors/propertysheets.h"
#include "ui/formula/fontcombobox.h"
#include "view/kavrelview.h"
#include "view/tools/preferences.h"

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QColor QColorOf(COLORREF word) { return QColor(word & 0xFF, (word >> 8) & 0xFF, (word >> 16) & 0xFF); }
COLORREF WordOf(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

// A number field of the dialog and the range it takes.
struct NumberField {
  QLineEdit* edit;
  double low, high;
  bool integer;
};

class CPreferencesDialog : public QDialog {
 public:
  CPreferencesDialog(CDlgPreferonces& data, QWidget* parent) : QDialog(parent), m_data(data) {
    setWindowTitle(Text(kTextPrefsCaption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text(kTextPrefsHeadLine), this));
    auto* columns = new QHBoxLayout;
    columns->addWidget(ColorBox());
    auto* right = new QVBoxLayout;
    right->addWidget(FontBox());
    right->addWidget(SizeBox());
    right->addWidget(ModifyBox());
    columns->addLayout(right);
    layout->addLayout(columns);
    m_pNoDoubleClick = new QCheckBox(Text(kTextPrefsNoDoubleClick), this);
    m_pScreenRotation = new QCheckBox(Text(kTextPrefsScreenRotation), this);
    layout->addWidget(m_pNoDoubleClick);
    layout->addWidget(m_pScreenRotation);
    layout->addLayout(ButtonRow());
    WriteControls();
  }

 private:
  QGroupBox* ColorBox() {
    auto* box = new QGroupBox(Text(kTextPrefsColorBox), this);
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < 10; ++i) {
      m_colors[i] = new CColorPicker(box);
      grid->addWidget(new QLabel(Text(kTextPrefsColors[i]), box), i / 2, (i % 2) * 2);
      grid->addWidget(m_colors[i], i / 2, (i % 2) * 2 + 1);
    }
    return box;
  }

  QGroupBox* FontBox() {
    auto* box = new QGroupBox(Text(kTextPrefsFontBox), this);
    auto* grid = new QGridLayout(box);
    const char* rows[2] = {kTextPrefsLabelFont, kTextPrefsMeasureFont};
    for (int row = 0; row < 2; ++row) {
      m_faces[row] = new CFontComboBox(box);
      m_faces[row]->FillFontList();
      m_sizes[row] = new QComboBox(box);
      m_sizes[row]->setEditable(true);
      for (const char* size : kTextPrefsSizes) m_sizes[row]->addItem(Text(size));
      grid->addWidget(new QLabel(Text(rows[row]), box), row, 0);
      grid->addWidget(m_faces[row], row, 1);
      grid->addWidget(new QLabel(Text(kTextPrefsSize), box), row, 2);
      grid->addWidget(m_sizes[row], row, 3);
    }
    return box;
  }

  QGroupBox* SizeBox() {
    auto* box = new QGroupBox(Text(kTextPrefsWidthBox), this);
    auto* grid = new QGridLayout(box);
    m_fields[0] = {new QLineEdit(box), CDlgPreferonces::kMinLineWidth, CDlgPreferonces::kMaxLineWidth, false};
    m_fields[1] = {new QLineEdit(box), CDlgPreferonces::kMinPointSize, CDlgPreferonces::kMaxPointSize, false};
    m_fields[2] = {new QLineEdit(box), CDlgPreferonces::kMinFrameRate, CDlgPreferonces::kMaxFrameRate, true};
    grid->addWidget(new QLabel(Text(kTextPrefsLineWidth), box), 0, 0);
    grid->addWidget(m_fields[0].edit, 0, 1);
    grid->addWidget(new QLabel(Text(kTextPrefsPointSize), box), 1, 0);
    grid->addWidget(m_fields[1].edit, 1, 1);
    auto* frames = new QGroupBox(Text(kTextPrefsFrameBox), box);
    auto* row = new QHBoxLayout(frames);
    row->addWidget(m_fields[2].edit);
    row->addWidget(new QLabel(Text(kTextPrefsFrameUnit), frames));
    grid->addWidget(frames, 2, 0, 1, 2);
    return box;
  }

  QGroupBox* ModifyBox() {
    auto* box = new QGroupBox(Text(kTextPrefsModifyBox), this);
    auto* row = new QHBoxLayout(box);
    m_pCurrentPageOnly = new QCheckBox(Text(kTextPrefsCurrentPageOnly), box);
    row->addWidget(m_pCurrentPageOnly);
    AddButton(row, kTextPrefsApplyNow, [this] {
      if (!ReadControls(true)) return;
      if (m_data.m_applyNow) m_data.m_applyNow(m_data);
    });
    return box;
  }

  QLayout* ButtonRow() {
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i)
      AddButton(grid, kTextPrefsPresets[i], [this, i] {
        ReadControls(false);
        m_data.ApplyPreset(static_cast<PreferencePreset>(i));
        WriteControls();
      });
    AddButton(grid, kTextPrefsLight, [this] { EditLight(); });
    AddButton(grid, kTextPrefsOk, [this] {
      if (ReadControls(true)) accept();
    });
    AddButton(grid, kTextPrefsClose, [this] { reject(); });
    return grid;
  }

  template <class Layout, class Fn>
  void AddButton(Layout* layout, const char* text, Fn clicked) {
    auto* button = new QPushButton(Text(text), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, clicked);
    if constexpr (std::is_same_v<Layout, QGridLayout>) {
      const int n = layout->count();
      layout->addWidget(button, n / 4, n % 4);
    } else {
      layout->addWidget(button);
    }
  }

  void EditLight() {
    CLightEditor sheet(g_pKavrelView, this);
    if (sheet.exec() != QDialog::Accepted) return;
    const CDlgPreferonces current;  // the light the sheet applied
    m_data.m_lightAmbient = current.m_lightAmbient;
    m_data.m_lightDiffuse = current.m_lightDiffuse;
    m_data.m_lightSpecular = current.m_lightSpecular;
    m_data.m_lightPosition = current.m_lightPosition;
  }

  void WriteControls() {
    for (int i = 0; i < 10; ++i) m_colors[i]->SetColor(QColorOf(m_data.m_colors[i]));
    m_faces[0]->setCurrentText(m_data.m_strLabelFont);
    m_faces[1]->setCurrentText(m_data.m_strMeasureFont);
    m_sizes[0]->setCurrentText(m_data.m_strLabelSize);
    m_sizes[1]->setCurrentText(m_data.m_strMeasureSize);
    m_fields[0].edit->setText(QString::number(m_data.m_fLineWidth));
    m_fields[1].edit->setText(QString::number(m_data.m_fPointSize));
    m_fields[2].edit->setText(QString::number(m_data.m_nFrameRate));
    m_pCurrentPageOnly->setChecked(m_data.m_bCurrentPageOnly != 0);
    m_pNoDoubleClick->setChecked(m_data.m_bNoDoubleClick != 0);
    m_pScreenRotation->setChecked(m_data.m_bScreenRotation != 0);
  }

  // The number of a field within its range; otherwise, when refusing, the
  // user is told and the field takes the focus.
  bool ReadNumber(const NumberField& field, bool refuse, double* value) {
    bool ok = false;
    const double typed = field.edit->text().trimmed().toDouble(&ok);
    if (ok && typed >= field.low && typed <= field.high && (!field.integer || typed == static_cast<int>(typed))) {
      *value = typed;
      return true;
    }
    if (refuse) {
      KvMessageBox(RangeMessage(field.low, field.high, field.integer), QString(), MB_OK | MB_ICONWARNING);
      field.edit->setFocus();
      field.edit->selectAll();
    }
    return false;
  }

  // The controls into the members; with `refuse`, a number out of range
  // stops it before any member changes.
  bool ReadControls(bool refuse) {
    double numbers[3] = {m_data.m_fLineWidth, m_data.m_fPointSize, static_cast<double>(m_data.m_nFrameRate)};
    for (int i = 0; i < 3; ++i)
      if (!ReadNumber(m_fields[i], refuse, &numbers[i]) && refuse) return false;
    m_data.m_fLineWidth = static_cast<float>(numbers[0]);
    m_data.m_fPointSize = static_cast<float>(numbers[1]);
    m_data.m_nFrameRate = static_cast<int>(numbers[2]);
    for (int i = 0; i < 10; ++i) m_data.m_colors[i] = WordOf(m_colors[i]->Color());
    m_data.m_strLabelFont = m_faces[0]->currentText();
    m_data.m_strMeasureFont = m_faces[1]->currentText();
    m_data.m_strLabelSize = m_sizes[0]->currentText();
    m_data.m_strMeasureSize = m_sizes[1]->currentText();
    m_data.m_bCurrentPageOnly = m_pCurrentPageOnly->isChecked();
    m_data.m_bNoDoubleClick = m_pNoDoubleClick->isChecked();
    m_data.m_bScreenRotation = m_pScreenRotation->isChecked();
    return true;
  }

  CDlgPreferonces& m_data;
  CColorPicker* m_colors[10];
  CFontComboBox* m_faces[2];
  QComboBox* m_sizes[2];
  NumberField m_fields[3];
  QCheckBox* m_pCurrentPageOnly;
  QCheckBox* m_pNoDoubleClick;
  QCheckBox* m_pScreenRotation;
};

const CDialogWidget<CDlgPreferonces> preferencesWidget([](CDlgPreferonces& data, QWidget* parent) {
  CPreferencesDialog dialog(data, parent);
  return dialog.exec() == QDialog::Accepted;
});
}  // namespace
