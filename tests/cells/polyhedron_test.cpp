// The hull cell without GL: its record written by hand from the record
// table, read back and refused when damaged; its copies.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cells/solids/cgpolyhedron.h"
#include "celltestsupport.h"

namespace KAVREL_FILE_LOCAL {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// One face's stored fields in record order: vertex numbers, a, b, c, d,
// side, centroid, depth, colour.
struct FaceRecord { std::vector<std::int32_t> vertices; double plane[4]; std::int32_t side; double rest[7]; };

// The common record of a new hull (style 1, colour 128, 128, 196), then
// the points (their count given or counted), the edges and the faces.
QByteArray HullRecord(const std::vector<double>& points, const std::vector<std::int32_t>& edges,
                      const std::vector<FaceRecord>& faces, std::int32_t pointCount = -2) {
  RecordBytes b;
  auto f64 = [&b](double v) { b.bytes(QByteArray(reinterpret_cast<const char*>(&v), 8)); };
  AppendCommonRecord(b, {0, QString(), 1, 0, {0, 0, 0}, RGBA{128, 128, 196, 255}, 0, {}, {}});
  b.i32(pointCount != -2 ? pointCount : std::int32_t(points.size() / 3));
  for (double v : points) f64(v);
  b.i32(std::int32_t(edges.size() / 2));
  for (std::int32_t v : edges) b.i32(v);
  b.i32(std::int32_t(faces.size()));
  for (const FaceRecord& f : faces) {
    b.i32(std::int32_t(f.vertices.size()));
    for (std::int32_t v : f.vertices) b.i32(v);
    for (double v : f.plane) f64(v);
    b.i32(f.side);
    for (double v : f.rest) f64(v);
  }
  return b.get();
}

const std::vector<double> kPoints = {1, 2, 3, 4, 5, 6, 7, 8, 10};
const std::vector<std::int32_t> kEdges = {0, 1, 1, 2, 2, 0};
const FaceRecord kFace = {{0, 1, 2}, {0, 0, 1, -3}, -1, {4, 5, 6, 0.25, 0.5, 0.75, 1}};

CGPolyhedron Sample() {
  CGPolyhedron hull;
  hull.m_rgbaLabel = RGBA{0, 0, 0, 255};
  hull.Points = {{1, 2, 3}, {4, 5, 6}, {7, 8, 10}};
  hull.Edges = {{0, 1}, {1, 2}, {2, 0}};
  PolyhedronFace& f = hull.Faces.emplace_back(0, 0, 1, -3);
  f.Vertices = {0, 1, 2};
  f.Side = -1;
  std::copy(kFace.rest, kFace.rest + 3, f.Centroid);
  f.Depth = 0.25;
  std::copy(kFace.rest + 4, kFace.rest + 7, f.Colour);
  return hull;
}

TEST(PolyhedronRecord, FollowsTheTableLeavesTheOffsetOutAndReadsBack) {
  CGPolyhedron hull = Sample();
  hull.Offset.Base[0] = hull.Offset.Direction[2] = 9;
  const QByteArray golden = HullRecord(kPoints, kEdges, {kFace});
  EXPECT_EQ(StoreCell(hull).toHex(), golden.toHex());
  // A copy takes the solid, its offset, style and colour, no other cell field.
  hull.m_nId = 4;
  CGPolyhedron copy(hull);
  EXPECT_TRUE(copy.m_nId == 0 && copy.Offset.Direction[2] == 9 && StoreCell(copy) == golden);
  copy.Clear();
  EXPECT_TRUE(copy.Points.empty() && copy.Edges.empty() && copy.Faces.empty() && copy.Offset.Base[0] == 9);
  CGPolyhedron read;
  read.Points.push_back({5, 5, 5});  // loading starts from empty containers
  CArchive ar(golden);
  read.Serialize(ar);
  EXPECT_EQ(ar.Remaining(), 0);
  EXPECT_TRUE(read.Offset.Base[0] == 0 && read.Offset.Direction[2] == 0);
  read.m_rgbaLabel = RGBA{0, 0, 0, 255};
  EXPECT_EQ(StoreCell(read), golden);
  EXPECT_EQ(read.GetDescription(), QString::fromUtf8("凸包"));
  FaceRecord large = kFace;  // a face of 120 vertices reads back
  large.vertices.assign(120, 1);
  CArchive big(HullRecord(kPoints, kEdges, {large}));
  read.Serialize(big);
  EXPECT_EQ(read.Faces[0].Vertices.size(), 120u);
}

TEST(PolyhedronRecord, DamagedRecordsFailTheLoad) {
  FaceRecord outside = kFace, negative = kFace, nanPlane = kFace, infColour = kFace;
  outside.vertices[2] = 3;
  negative.vertices[1] = -1;
  nanPlane.plane[1] = kNaN;
  infColour.rest[6] = std::numeric_limits<double>::infinity();
  std::vector<double> nanPoint = kPoints;
  nanPoint[4] = kNaN;
  QByteArray hugeFaces = HullRecord(kPoints, kEdges, {});
  hugeFaces.replace(hugeFaces.size() - 4, 4, QByteArray::fromHex("ffffff7f"));
  QByteArray hugeVertices = HullRecord(kPoints, kEdges, {kFace});  // the face's vertex count
  hugeVertices.replace(hugeVertices.size() - 108, 4, QByteArray::fromHex("00000010"));
  const struct { const char* row; QByteArray bytes; ArchiveError cause; } cases[] = {
      {"more points than bytes", HullRecord(kPoints, kEdges, {kFace}, 1000), ArchiveError::BadData},
      {"negative point count", HullRecord({}, {}, {}, -1), ArchiveError::BadData},
      {"edge to a missing point", HullRecord(kPoints, {0, 1, 1, 3}, {kFace}), ArchiveError::BadData},
      {"face vertex past the points", HullRecord(kPoints, kEdges, {outside}), ArchiveError::BadData},
      {"negative face vertex", HullRecord(kPoints, kEdges, {negative}), ArchiveError::BadData},
      {"point not a number", HullRecord(nanPoint, kEdges, {kFace}), ArchiveError::BadData},
      {"plane not a number", HullRecord(kPoints, kEdges, {nanPlane}), ArchiveError::BadData},
      {"infinite colour", HullRecord(kPoints, kEdges, {infColour}), ArchiveError::BadData},
      {"more faces than bytes", hugeFaces, ArchiveError::BadData},
      {"more face vertices than bytes", hugeVertices, ArchiveError::BadData},
      {"cut short", HullRecord(kPoints, kEdges, {kFace}).chopped(8), ArchiveError::EndOfFile},
  };
  for (const auto& c : cases) {
    CGPolyhedron hull;
    CArchive ar(c.bytes);
    EXPECT_EQ(ArchiveCause([&] { hull.Serialize(ar); }), c.cause) << c.row;
  }
}

}  // namespace
