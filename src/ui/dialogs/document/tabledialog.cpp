// The widgets of the table size dialog (its data:
// editing/dialogs/document/documentdialogs.h): rows and columns, each a
// whole number from 1 to 20, refused otherwise with the range message.
#include <QFormLayout>
#include <QLabel>

#include "editing/dialogs/document/documentdialogs.h"
#include "editing/dialogs/document/documentdialogtexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
using Data = CDlgTable;

const CDialogWidget<Data> widget([](Data& data, QWidget* parent) {
  CInputForm form(parent, kCaptionTable);
  form.AddInteger(kTextRows, data.m_nRows, Data::kMin, Data::kMax);
  form.AddInteger(kTextColumns, data.m_nCols, Data::kMin, Data::kMax);
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextTableNote), &form.Dialog()));
  return form.Run();
});
}  // namespace
