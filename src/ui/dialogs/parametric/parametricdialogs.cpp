// The widgets of the curve and surface dialogs (their data, examples and
// rules: editing/dialogs/parametric/).  The expressions are shown read-only;
// the button beside each edits it through the calculation dialog.  Choosing
// an example or a coordinate system rewrites the controls it concerns.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <vector>

#include "editing/dialogs/parametric/parametricdialogs.h"
#include "editing/dialogs/parametric/parametrictexts.h"
#include "editing/dialogs/properties/primitivedialogs.h"
#include "editing/dialogs/properties/propertydialogtexts.h"
#include "platform/numberformat.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

template <class T>
T* Named(T* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

// One expression: its button and the read-only edit showing the text.
struct ExpressionRow {
  QPushButton* button;
  QLineEdit* edit;
};

// Adds the row; a click edits the text through `edit` and shows the result.
ExpressionRow AddExpression(CInputForm& form, const QString& caption, QString& text, const QString& name,
                            const std::function<bool()>& edit) {
  auto* button = Named(new QPushButton(caption, &form.Dialog()), name + QStringLiteral("Button"));
  auto* shown = Named(new QLineEdit(text, &form.Dialog()), name);
  shown->setReadOnly(true);
  form.Form().addRow(button, shown);
  QObject::connect(button, &QPushButton::clicked, shown, [edit, shown, &text] {
    if (edit()) shown->setText(text);
  });
  return {button, shown};
}

QListWidget* AddExamples(CInputForm& form, const char* label, const std::vector<QString>& names) {
  auto* list = Named(new QListWidget(&form.Dialog()), QStringLiteral("examples"));
  for (const QString& name : names) list->addItem(name);
  list->setMaximumHeight(120);
  form.Form().addRow(Text(label), list);
  return list;
}

void SetCaptions(const std::vector<ExpressionRow>& rows, const std::array<QString, 3>& captions) {
  for (int i = 0; i < 3; ++i) rows[i].button->setText(captions[i]);
}

// --- Curve ----------------------------------------------------------------

bool RunCurveDialog(CDlgCurve& data, QWidget* parent) {
  CInputForm form(parent, kTextCurveCaption);
  std::vector<ExpressionRow> rows;
  const std::array<QString, 3> captions = CDlgCurve::AxisCaptions(data.m_nSystem);
  const char* names[] = {"x", "y", "z", "from", "to", "colour"};
  const QString buttonTexts[] = {captions[0], captions[1], captions[2], Text(kTextRangeFrom), Text(kTextRangeTo),
                                 Text(kTextColourButton)};
  for (int i = 0; i < 6; ++i) {
    if (i == CDlgCurve::kFrom) form.Form().addRow(new QLabel(Text(kTextCurveParameterBox), &form.Dialog()));
    const auto which = static_cast<CDlgCurve::Expression>(i);
    rows.push_back(AddExpression(form, buttonTexts[i], data.Text(which), Text(names[i]),
                                 [&data, which] { return data.EditExpression(which); }));
  }
  QCheckBox* colouring = Named(form.AddCheck(kTextSegmentColouring, data.m_bSegmentColouring), "colouring");
  const auto showColour = [rows, colouring] {
    rows[CDlgCurve::kColour].button->setVisible(colouring->isChecked());
    rows[CDlgCurve::kColour].edit->setVisible(colouring->isChecked());
  };
  QObject::connect(colouring, &QCheckBox::toggled, colouring, showColour);
  showColour();
  QLineEdit* step =
      Named(form.AddNumber(kTextCurveStep, data.m_fStep, CDlgCurve::kMinStep, CDlgCurve::kMaxStep), "step");
  QButtonGroup* systems = form.AddChoice(kTextCoordinateSystem, kTextCoordinateSystems, 3, data.m_nSystem);
  QObject::connect(systems, &QButtonGroup::idClicked, systems,
                   [rows](int system) { SetCaptions(rows, CDlgCurve::AxisCaptions(system)); });
  form.AddChoice("", kTextCurveDisplays, 4, data.m_nDisplay);
  Named(form.AddNumber(kTextBreakDistance, data.m_fBreakDistance), "breakDistance");
  std::vector<QString> examples;
  for (const CCurveExample& e : kCurveExamples) examples.push_back(Text(e.name));
  QListWidget* list = AddExamples(form, kTextCurveExamples, examples);
  QObject::connect(list, &QListWidget::currentRowChanged, list, [&data, rows, step, systems](int row) {
    data.ApplyExample(row);
    for (int i = 0; i <= CDlgCurve::kTo; ++i) rows[i].edit->setText(data.Text(static_cast<CDlgCurve::Expression>(i)));
    step->setText(ShownNumber(data.m_fStep));
    systems->button(data.m_nSystem)->setChecked(true);
    SetCaptions(rows, CDlgCurve::AxisCaptions(data.m_nSystem));
  });
  return form.Run();
}

// --- Surface --------------------------------------------------------------

// A mapping number as a double is exchanged with its edit: 15 significant
// digits, and a plain 0 for the negative zero that an automatic mapping of
// a range from 0 leaves in the offsets.
QString MappingText(double value) { return FormatNumber("%.15g", value == 0 ? 0.0 : value); }

QLineEdit* AddMapping(CInputForm& form, const char* label, double& member, const char* name) {
  QLineEdit* edit = Named(form.AddNumber(label, member), QString::fromLatin1(name));
  edit->setText(MappingText(member));
  return edit;
}

QStringList TextureItems() {
  QStringList items{Text(kTextNoTexture)};
  for (int i = 1; i < kTextureListItems; ++i) items << Text(kTextTextureItem).arg(i);
  return items;
}

bool RunSurfaceDialog(CDlgSurface& data, QWidget* parent) {
  CInputForm form(parent, kTextSurfaceCaption);
  std::vector<ExpressionRow> rows;
  const std::array<QString, 3> captions = CDlgSurface::AxisCaptions(data.m_nSystem);
  const char* names[] = {"x", "y", "z", "uFrom", "uTo", "vFrom", "vTo"};
  const QString buttonTexts[] = {captions[0],          captions[1],        captions[2],
                                 Text(kTextSurfaceUFrom), Text(kTextRangeTo), Text(kTextSurfaceVFrom),
                                 Text(kTextRangeTo)};
  for (int i = 0; i < 7; ++i) {
    const auto which = static_cast<CDlgSurface::Expression>(i);
    rows.push_back(AddExpression(form, buttonTexts[i], data.Text(which), Text(names[i]),
                                 [&data, which] { return data.EditExpression(which); }));
  }
  QLineEdit* uStep =
      Named(form.AddNumber(kTextSurfaceUStep, data.m_dUStep, CDlgSurface::kMinStep, CDlgSurface::kMaxStep), "uStep");
  QLineEdit* vStep =
      Named(form.AddNumber(kTextSurfaceVStep, data.m_dVStep, CDlgSurface::kMinStep, CDlgSurface::kMaxStep), "vStep");
  QButtonGroup* systems = form.AddChoice(kTextCoordinateSystem, kTextCoordinateSystems, 3, data.m_nSystem);
  QObject::connect(systems, &QButtonGroup::idClicked, systems,
                   [rows](int system) { SetCaptions(rows, CDlgSurface::AxisCaptions(system)); });
  QButtonGroup* displays = form.AddChoice("", kTextSurfaceDisplays, 3, data.m_nDisplay);
  QComboBox* textures = Named(form.AddList(kTextFrontTexture, TextureItems(), data.m_nTexture), "textures");
  QCheckBox* twoSided = Named(form.AddCheck(kTextTwoSides, data.m_bTwoSided), "twoSided");
  QButtonGroup* mapping = form.AddChoice(kTextTextureCoordinates, kTextMappings, 2, data.m_nMapping);
  QLineEdit* edits[] = {AddMapping(form, kTextMapS, data.m_dMapA, "mapA"),
                        AddMapping(form, kTextMapU, data.m_dMapB, "mapB"),
                        AddMapping(form, kTextMapT, data.m_dMapC, "mapC"),
                        AddMapping(form, kTextMapV, data.m_dMapD, "mapD")};
  const auto update = [=] {
    const CDlgSurface::Controls c =
        CDlgSurface::ControlStates(displays->checkedId(), textures->currentIndex(), mapping->checkedId());
    textures->setEnabled(c.textureList);
    twoSided->setEnabled(c.twoSided);
    for (QAbstractButton* radio : mapping->buttons()) radio->setEnabled(c.mappingChoice);
    for (QLineEdit* edit : edits) edit->setEnabled(c.mappingEdits);
  };
  QObject::connect(displays, &QButtonGroup::idClicked, displays, update);
  QObject::connect(mapping, &QButtonGroup::idClicked, mapping, update);
  QObject::connect(textures, &QComboBox::currentIndexChanged, textures, update);
  update();
  std::vector<QString> examples;
  for (const CSurfaceExample& e : kSurfaceExamples) examples.push_back(Text(e.name));
  QListWidget* list = AddExamples(form, kTextSurfaceExamples, examples);
  QObject::connect(list, &QListWidget::currentRowChanged, list,
                   [&data, rows, uStep, vStep, systems, textures, twoSided](int row) {
                     data.ApplyExample(row);
                     for (int i = 0; i < 7; ++i)
                       rows[i].edit->setText(data.Text(static_cast<CDlgSurface::Expression>(i)));
                     uStep->setText(ShownNumber(data.m_dUStep));
                     vStep->setText(ShownNumber(data.m_dVStep));
                     systems->button(data.m_nSystem)->setChecked(true);
                     textures->setCurrentIndex(data.m_nTexture);
                     twoSided->setChecked(data.m_bTwoSided != 0);
                     SetCaptions(rows, CDlgSurface::AxisCaptions(data.m_nSystem));
                   });
  return form.Run();
}

const CDialogWidget<CDlgCurve> curveWidget(RunCurveDialog);
const CDialogWidget<CDlgSurface> surfaceWidget(RunSurfaceDialog);
}  // namespace
