#include "commands/linecommands.h"

#include "cells/primitives/cgline.h"
#include "commands/commandframe.h"
#include "commands/commandglobals.h"
#include "commands/commandtexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"

namespace {
constexpr int kLineToolMode = 3;
// The merged line tool's pictures: image 2 + the line type.
constexpr int kFirstLineImage = 2;

// P points in selection order joined one after the other; from three
// points on the chain closes from the last point back to the first.
void BuildLines(CKavrelDoc& doc, BYTE kind) {
  const std::vector<WORD> points = g_pCurPage->m_selPoints;
  const int count = points.size() == 2 ? 1 : static_cast<int>(points.size());
  CConstruction build(doc);
  if (!build.MakeRoom(count)) return;
  for (size_t i = 1; i < points.size(); ++i) build.Add(new CGLine(build.NextId(), points[i - 1], points[i], kind));
  if (points.size() > 2) build.Add(new CGLine(build.NextId(), points.back(), points.front(), kind));
  build.Commit(QString::fromUtf8(kCmdNameLines[kind][count == 1 ? 1 : 0]));
}

void CreateLines(CKavrelDoc& doc, BYTE kind) {
  g_nLineType = kind;
  UiBridge().SetCommandImage(ID_CREATE_LINE, kFirstLineImage + kind);
  if (!g_pCurPage) return;
  const CSelectionCounts n = CountSelection();
  if (n.P >= 2) {
    BuildLines(doc, kind);
  } else if (n.L > 0) {
    ChangeCellsInPlace(doc, g_pCurPage->m_selLines, [kind](CGCell& line) { line.m_nSubKind = kind; });
  } else if (n.P == 0) {
    EnterDrawingTool(kLineToolMode);
  }
  // One point and no line: nothing to build, and the document stays as it was.
}

const CDocCommandRows rows({
    {ID_CREATE_LINE_SEGMENT, OnCreateLineSegment, OnUpdateCreateLineSegment},
    {ID_CREATE_LINE_HALF, OnCreateLineHalf, OnUpdateCreateLineSegment},
    {ID_CREATE_LINE_STRAIGHT, OnCreateLineStraight, OnUpdateCreateLineSegment},
    {ID_CREATE_LINE_VECTOR, OnCreateLineVector, OnUpdateCreateLineSegment},
});
}  // namespace

void OnCreateLineSegment(CKavrelDoc& doc) { CreateLines(doc, kLineSegment); }
void OnCreateLineHalf(CKavrelDoc& doc) { CreateLines(doc, kLineRay); }
void OnCreateLineStraight(CKavrelDoc& doc) { CreateLines(doc, kLineFull); }
void OnCreateLineVector(CKavrelDoc& doc) { CreateLines(doc, kLineVector); }

void OnUpdateCreateLineSegment(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(!(n.P == 1 && n.L == 0));
}
