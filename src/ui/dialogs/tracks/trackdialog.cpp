// The widgets of the track and trace dialogs (their data:
// editing/dialogs/tracks/trackdialogs.h).  Every tick of the check list is
// stored at once, whichever row is selected.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "editing/dialogs/tracks/trackdialogs.h"
#include "editing/dialogs/tracks/trackdialogtexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
QListWidget* AddCellList(CInputForm& form, CDlgTrack& data) {
  auto* list = new QListWidget(&form.Dialog());
  list->setObjectName(QStringLiteral("cells"));
  for (size_t row = 0; row < data.m_items.size(); ++row) {
    auto* item = new QListWidgetItem(data.m_items[row].name, list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(data.Ticked(row) ? Qt::Checked : Qt::Unchecked);
  }
  QObject::connect(list, &QListWidget::itemChanged, list, [list, &data](QListWidgetItem* item) {
    data.Tick(static_cast<size_t>(list->row(item)), item->checkState() == Qt::Checked);
  });
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextTrackCells), &form.Dialog()), list);
  return list;
}

const CDialogWidget<CDlgTrack> trackWidget([](CDlgTrack& data, QWidget* parent) {
  CInputForm form(parent, data.m_bNewTrack ? kCaptionNewTrack : kCaptionTrack);
  AddCellList(form, data);
  form.BeginGroup(kTextDriverRange);
  form.AddNumber("", data.m_fStart);
  form.AddNumber("", data.m_fEnd);
  form.EndGroup();
  form.AddCheck(kTextTwoParameters, data.m_bTwoParameters)->setEnabled(false);
  form.AddNumber(kTextStep, data.m_fStep, CDlgTrack::kMinStep, CDlgTrack::kMaxStep)->setObjectName("step");
  const char* const display[] = {kTextTrackSolid, kTextTrackAutoDashed, kTextTrackAll};
  form.AddChoice(kTextTrackDisplay, display, 3, data.m_nDisplay);
  const char* const colours[] = {kTextOwnColours, kTextTrackColours};
  form.AddChoice(kTextTrackColour, colours, 2, data.m_nColour);
  return form.Run();
});

const CDialogWidget<CDlgTrace> traceWidget([](CDlgTrace& data, QWidget* parent) {
  CInputForm form(parent, kCaptionTrace);
  const char* const modes[] = {kTextTracePointsAndLines, kTextTraceAll};
  form.AddChoice("", modes, 2, data.m_nMode)->setObjectName(QStringLiteral("modes"));
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextTraceNote), &form.Dialog()));
  return form.Run();
});
}  // namespace
