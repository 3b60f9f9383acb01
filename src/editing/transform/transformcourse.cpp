#include "editing/transform/transformcourse.h"

#include <vector>

#include "cells/constructed/horizontalcircles.h"
#include "cells/pageservices/structureimages.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/formattext.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/selection.h"
#include "platform/commandregistry.h"
#include "platform/numberformat.h"
#include "platform/uibridge.h"

namespace {
// The selection message's code that has the object list tick each item as
// its cell's selected byte says.
constexpr WPARAM kSelectionFromCells = 11;

// Whether a path is a circle its defining points carry into an image.
bool IsCircleByPoints(const CGCell& cell) {
  for (const CRuntimeClass* cls : {RUNTIME_CLASS(CGArcCenterP), RUNTIME_CLASS(CGArcCircle3P),
                                   RUNTIME_CLASS(CGArcPointN), RUNTIME_CLASS(CGArcPoint2), RUNTIME_CLASS(CGArcCenterR)})
    if (cell.IsKindOf(cls)) return true;
  return false;
}

// The selection as bytes and lists, to be put back when nothing is made.
struct CSelectionSnapshot {
  explicit CSelectionSnapshot(const CGPage& page) : points(page.m_selPoints) {}
  // Only the points closing the structure were added, at the end of the list.
  void Restore(CGPage& page) const {
    for (size_t k = points.size(); k < page.m_selPoints.size(); ++k)
      if (CGCell* cell = page.m_cells.Lookup(page.m_selPoints[k])) cell->m_bSelected = false;
    page.m_selPoints = points;
  }
  std::vector<WORD> points;
};

// The figures the images may get: an upper bound for the ids needed.
int FiguresSelected(const CGPage& page) {
  int count = static_cast<int>(page.m_selLines.size() + page.m_selFaces.size());
  for (WORD id : page.m_selPaths)
    if (const CGCell* cell = page.m_cells.Lookup(id); cell && IsCircleByPoints(*cell)) ++count;
  return count;
}

void CopyStyle(const CGCell& source, CGCell& image) {
  image.m_nStyle = source.m_nStyle;
  image.m_fSize = source.m_fSize;
  image.m_bHidden = source.m_bHidden;
  image.m_bLabelHidden = source.m_bLabelHidden;
  // A free point's image keeps the colour of dependent points.
  if (!source.IsKindOf(RUNTIME_CLASS(CGVerFree))) image.m_rgbaColor = source.m_rgbaColor;
}
}  // namespace

void TransformSelection(CKavrelDoc& doc, const ImageMaker& make, bool reversesOrientation, const char* label) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  const CSelectionSnapshot before(*page);
  ExpandSelectionToFaceVertices();
  const std::vector<WORD> sources = page->m_selPoints;
  const int n = static_cast<int>(sources.size());
  CConstruction build(doc);
  if (n == 0 || !build.MakeRoom(n + FiguresSelected(*page), n)) {
    before.Restore(*page);
    return;
  }
  const WORD first = page->m_nNextId;
  for (WORD id : sources) {
    const CGCell* source = page->m_cells.Lookup(id);
    CGCell* image = build.Add(make(build.NextPoint(source->m_strName + QLatin1Char('\'')), id));
    CopyStyle(*source, *image);
  }
  build.Adopt(BuildTransformedStructure(reversesOrientation));
  page->ClearSelection();
  for (int k = 0; k < build.Count(); ++k) page->SelectCell(static_cast<WORD>(first + k));
  build.Commit(QString::fromUtf8(label), true);
  // After the new items: the object list ticks the new selection.
  UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, kSelectionFromCells, 40000 + page->m_nId);
}

bool FitsTransform() {
  const CGPage* page = g_pCurPage;
  if (!page) return false;
  if (!page->m_selPoints.empty() || !page->m_selLines.empty() || !page->m_selFaces.empty()) return true;
  for (WORD id : page->m_selPaths)
    if (const CGCell* cell = page->m_cells.Lookup(id); cell && IsCircleByPoints(*cell)) return true;
  return false;
}

void OnUpdateTransform(CKavrelDoc&, CCmdUI& ui) { ui.Enable(FitsTransform()); }

QString DescribeMark(const char* format, std::initializer_list<QString> names, std::initializer_list<double> numbers) {
  static const QString kNumber = QStringLiteral("%.4f");
  QString text = QString::fromUtf8(format);
  qsizetype at = 0;
  for (double number : numbers) {
    at = text.indexOf(kNumber, at);
    if (at < 0) break;
    const QString shown = FormatNumber("%.4f", number);
    text.replace(at, kNumber.size(), shown);
    at += shown.size();
  }
  return FillFormat(text.toUtf8().constData(), "%s", names);
}

QString NameOf(WORD id) {
  const CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(id) : nullptr;
  return cell ? cell->m_strName : QString();
}
