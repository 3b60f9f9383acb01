// The formula tree drawn: layout, pictures, the .bmp and .emf files.
#include <cstdlib>

#include "formula/bintree.h"
#include "formula/boxnode.h"
#include "formula/drawing/dib.h"
#include "formula/drawing/emfdc.h"
#include "formula/drawing/imageconversions.h"
#include "formula/drawing/painterdc.h"
#include "formula/structurenodes.h"
#include "platform/filebytes.h"

namespace {

// What the context holds before the root draws: pen, text colour, font.
struct DrawingStart {
  FormulaPen pen;
  COLORREF text;
  LOGFONT font;
};

void Prepare(CFormulaDC& dc, const DrawingStart& start) {
  dc.SelectPen(start.pen);
  dc.SetTextColor(start.text);
  dc.SelectFont(start.font);
}

struct LayoutBudget {
  qint64 items = 0;  // nodes and characters
  int largestHeight = 1;
};

void Count(const CNode* node, LayoutBudget& budget) {
  budget.items += 1 + node->m_strText.size();
  budget.largestHeight = std::max(budget.largestHeight, std::abs(LayoutHeight(node->m_lf)));
  if (auto* container = dynamic_cast<const CContainerNode*>(node)) {
    for (const CNode* child : container->m_arrChildren) Count(child, budget);
  } else if (auto* structure = dynamic_cast<const CStandardNode*>(node)) {
    for (const CNode* box : {structure->m_pFirst, structure->m_pSecond})
      if (box) Count(box, budget);
  }
}

// Every item adds at most a few font heights to any extent (signs are drawn
// at up to 1.34 times a height, wide characters run to several ems), and
// nested brackets and roots add a fraction of their content on top; with
// a generous factor for both, extents stay within 31 bits.
bool FitsLayoutBudget(const CNode* root) {
  LayoutBudget budget;
  Count(root, budget);
  const qint64 perItem = 16 * (qint64(budget.largestHeight) * 5 / 4) + 256;
  return budget.items * perItem * 32 < (qint64(1) << 31);
}

bool PictureSizeAllowed(const RECT& r) {
  const qint64 w = r.Width(), h = r.Height();
  return w > 0 && h > 0 && w <= CBinTree::kMaxPictureSide && h <= CBinTree::kMaxPictureSide &&
         w * h <= CBinTree::kMaxPicturePixels;
}

}  // namespace

bool CBinTree::Layout(CFormulaDC& dc) {
  if (!m_pRoot || !FitsLayoutBudget(m_pRoot)) return false;
  m_pRoot->Layout(dc);
  m_pRoot->Offset(0, 0);
  return true;
}

namespace {

// Lays the formula out as drawn from `start`; false when that makes no
// picture that may be drawn.
bool LayOutPicture(CBinTree& tree, const DrawingStart& start, RECT* area) {
  CPainterDC measuring;
  Prepare(measuring, start);
  if (!tree.Layout(measuring)) return false;
  *area = tree.m_pRoot->m_rcPlaced;
  return PictureSizeAllowed(*area);
}

// The default font, pen and colour.
DrawingStart DefaultStart(const CBinTree& tree) {
  return {{tree.m_crDefault, PenWidthForHeight(tree.m_lfDefault.lfHeight)}, tree.m_crDefault, tree.m_lfDefault};
}

QImage Render(CBinTree& tree, const DrawingStart& start, COLORREF fill) {
  RECT area;
  if (!LayOutPicture(tree, start, &area)) return {};
  QImage image(area.Width(), area.Height(), QImage::Format_RGB32);
  CPainterDC dc(&image);
  Prepare(dc, start);
  dc.SetWindowOrigin(area.left, area.top);
  dc.FillRect(area, fill);
  tree.m_pRoot->Draw(dc);
  return image;
}

}  // namespace

QImage CBinTree::RenderToBitmap() {
  if (!m_pRoot) return {};
  return Render(*this, DefaultStart(*this), m_crBackground);
}

QSize CBinTree::BitmapSize() {
  RECT area;
  if (!m_pRoot || !LayOutPicture(*this, DefaultStart(*this), &area)) return QSize(0, 0);
  return QSize(area.Width(), area.Height());
}

std::vector<BYTE> CBinTree::RenderToMask(int* width, int* height, BYTE alpha) {
  if (!m_pRoot) return {};
  return BitmapToRgbaKeyed(RenderToBitmap(), width, height, m_crBackground, alpha);
}

bool CBinTree::SaveBmpFile(const QString& path) {
  if (!m_pRoot) return false;
  const int penWidth = std::abs(LayoutHeight(m_lfDefault)) > 16 ? 2 : 1;
  const QImage image =
      Render(*this, {{m_pRoot->m_crColor, penWidth}, m_pRoot->m_crColor, m_pRoot->m_lf}, 0xFFFFFF);
  const QByteArray file = BmpFileBytes(DdbToDib(image, BI_RGB));
  return !file.isEmpty() && WriteFileBytes(path, file);
}

void CBinTree::DrawWithLastLayout(CFormulaDC& dc, bool selectionOnly) {
  // Nodes without a font of their own then draw as they measured.
  Prepare(dc, DefaultStart(*this));
  if (selectionOnly)
    m_pRoot->DrawSelection(dc);
  else
    m_pRoot->Draw(dc);
}

QByteArray CBinTree::RenderToEmf(bool selectionOnly) {
  if (!m_pRoot) return {};
  CEmfDC dc;
  DrawWithLastLayout(dc, selectionOnly);
  return dc.Finish(m_pRoot->m_rcPlaced);
}

QImage CBinTree::RenderToPicture(bool selectionOnly) {
  if (!m_pRoot) return {};
  RECT area = m_pRoot->m_rcPlaced;
  if (selectionOnly) {
    CEmfDC probe;  // records where the selection lands
    DrawWithLastLayout(probe, true);
    area = probe.Bounds(area);
  }
  if (!PictureSizeAllowed(area)) return {};
  QImage image(area.Width(), area.Height(), QImage::Format_RGB32);
  CPainterDC dc(&image);
  dc.SetWindowOrigin(area.left, area.top);
  dc.FillRect(area, m_crBackground);
  DrawWithLastLayout(dc, selectionOnly);
  return image;
}

bool CBinTree::SaveEmf(const QString& path) {
  if (!m_pRoot) return false;
  const QByteArray emf = RenderToEmf(false);
  return !emf.isEmpty() && WriteFileBytes(path, emf);
}

int CBinTree::GetBaseline() const {
  auto* box = dynamic_cast<const CBoxNode*>(m_pRoot);
  if (!m_pRoot) return 0;
  if (box && box->ChildCount() == 1) return box->ChildAt(0)->m_nBaseline;
  return m_pRoot->m_nBaseline;
}
