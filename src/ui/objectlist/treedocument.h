// What the object list needs of the document: its pages in order, the
// selection by tree clicks, names and renaming, page switching and moving.
// The current page is the process-wide g_pCurPage.
#pragma once
#include <QString>
#include <functional>
#include <memory>

#include "model/document/kavreldoc.h"
#include "platform/types.h"

class CGPage;

class ITreeDocument {
 public:
  virtual ~ITreeDocument() = default;

  // The root item's text.
  virtual QString Title() const = 0;
  virtual int PageCount() const = 0;
  // Pages counted from 0; null outside.
  virtual CGPage* PageAt(int index) const = 0;
  // Answers one of the TreeClickResult values.
  virtual int SelectFromTree(TreeItemKind kind, WORD id, bool fromCheckBox, bool checked) = 0;
  virtual void GotoPageById(WORD pageId) = 0;
  // The bare name of a cell of the current page or of a page; empty when
  // there is none.
  virtual QString GetObjectName(TreeItemKind kind, WORD id) const = 0;
  virtual bool RenameObject(TreeItemKind kind, WORD id, const QString& name) = 0;
  // Moves the current page n places towards the end (n > 0) or the front.
  virtual bool MovePage(int n) = 0;
};

// The 1-based position of the page with this id; 0 when there is none.
int PagePosition(const ITreeDocument& doc, WORD pageId);

// The object list's view of the program's document; title names the root.
std::unique_ptr<ITreeDocument> MakeDocumentTree(CKavrelDoc& doc, std::function<QString()> title);
