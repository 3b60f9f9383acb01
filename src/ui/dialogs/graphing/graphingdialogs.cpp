// The widgets of the parametric-colour and axis-scale dialogs (their data:
// editing/dialogs/graphing/graphingdialogs.h).  The axis-scale lists follow
// the automatic-spacing check, and a tick spacing above the value spacing
// (or the reverse) is refused with its message and set back.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QStringList>
#include <memory>

#include "editing/dialogs/graphing/graphingdialogs.h"
#include "editing/dialogs/graphing/graphingdialogtexts.h"
#include "platform/notifier.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
const CDialogWidget<CDlgParametricColor> colorWidget([](CDlgParametricColor& data, QWidget* parent) {
  CInputForm form(parent, kCaptionParametricColor);
  form.AddText(kTextColorLabel, data.m_strLabel);
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextColorRange), &form.Dialog()));
  form.AddNumber(kTextColorFrom, data.m_fFrom);
  form.AddNumber(kTextColorTo, data.m_fTo);
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextColorCycle), &form.Dialog()));
  form.AddChoice(kTextColorModelTitle, ColorModelTexts(data.m_nKind), 2, data.m_nColorModel);
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextColorNote), &form.Dialog()));
  return form.Run();
});

QStringList SpacingTexts() {
  QStringList texts;
  for (int i = 0; i < kScaleSpacingCount; ++i) texts << QString::fromLatin1(ScaleSpacingText(i));
  return texts;
}

// Checks a new choice against the other list; a refused one is set back.
void Recheck(CDlgProScaleLine& shown, QComboBox* values, QComboBox* ticks, const char* (*check)(CDlgProScaleLine&)) {
  shown.m_nLabelSpacing = values->currentIndex();
  shown.m_nTickSpacing = ticks->currentIndex();
  const char* message = check(shown);
  if (!message) return;
  KvMessageBox(QString::fromUtf8(message));
  values->setCurrentIndex(shown.m_nLabelSpacing);
  ticks->setCurrentIndex(shown.m_nTickSpacing);
}

const CDialogWidget<CDlgProScaleLine> scaleWidget([](CDlgProScaleLine& data, QWidget* parent) {
  CInputForm form(parent, kCaptionScaleLine);
  form.AddChoice(kTextAxisTypeTitle, kTextAxisTypes, 2, data.m_nAxisType);
  form.AddCheck(kTextHideYAxis, data.m_bHideY);
  QCheckBox* autoSpacing = form.AddCheck(kTextAutoSpacing, data.m_bAutoSpacing);
  QComboBox* values = form.AddList(kTextLabelSpacing, SpacingTexts(), data.m_nLabelSpacing);
  QComboBox* ticks = form.AddList(kTextTickSpacing, SpacingTexts(), data.m_nTickSpacing);
  values->setObjectName(QStringLiteral("labelSpacing"));
  ticks->setObjectName(QStringLiteral("tickSpacing"));
  form.AddChoice(kTextGridTitle, kTextGridModes, 3, data.m_nGrid);
  const auto follow = [values, ticks, autoSpacing] {
    values->setEnabled(!autoSpacing->isChecked());
    ticks->setEnabled(!autoSpacing->isChecked());
  };
  follow();
  QObject::connect(autoSpacing, &QCheckBox::clicked, &form.Dialog(), follow);
  auto shown = std::make_shared<CDlgProScaleLine>(data);
  QObject::connect(ticks, &QComboBox::activated, &form.Dialog(),
                   [shown, values, ticks] { Recheck(*shown, values, ticks, CheckTickChoice); });
  QObject::connect(values, &QComboBox::activated, &form.Dialog(),
                   [shown, values, ticks] { Recheck(*shown, values, ticks, CheckLabelChoice); });
  return form.Run();
});
}  // namespace
