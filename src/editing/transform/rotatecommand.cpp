// Rotating the selected structure about the marked axis line, about the
// vertical through the marked centre, or about an axis typed in, by the
// marked angle (three points or a value) or by an angle typed in.
#include <cmath>

#include "cells/constructed/rotations.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/transform/transformdialogs.h"
#include "editing/transform/transformcourse.h"
#include "editing/transform/transformglobals.h"
#include "editing/transform/transformmarks.h"
#include "editing/transform/transformtexts.h"
#include "math/geometry.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"

namespace {
using Dlg = CDlgTransRotate;
constexpr float kPi = 3.1415927f;

// What the dialog was filled from.
struct CRotationMarks {
  WORD axis = 0, centre = 0;
  CAngleMark angle;
};

const float* PositionOf(const CGPage& page, WORD id) { return static_cast<CGVertex*>(page.m_cells.Lookup(id))->m_vPos; }

void FillAxis(const CRotationMarks& marks, Dlg& dialog) {
  dialog.m_nAxisChoice = Dlg::kFixedAxis;
  if (marks.axis) {
    const CGCell* line = g_pCurCells->Lookup(marks.axis);
    dialog.m_nAxisChoice = Dlg::kMarkedAxis;
    dialog.m_strAxis = DescribeMark(kDescribeAxisLine, {NameOf(line->m_parents[0]), NameOf(line->m_parents[1])});
  }
  if (marks.centre) {
    dialog.m_strCentre = DescribeMark(kDescribeRotationCentre, {NameOf(marks.centre)});
    if (!marks.axis) dialog.m_nAxisChoice = Dlg::kCentreAxis;
  }
  dialog.m_nMarks = (marks.axis ? Dlg::kAxisOnly : 0) | (marks.centre ? Dlg::kCentreOnly : 0);
  dialog.m_fVx = g_vRotateAxisDir[0];
  dialog.m_fVy = g_vRotateAxisDir[1];
  dialog.m_fVz = g_vRotateAxisDir[2];
  dialog.m_fPx = g_vRotateAxisPoint[0];
  dialog.m_fPy = g_vRotateAxisPoint[1];
  dialog.m_fPz = g_vRotateAxisPoint[2];
}

void FillAngle(const CGPage& page, const CAngleMark& mark, Dlg& dialog) {
  dialog.m_fDegrees = g_fRotateDegrees;
  dialog.m_nAngleChoice = mark.kind == 0 ? Dlg::kFixedAngle : Dlg::kMarkedAngle;
  if (mark.kind == 1) {
    const float radians = OrientedAngle(PositionOf(page, mark.a), PositionOf(page, mark.b), PositionOf(page, mark.c));
    dialog.m_strAngle = DescribeMark(kDescribeAngleByPoints, {NameOf(mark.a), NameOf(mark.b), NameOf(mark.c)},
                                     {radians * 180.0 / kPi});
  } else if (mark.kind == 2) {
    dialog.m_strAngle = NameOf(mark.value);
  }
}

// The typed axis, kept for next time; its direction made a unit vector
// (none: the vertical).
struct CFixedAxis {
  float u[3], o[3];
};
CFixedAxis TakeFixedAxis(const Dlg& dialog) {
  float v[3] = {dialog.m_fVx, dialog.m_fVy, dialog.m_fVz};
  // In double, so that a long direction typed in does not overflow.
  const double length = std::sqrt(double(v[0]) * v[0] + double(v[1]) * v[1] + double(v[2]) * v[2]);
  if (length == 0) v[0] = v[1] = 0, v[2] = 1;
  CFixedAxis axis{{}, {dialog.m_fPx, dialog.m_fPy, dialog.m_fPz}};
  for (int i = 0; i < 3; ++i) {
    g_vRotateAxisDir[i] = v[i];
    g_vRotateAxisPoint[i] = axis.o[i];
    axis.u[i] = length == 0 ? v[i] : static_cast<float>(v[i] / length);
  }
  return axis;
}

// About the marked line (mode 0) or the vertical through the marked centre
// (mode 1).  A typed angle is kept for next time only with a typed axis: an
// angle typed for a marked axis belongs to that axis alone.
ImageMaker AboutMarkedAxis(WORD x, BYTE mode, const CAngleMark& angle, const Dlg& dialog) {
  if (dialog.m_nAngleChoice == Dlg::kFixedAngle) {
    const float radians = dialog.m_fDegrees * kPi / 180;
    return [x, mode, radians](const CNewPoint& p, WORD s) {
      return new CGVerRotateX(p.id, p.slot, p.name, s, x, radians, mode);
    };
  }
  if (angle.kind == 1)
    return [x, mode, angle](const CNewPoint& p, WORD s) {
      return new CGVerRotateXA(p.id, p.slot, p.name, s, x, angle.a, angle.b, angle.c, mode);
    };
  if (angle.kind == 2)
    return [x, mode, angle](const CNewPoint& p, WORD s) {
      return new CGVerRotateXA2(p.id, p.slot, p.name, s, x, angle.value, mode);
    };
  return {};
}

ImageMaker AboutFixedAxis(const CAngleMark& angle, const Dlg& dialog) {
  const bool fixedAngle = dialog.m_nAngleChoice == Dlg::kFixedAngle;
  if (!fixedAngle && angle.kind == 0) return {};
  const CFixedAxis a = TakeFixedAxis(dialog);
  if (fixedAngle) {
    g_fRotateDegrees = dialog.m_fDegrees;
    const float radians = dialog.m_fDegrees * kPi / 180;
    return [a, radians](const CNewPoint& p, WORD s) {
      return new CGVerRotate(p.id, p.slot, p.name, s, a.u[0], a.u[1], a.u[2], a.o[0], a.o[1], a.o[2], radians);
    };
  }
  if (angle.kind == 1)
    return [a, angle](const CNewPoint& p, WORD s) {
      return new CGVerRotateA(p.id, p.slot, p.name, s, a.u[0], a.u[1], a.u[2], a.o[0], a.o[1], a.o[2], angle.a,
                              angle.b, angle.c);
    };
  return [a, angle](const CNewPoint& p, WORD s) {
    return new CGVerRotateA2(p.id, p.slot, p.name, s, a.u[0], a.u[1], a.u[2], a.o[0], a.o[1], a.o[2], angle.value);
  };
}

ImageMaker Images(const CRotationMarks& marks, const Dlg& dialog) {
  switch (dialog.m_nAxisChoice) {
    case Dlg::kMarkedAxis:
      return marks.axis ? AboutMarkedAxis(marks.axis, 0, marks.angle, dialog) : ImageMaker();
    case Dlg::kCentreAxis:
      return marks.centre ? AboutMarkedAxis(marks.centre, 1, marks.angle, dialog) : ImageMaker();
    case Dlg::kFixedAxis:
      return AboutFixedAxis(marks.angle, dialog);
    default:
      return {};
  }
}

void OnTransRotate(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || !FitsTransform()) return;
  CRotationMarks marks;
  if (const CGCell* axis = MarkedAxis(*page); axis && axis->m_parents.size() >= 2) marks.axis = axis->m_nId;
  if (const CGCell* centre = MarkedCentre(*page)) marks.centre = centre->m_nId;
  marks.angle = LiveAngleMark(*page);
  Dlg dialog;
  FillAxis(marks, dialog);
  FillAngle(*page, marks.angle, dialog);
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  // A typed angle is kept in radians: one too large for that builds nothing.
  if (dialog.m_nAngleChoice == Dlg::kFixedAngle) {
    if (const QString refused = RefusedDegrees(dialog.m_fDegrees); !refused.isEmpty()) {
      KvMessageBox(refused);
      return;
    }
  }
  if (const ImageMaker make = Images(marks, dialog)) TransformSelection(doc, make, false, kLabelRotate);
}

const CDocCommandRows rows({
    {ID_TRANS_ROTATE, OnTransRotate, OnUpdateTransform},
});
}  // namespace
