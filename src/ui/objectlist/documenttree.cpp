// The program's document as the object list sees it.  Renaming and moving
// pages are done here on the document's own lists.
#include <algorithm>

#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/doctexts.h"
#include "model/globals.h"
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
    if (kind == TreeItemKind::Page) {
      const CGPage* page = m_doc.FindPageById(id);
      return page ? page->m_strName : QString();
    }
    const CGCell* cell = kind == TreeItemKind::Cell && g_pCurCells ? g_pCurCells->Lookup(id) : nullptr;
    return cell ? cell->m_strName : QString();
  }

  bool RenameObject(TreeItemKind kind, WORD id, const QString& name) override {
    if (kind == TreeItemKind::Page) {
      CGPage* page = m_doc.FindPageById(id);
      if (!page) return false;
      page->m_strName = name;
      if (page == g_pCurPage) SetStatusBarText(QString::fromUtf8(kTextCurrentPage) + name, 2);
    } else {
      CGCell* cell = kind == TreeItemKind::Cell && g_pCurCells ? g_pCurCells->Lookup(id) : nullptr;
      if (!cell) return false;
      cell->m_strName = name;
      cell->m_bNameFixed = true;
      cell->m_bLabelStale = true;
    }
    m_doc.SetModifiedFlag(true);
    UiBridge().UpdateAllViews();
    return true;
  }

  bool MovePage(int n) override {
    auto& pages = m_doc.m_pages;
    auto it = std::find_if(pages.begin(), pages.end(), [](const auto& p) { return p.get() == g_pCurPage; });
    if (it == pages.end()) return false;
    const auto from = it - pages.begin();
    const auto to = from + n;
    if (to < 0 || to >= static_cast<std::ptrdiff_t>(pages.size())) return false;
    if (n > 0)
      std::rotate(pages.begin() + from, pages.begin() + from + 1, pages.begin() + to + 1);
    else if (n < 0)
      std::rotate(pages.begin() + to, pages.begin() + from, pages.begin() + from + 1);
    if (n != 0) m_doc.SetModifiedFlag(true);
    return true;
  }

 private:
  CKavrelDoc& m_doc;
  std::function<QString()> m_title;
};
}  // namespace

std::unique_ptr<ITreeDocument> MakeDocumentTree(CKavrelDoc& doc, std::function<QString()> title) {
  return std::make_unique<CDocumentTree>(doc, std::move(title));
}
