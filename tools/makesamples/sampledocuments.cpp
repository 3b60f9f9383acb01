#include "sampledocuments.h"

#include <QDir>

#include "cells/primitives/cgface.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "samplebuilder.h"

namespace {

// The screen size the samples record: a common one, never the size of the
// screen they happen to be written on.
constexpr std::int32_t kScreenWidth = 1920;
constexpr std::int32_t kScreenHeight = 1080;

// Cube ABCD-EFGH with edge 8 about the origin, its faces hiding the edges
// behind them, the diagonal AF of the front face and a checkerboard on the
// right face.
void BuildCube(CKavrelDoc& doc) {
  CSampleBuilder b(*doc.CurrentPage());
  const float s = 4;
  const WORD a = b.Point(-s, -s, -s), bb = b.Point(s, -s, -s), c = b.Point(s, s, -s), d = b.Point(-s, s, -s);
  const WORD e = b.Point(-s, -s, s), f = b.Point(s, -s, s), g = b.Point(s, s, s), h = b.Point(-s, s, s);
  const WORD edges[12][2] = {{a, bb}, {bb, c}, {c, d}, {d, a}, {e, f}, {f, g},
                             {g, h}, {h, e}, {a, e}, {bb, f}, {c, g}, {d, h}};
  for (const auto& edge : edges) b.Segment(edge[0], edge[1]);
  b.Segment(a, f);
  WORD right = 0;
  for (const auto& corners : {std::vector<WORD>{a, bb, c, d}, {a, bb, f, e}, {bb, c, g, f}, {c, d, h, g},
                              {d, a, e, h}, {e, f, g, h}}) {
    const WORD face = b.Face(corners);
    if (corners[0] == bb) right = face;
  }
  b.Cell(right).m_nStyle = kFaceLit;
  b.Cell(right).m_dwParam3 = kSampleCubePicture;
}

// Tetrahedron ABCD with the midpoints of its six edges (points bound to
// the edges at half their length, so they follow a dragged corner).
void BuildTetrahedron(CKavrelDoc& doc) {
  CSampleBuilder b(*doc.CurrentPage());
  const WORD a = b.Point(-5, -3, -3), bb = b.Point(5, -3, -3), c = b.Point(0, 5, -3), d = b.Point(0, 0, 6);
  const WORD edges[6][2] = {{a, bb}, {bb, c}, {c, a}, {a, d}, {bb, d}, {c, d}};
  std::vector<WORD> segments;
  for (const auto& edge : edges) segments.push_back(b.Segment(edge[0], edge[1]));
  for (const auto& corners : {std::vector<WORD>{a, bb, c}, {a, bb, d}, {bb, c, d}, {c, a, d}}) b.Face(corners);
  for (WORD segment : segments) b.PointOnLine(segment, 0.5f);
}

// The circle about A through B in the upright plane y = 0 (C fixes the
// plane, facing the viewer),
// with the radius AB and the triangle BDE inscribed in it: D and E are
// points bound to the circle.
void BuildPointsOnCircle(CKavrelDoc& doc) {
  CSampleBuilder b(*doc.CurrentPage());
  const WORD a = b.Point(0, 0, 0), bb = b.Point(5, 0, 0), c = b.Point(0, 0, 5);
  const WORD circle = b.CircleCentrePoint(a, bb, c);
  const WORD d = b.PointOnCircle(circle, 2.2f), e = b.PointOnCircle(circle, 4.1f);
  b.Segment(a, bb);
  b.Segment(bb, d);
  b.Segment(d, e);
  b.Segment(e, bb);
}

}  // namespace

const std::vector<CSampleDocument>& SampleDocuments() {
  static const std::vector<CSampleDocument> samples = {
      {"正方体与面对角线.kv", BuildCube},
      {"四面体与棱的中点.kv", BuildTetrahedron},
      {"圆上的点.kv", BuildPointsOnCircle},
  };
  return samples;
}

bool WriteSampleDocuments(const QString& folder, QString* failed) {
  for (const CSampleDocument& sample : SampleDocuments()) {
    CKavrelDoc doc;
    doc.OnNewDocument();
    doc.m_nScreenWidth = kScreenWidth;
    doc.m_nScreenHeight = kScreenHeight;
    sample.build(doc);
    const QString path = QDir(folder).filePath(QString::fromUtf8(sample.fileName));
    if (!doc.OnSaveDocument(path)) {
      if (failed) *failed = path;
      return false;
    }
  }
  return true;
}
