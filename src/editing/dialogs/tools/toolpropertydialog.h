// The tool-properties dialog as data: the tools stored in the document,
// edited in place.  Every change goes into the document's records (and the
// custom-tool menu) at once, as the user leaves an edit or presses a
// button, so there is nothing to write back on OK; the command marks the
// document modified whatever the answer.
#pragma once
#include <QString>
#include <QStringList>

#include "platform/dialogprovider.h"
#include "platform/types.h"

class CKavrelDoc;
class CRecord;

class CDlgPropertyTool : public CDialogDataOf<CDlgPropertyTool> {
 public:
  // Lists the document's tools and loads the first; a document without
  // tools shows the hint in the tool-comment edit.
  void Initialise();
  // A row of the tool list chosen: its inputs, comment, name and switch.
  void SelectTool(int row);
  // A row of the input list chosen: its comment.
  void SelectInput(int row);

  // Leaving the name edit: the record, its menu item and its row are renamed.
  void SetName(const QString& name);
  // Leaving the tool-comment edit: the record and its menu item's description.
  void SetComment(const QString& comment);
  // Leaving the input-comment edit: the selected input's prompt.
  void SetInputComment(const QString& comment);
  void SetDefaultColors(bool on);

  // "复制工具": a copy of the current tool of the menu after the selected
  // tool (at the head when none), selected; the current tool stays
  // current.  False, after telling the user, when no tool is current.
  bool CopyCurrentTool();
  // "删除工具": the selected tool removed once the user agrees.  False
  // when there is none or the user declined.
  bool DeleteTool();

  // Whether the hint for a document without tools is shown (the widget
  // gives the comment edit the focus, its text selected).
  bool ShowsHint() const { return m_pRecord == nullptr; }

  CKavrelDoc* m_pDoc = nullptr;  // set by the caller
  CRecord* m_pRecord = nullptr;  // the tool edited; none without tools
  int m_nTool = -1;              // its row in the tool list
  int m_nInput = -1;             // the selected input
  QStringList m_tools;           // the document's tool names, in order
  QStringList m_inputs;          // "%d. %s": number and cell name
  QString m_strComment;
  QString m_strName;
  QString m_strInputComment;
  BOOL m_bDefaultColors = 1;
  bool m_bCopied = false;  // the copy button then reads "再次复制"

 private:
  void Clear(const char* comment);
};
