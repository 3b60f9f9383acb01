// The program's document as the object list sees it.
#include "ui/objectlist/treedocument.h"

namespace {
class CDocumentTree final : public ITreeDocument {
 public:
  CDocumentTree(CKavrelDoc& doc, std::function<QString()> title) : m_doc(doc), m_title(std::move(title)) {}

  QString Title() const override { return m_title ? m_title() : QString(); }
  int PageCount() const override { return static_cast<int>(m_doc.m_pages.size()); }
  CGPage* PageAt(int index) const override {
    return index >= 0 && index < PageCount() ? m_doc.m_pages[index].get() : nullptr;
  }
  int SelectFromTree(TreeItemKind kind, WORD id, bool fromCheckBox, bool checked) override {
    return m_doc.SelectFromTree(kind, id, fromCheckBox, checked);
  }
  void GotoPageById(WORD pageId) override { m_doc.GotoPageById(pageId, false); }

  QString GetObjectName(TreeItemKind kind, WORD id) const override {
    return m_doc.GetObjectName(kind, id);
  }
  bool RenameObject(TreeItemKind kind, WORD id, const QString& name) override {
    return m_doc.RenameObject(kind, id, name);
  }
  bool MovePage(int n) override { return m_doc.MovePage(n); }

 private:
  CKavrelDoc& m_doc;
  std::function<QString()> m_title;
};
}  // namespace

std::unique_ptr<ITreeDocument> MakeDocumentTree(CKavrelDoc& doc, std::function<QString()> title) {
  return std::make_unique<CDocumentTree>(doc, std::move(title));
}
