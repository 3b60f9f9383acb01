// The widgets of the document options (their data:
// editing/dialogs/document/documentdialogs.h): the page names shown in
// order beside the document text, the author read-only, and the two options.
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "editing/dialogs/document/documentdialogs.h"
#include "editing/dialogs/document/documentdialogtexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
using Data = CDlgPage;

// The names only show: nothing chosen there changes the answer.
QListWidget* PageNameList(const QStringList& names, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QStringLiteral("pageNames"));
  list->addItems(names);
  if (!names.isEmpty()) list->setCurrentRow(0);
  return list;
}

const CDialogWidget<Data> widget([](Data& data, QWidget* parent) {
  CInputForm form(parent, kCaptionDocumentOptions);
  QWidget* dialog = &form.Dialog();
  auto* author = new QLineEdit(data.m_strAuthor, dialog);
  author->setObjectName(QStringLiteral("author"));
  author->setReadOnly(true);
  form.Form().addRow(QString::fromUtf8(kTextAuthor), author);
  // The document keeps its lines apart with CR LF, as the edit hands them back.
  QString shown = data.m_strText;
  auto* text = new QPlainTextEdit(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")), dialog);
  text->setObjectName(QStringLiteral("text"));
  auto* pages = new QHBoxLayout;
  pages->addWidget(PageNameList(data.m_pageNames, dialog));
  pages->addWidget(text, 1);
  form.Form().addRow(QString::fromUtf8(kTextPageNames), pages);
  form.AddCheck(kTextSaveVodPictures, data.m_bSaveVodPictures);
  auto* hint = new QLabel(QString::fromUtf8(kTextSaveVodPicturesHint), dialog);
  hint->setWordWrap(true);
  form.Form().addRow(hint);
  form.AddCheck(kTextRenamePages, data.m_bRenamePages);
  if (!form.Run()) return false;
  // An untouched text stays as the document has it, whatever its line ends.
  if (text->toPlainText() != shown) data.m_strText = text->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
  return true;
});
}  // namespace
