// The construction commands that ask for numbers first: a point along a
// typed direction, coordinate points (one, possibly bound to selected
// values, or many from a text), the point turned on a circle by an angle
// and the point dividing an arc.  A cancelled dialog makes nothing.  The
// many-points text and the angle with its unit are remembered for the run.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <charconv>

#include "cells/constrained/linepoints.h"
#include "cells/constructed/circlepoints.h"
#include "cells/constructed/coordinatespoint.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/texts/cgtextmap.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "editing/dialogs/coordinatesdialog.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/inputdialogtexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "platform/processstate.h"

namespace {
constexpr float kDefaultAngle = 90.0f;
constexpr int kDegrees = 0;
constexpr float kRadiansPerDegree = 0.017453292f;

struct CRemembered {
  QString points;  // the last many-points text accepted
  float angle = kDefaultAngle;
  int unit = kDegrees;
};
CRemembered g_remembered;
const ProcessStateReset reset([] { g_remembered = CRemembered(); });

void OnCreatePointParV(CKavrelDoc& doc) {
  const std::vector<WORD> p = SelectedPoints();
  if (p.size() != 1) return;
  CDlgVector dialog;
  dialog.m_x = dialog.m_y = dialog.m_z = 1.0f;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  // A zero direction is kept: the point then stays on its anchor.
  BuildOnePoint(doc, kCmdNameParallelVector, [&](const CNewPoint& n) {
    return new CGVerFreeParVector(n.id, n.slot, n.name, dialog.m_x, dialog.m_y, dialog.m_z, p[0]);
  });
}

// --- Coordinate points ----------------------------------------------------------

// A typed coordinate: its leading number (spaces before it allowed), none
// reading 0.  False for a number a float cannot hold.  Independent of the
// locale, as files and the other dialogs are.
bool ReadAxis(const QString& text, float& value) {
  const QByteArray bytes = text.trimmed().toLatin1();
  const char* first = bytes.constData();
  const char* last = first + bytes.size();
  if (first != last && *first == '+') ++first;  // from_chars takes no plus sign
  double read = 0;
  const auto [end, error] = std::from_chars(first, last, read);
  if (error == std::errc::invalid_argument) read = 0;
  else if (error != std::errc() || !std::isfinite(read) || std::fabs(read) > FLT_MAX) return false;
  value = static_cast<float>(read);
  return true;
}

void CreateSinglePoint(CKavrelDoc& doc, const CDlgCoordinates& dialog, const std::vector<WORD>& values) {
  int source[3] = {0, 0, 0};
  float at[3] = {0, 0, 0};
  for (int k = 0; k < 3; ++k) {
    const int index = dialog.m_nListIndex[k];
    const size_t usable = std::min(values.size(), CGVerCoordinates::kMaxValues);
    if (dialog.m_bFromList[k] && index >= 0 && index < static_cast<int>(usable)) {
      source[k] = index + 1;
    } else if (!ReadAxis(dialog.m_strAxis[k], at[k])) {
      KvMessageBox(QString::fromUtf8(kTextNotANumber));
      return;
    }
  }
  const bool bound = source[0] || source[1] || source[2];
  BuildOnePoint(doc, bound ? kCmdNameValuePoint : kCmdNameCoordinatePoint, [&](const CNewPoint& n) -> CGCell* {
    if (!bound) return new CGVertex(n.id, n.slot, n.name, at[0], at[1], at[2]);
    return new CGVerCoordinates(n.id, n.slot, n.name, values, source[0], source[1], source[2], at[0], at[1], at[2]);
  });
}

// Fixed points on the text's number triples (a remainder is ignored), each
// added to the selection; all or none.
void CreateManyPoints(CKavrelDoc& doc, CDlgCoordinates& dialog) {
  dialog.SplitNumbers();
  g_remembered.points = dialog.m_strPoints;
  const int count = static_cast<int>(dialog.m_numbers.size() / 3);
  if (count == 0) return;  // no complete point: no empty undo step
  CConstruction build(doc);
  if (!build.MakeRoom(count, count)) return;
  CGPage& page = *g_pCurPage;
  for (int i = 0; i < count; ++i) {
    const auto axis = [&](int k) { return CDlgCoordinates::TokenValue(dialog.m_numbers[3 * i + k]); };
    const CNewPoint n = build.NextPoint();
    build.Add(new CGVertex(n.id, n.slot, n.name, axis(0), axis(1), axis(2)));
    page.SelectCell(n.id);
  }
  build.Commit(QString::fromUtf8(kCmdNameCoordinatePoints).replace(QStringLiteral("%d"), QString::number(count)));
}

// Up to three selected values, all of them scalars.
bool CoordinatesAllowed() {
  const int values = CountSelection().V;
  return values <= 3 && CountSelectedVariables() == values;
}

void OnCreatePointCoordinates(CKavrelDoc& doc) {
  if (!g_pCurPage || !CoordinatesAllowed()) return;
  const std::vector<WORD> values = g_pCurPage->m_selValues;
  CDlgCoordinates dialog;
  for (WORD id : values) dialog.m_names << g_pCurPage->m_cells.Lookup(id)->m_strName;
  dialog.m_strPoints = g_remembered.points;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  if (dialog.m_nMode == CDlgCoordinates::kManyPoints)
    CreateManyPoints(doc, dialog);
  else
    CreateSinglePoint(doc, dialog, values);
}

void OnUpdateCreatePointCoordinates(CKavrelDoc&, CCmdUI& ui) { ui.Enable(CoordinatesAllowed()); }

// --- On one selected circle -------------------------------------------------------

// What the turned point starts from: the one selected value when it is a
// variable, else the one selected point.
WORD RotationStart() {
  const CSelectionCounts n = CountSelection();
  if (!SelectedCircle() || n.V + n.P != 1) return 0;
  if (n.P == 1) return g_pCurPage->m_selPoints[0];
  return CountSelectedVariables() == 1 ? g_pCurPage->m_selValues[0] : 0;
}

void OnCreatePointRotIncircle(CKavrelDoc& doc) {
  const WORD start = RotationStart(), circle = SelectedCircle();
  if (!start) return;
  CDlgAngle dialog;
  dialog.m_fAngle = g_remembered.angle;
  dialog.m_nUnit = g_remembered.unit;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  g_remembered.angle = dialog.m_fAngle;
  g_remembered.unit = dialog.m_nUnit;
  const float angle = dialog.m_nUnit == kDegrees ? dialog.m_fAngle * kRadiansPerDegree : dialog.m_fAngle;
  BuildOnePoint(doc, kCmdNameRotatedOnCircle, [&](const CNewPoint& n) {
    return new CGVerInCircleRot(n.id, n.slot, n.name, start, circle, angle);
  });
}

void OnUpdateCreatePointRotIncircle(CKavrelDoc&, CCmdUI& ui) { ui.Enable(RotationStart() != 0); }

void OnCreatePointScaleIncircle(CKavrelDoc& doc) {
  if (!CircleAndTwoPoints()) return;
  const std::vector<WORD> p = SelectedPoints();
  const WORD circle = SelectedCircle();
  CDlgValue dialog;
  dialog.m_fValue = 0.5f;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  BuildOnePoint(doc, kCmdNameArcDivision, [&](const CNewPoint& n) {
    return new CGVerInCircleScale(n.id, n.slot, n.name, circle, p[0], p[1], dialog.m_fValue);
  });
}

const CDocCommandRows rows({
    {ID_CREATE_POINT_PAR_V, OnCreatePointParV, OnUpdateSinglePoint},
    {ID_CREATE_POINT_COORDINATES, OnCreatePointCoordinates, OnUpdateCreatePointCoordinates},
    {ID_CREATE_POINT_ROT_INCIRCLE, OnCreatePointRotIncircle, OnUpdateCreatePointRotIncircle},
    {ID_CREATE_POINT_SCALE_INCIRCLE, OnCreatePointScaleIncircle, OnUpdateCircleAndTwoPoints},
});
}  // namespace
