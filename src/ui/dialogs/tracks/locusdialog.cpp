// The widgets of the locus dialog (its data:
// editing/dialogs/tracks/trackdialogs.h).  The colour function and its
// button show only while "分段着色" is ticked.
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editing/dialogs/tracks/trackdialogs.h"
#include "editing/dialogs/tracks/trackdialogtexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
QString Text(const char* text) { return QString::fromUtf8(text); }

// The read-only colour function with its "颜色=" button; hidden together.
QWidget* AddColourRow(CInputForm& form, CDlgLocus& data) {
  auto* row = new QWidget(&form.Dialog());
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* button = new QPushButton(Text(kTextColourIs), row);
  button->setObjectName(QStringLiteral("colourButton"));
  auto* edit = new QLineEdit(data.m_strColour, row);
  edit->setObjectName(QStringLiteral("colour"));
  edit->setReadOnly(true);
  layout->addWidget(button);
  layout->addWidget(edit);
  QObject::connect(button, &QPushButton::clicked, edit, [&data, edit] {
    if (data.EditColour()) edit->setText(data.m_strColour);
  });
  form.Form().addRow(row);
  return row;
}

const CDialogWidget<CDlgLocus> widget([](CDlgLocus& data, QWidget* parent) {
  CInputForm form(parent, kCaptionLocus);
  form.Form().addRow(Text(kTextDescription), new QLabel(data.m_strDescription, &form.Dialog()));
  form.AddCheck(kTextHideObject, data.m_bHidden);
  form.AddText(kTextLabel, data.m_strLabel);
  form.AddNumber(kTextStep, data.m_fStep, CDlgLocus::kMinStep, CDlgLocus::kMaxStep)->setObjectName("step");
  form.BeginGroup(kTextDriverRange);
  form.AddNumber("", data.m_fStart);
  form.AddNumber("", data.m_fEnd);
  form.EndGroup();
  form.AddChoice(kTextLocusDisplay, kTextLocusDisplays, 4, data.m_nDisplay);
  form.AddNumber(kTextBreakAt, data.m_fBreakDistance);
  form.AddCheck(kTextFollow, data.m_bFollow);
  QCheckBox* colouring = form.AddCheck(kTextSegmentColours, data.m_bSegmentColouring);
  colouring->setObjectName(QStringLiteral("colouring"));
  QWidget* colourRow = AddColourRow(form, data);
  QObject::connect(colouring, &QCheckBox::toggled, colourRow, &QWidget::setVisible);
  colourRow->setVisible(data.ColourShown());
  return form.Run();
});
}  // namespace
