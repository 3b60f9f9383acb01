#include "editing/properties/relationreports.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "editing/properties/propertyedits.h"
#include "editing/properties/propertytexts.h"
#include "math/geometry.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "platform/notifier.h"

namespace {
constexpr double kDegreesPerRadian = 57.2957795131;
// Below this an angle counts as none and a distance as touching.
constexpr float kTiny = 1e-6f;

// A named primitive and the points it stands on (the point itself for a point).
struct Primitive {
  QString name;
  const float* at[3] = {nullptr, nullptr, nullptr};
};

// The defined cell `index` of `list` with its first `points` points; false
// when there is none or it is undefined, or a point it stands on is missing.
bool Take(const CGPage& page, const std::vector<WORD>& list, std::size_t index, int points, Primitive& out) {
  if (index >= list.size()) return false;
  const CGCell* cell = page.m_cells.Lookup(list[index]);
  if (!cell || !cell->m_bDefined) return false;
  out.name = cell->m_strName;
  if (const auto* point = dynamic_cast<const CGVertex*>(cell)) {
    out.at[0] = point->m_vPos;
    return true;
  }
  for (int k = 0; k < points; ++k) {
    const CGVertex* corner = cell->ParentAs<CGVertex>(static_cast<std::size_t>(k));
    if (!corner) return false;
    out.at[k] = corner->m_vPos;
  }
  return true;
}

bool NoAngle(double angle) { return std::fabs(angle) < kTiny; }

void Show(const QString& text, const char* caption) {
  KvMessageBox(text, QString::fromUtf8(caption), MB_OK | MB_ICONWARNING);
}

// Where the kind takes its two cells from: list and index of each, and
// how many points each stands on.
struct Operands {
  const std::vector<WORD> CGPage::*first;
  std::size_t firstIndex;
  int firstPoints;
  const std::vector<WORD> CGPage::*second;
  std::size_t secondIndex;
  int secondPoints;
};

Operands OperandsOf(RelationReport kind) {
  switch (kind) {
    case RelationReport::PointLine: return {&CGPage::m_selPoints, 0, 1, &CGPage::m_selLines, 0, 2};
    case RelationReport::PointPlane: return {&CGPage::m_selPoints, 0, 1, &CGPage::m_selFaces, 0, 3};
    case RelationReport::PointPoint: return {&CGPage::m_selPoints, 0, 1, &CGPage::m_selPoints, 1, 1};
    case RelationReport::LinePlane: return {&CGPage::m_selLines, 0, 2, &CGPage::m_selFaces, 0, 3};
    case RelationReport::LineLine: return {&CGPage::m_selLines, 0, 2, &CGPage::m_selLines, 1, 2};
    case RelationReport::PlanePlane: break;
  }
  return {&CGPage::m_selFaces, 0, 3, &CGPage::m_selFaces, 1, 3};
}

// The texts of a report on a line or plane meeting a plane.
struct PlaneTexts {
  const char* crossing;  // at an angle
  const char* parallel;  // apart
  const char* within;    // in the plane
  const char* caption;
};
constexpr PlaneTexts kLinePlane = {kTextLinePlaneCross, kTextLinePlaneParallel, kTextLineInPlane, kCaptionLinePlane};
constexpr PlaneTexts kPlanePlane = {kTextPlanePlaneCross, kTextPlanePlaneParallel, kTextPlanesCoincide,
                                    kCaptionPlanePlane};

// a meets plane b at `angle`; when parallel, a's first point tells apart
// from within.
void ShowPlaneMeeting(const PlaneTexts& texts, const Primitive& a, const Primitive& b, float angle, bool parallel) {
  if (!parallel) {
    Show(FillConversions(texts.crossing, {a.name, b.name, angle * kDegreesPerRadian}), texts.caption);
    return;
  }
  const float d = DistancePointPlane(a.at[0], b.at[0], b.at[1], b.at[2]);
  Show(d > kTiny ? FillConversions(texts.parallel, {a.name, b.name, d})
                 : FillConversions(texts.within, {a.name, b.name}),
       texts.caption);
}

void ShowLinePlane(const Primitive& line, const Primitive& face) {
  const float angle = AngleLinePlane(line.at[0], line.at[1], face.at[0], face.at[1], face.at[2]);
  ShowPlaneMeeting(kLinePlane, line, face, angle, NoAngle(angle));
}

void ShowPlanePlane(const Primitive& a, const Primitive& b) {
  const float angle = AngleFaceFace(a.at[0], a.at[1], a.at[2], b.at[0], b.at[1], b.at[2]);
  // The kernel gives the supplement of the normals' angle, so planes whose
  // normals point the same way come out at pi: parallel all the same.
  ShowPlaneMeeting(kPlanePlane, a, b, angle, NoAngle(angle) || NoAngle(angle - std::numbers::pi));
}
}  // namespace

bool ShowRelationReport(RelationReport kind, const CGPage& page) {
  const Operands o = OperandsOf(kind);
  Primitive a, b;
  if (!Take(page, page.*o.first, o.firstIndex, o.firstPoints, a) ||
      !Take(page, page.*o.second, o.secondIndex, o.secondPoints, b))
    return false;
  switch (kind) {
    case RelationReport::PointLine:
      Show(FillConversions(kTextPointLine, {a.name, b.name, DistancePointLine(a.at[0], b.at[0], b.at[1])}),
           kCaptionPointLine);
      break;
    case RelationReport::PointPlane:
      Show(FillConversions(kTextPointPlane,
                           {a.name, b.name, DistancePointPlane(a.at[0], b.at[0], b.at[1], b.at[2])}),
           kCaptionPointPlane);
      break;
    case RelationReport::PointPoint:
      Show(FillConversions(kTextPointPoint, {a.name, b.name, DistancePointPoint(a.at[0], b.at[0])}),
           kCaptionPointPoint);
      break;
    case RelationReport::LinePlane: ShowLinePlane(a, b); break;
    case RelationReport::LineLine: {
      const float angle = AngleLineLine(a.at[0], a.at[1], b.at[0], b.at[1]);
      const float d = DistanceLineLine(a.at[0], a.at[1], b.at[0], b.at[1]);
      Show(FillConversions(kTextLineLine, {a.name, b.name, angle * kDegreesPerRadian, d}), kCaptionLineLine);
      break;
    }
    case RelationReport::PlanePlane: ShowPlanePlane(a, b); break;
  }
  return true;
}
