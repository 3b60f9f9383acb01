// The records of loci, curves and the points on them, written from the
// record tables: the common cell record with the path's switches, then the
// locus's range and step or the curve's five expressions and step; loading
// samples again, and what a damaged or hostile record holds leaves the cell
// undefined, never a crash.
#include <bit>
#include <limits>

#include "../pathtestsupport.h"

namespace KAVREL_FILE_LOCAL {

// The common record of a new path: the curve colour, line width 2, the
// given option and label words, parents and no children.
struct PathRecord {
  WORD id;
  QString name;
  std::int32_t paramA = 0;
  float breakDistance = 0;
  std::int32_t hue = 0;
  QString hueExpression;
  std::vector<unsigned> parents;
};

RecordBytes& AppendPathRecord(RecordBytes& b, const PathRecord& r) {
  b.u16(r.id).str(r.name).u8(1).u32(0).u32(1).u8(0).u8(0).f32(0).f32(0).f32(0);
  b.u8(0).u8(128).u8(0).u8(255).u8(0).u8(0).u8(0).u8(255);
  b.f32(0).u32(0).u32(0).u32(0).str("");
  b.u8(0).f32(2.0f).u8(0).i32(r.paramA).i32(0).i32(std::bit_cast<std::int32_t>(r.breakDistance)).str("");
  b.i32(0).i32(r.hue).i32(0).i32(0).i32(0).str(r.hueExpression);
  b.u16(static_cast<unsigned>(r.parents.size()));
  for (unsigned id : r.parents) b.u16(id);
  return b.u16(0);
}

class PathRecordTest : public PathTest {
 protected:
  PathRecordTest() { g_prefs.fLineWidth = 2.0f; }
  // Stores the cell, reads the bytes into a fresh T entered under the same
  // id in place of the original, and recalculates it as a load does.
  template <class T>
  T* Reload(WORD id, const QByteArray& bytes) {
    auto* loaded = new T;
    CArchive in(bytes);
    loaded->Serialize(in);
    EXPECT_EQ(in.Remaining(), 0);
    delete page->m_cells.SetAt(id, loaded);
    return loaded;
  }
};

TEST_F(PathRecordTest, LocusRecordAndLoadingSamplesAgain) {
  const Midpoints f = MidpointFigure();
  CGLocus* locus = Locus(f.p, f.q, 0, 6.2831f);
  RecordBytes want;
  AppendPathRecord(want, {locus->m_nId, QString::fromUtf8("轨迹"), 0, 4.0f, 0,
                          QStringLiteral("hv(Pi-t)*0.15+hv(t-Pi)*0.8"), {f.p, f.ap, f.q}});
  want.f32(0).f32(6.2831f).f32(0.01f);
  EXPECT_EQ(Record(locus->m_nId).toHex(), want.get().toHex());

  auto* loaded = Reload<CGLocus>(locus->m_nId, want.get());
  EXPECT_TRUE(loaded->SampleCount == 0 && loaded->Samples.empty() && !loaded->Compiled);
  EXPECT_TRUE(loaded->ParamStart == 0 && loaded->ParamEnd == 6.2831f && loaded->Step == 0.01f);
  loaded->Recalculate();
  EXPECT_TRUE(loaded->m_bDefined && loaded->SampleCount == 630);
  EXPECT_EQ(StoreCell(*loaded).toHex(), want.get().toHex());
}

TEST_F(PathRecordTest, CurveRecordAndLoading) {
  const WORD a = Param(2, 0, 10, "a")->m_nId;
  CGCurve* curve = Curve({a}, "No1*cos(t)", "sin(t)", "t", "0", "pi", 0.05f, 2, 1, "t/pi");
  RecordBytes want;
  AppendPathRecord(want, {curve->m_nId, QStringLiteral("sin(t)"), 2, 0, 1, QStringLiteral("t/pi"), {a}});
  want.str("No1*cos(t)").str("sin(t)").str("t").str("0").str("pi").f32(0.05f);
  EXPECT_EQ(Record(curve->m_nId).toHex(), want.get().toHex());
  const std::vector<double> samples = curve->Samples;

  auto* loaded = Reload<CGCurve>(curve->m_nId, want.get());
  EXPECT_TRUE(loaded->SampleCount == 0 && !loaded->Compiled);
  loaded->Recalculate();
  EXPECT_TRUE(loaded->m_bDefined && loaded->Samples == samples);
  EXPECT_EQ(StoreCell(*loaded).toHex(), want.get().toHex());
}

TEST_F(PathRecordTest, PathPointRecords) {
  CGCurve* curve = Curve({}, "t", "0", "0", "0", "1");
  const WORD on = PointOf<CGVerFreeInCurve>(curve->m_nId, 0.25f);
  auto* point = Cell<CGVerFreeInCurve>(on);
  RecordBytes want;
  AppendPointRecord(want, {on, point->m_strName, 0.25f, {0.25f, 0, 0},
                           {point->m_vLabelOffset[0], point->m_vLabelOffset[1], point->m_vLabelOffset[2]},
                           {curve->m_nId}, {}});
  EXPECT_EQ(Record(on).toHex(), want.get().toHex());
  CGVerFreeInLocus locusPoint;
  for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
    RecordBytes hostile;
    AppendPointRecord(hostile, {on, QStringLiteral("X"), bad, {0, 0, 0}, {0, 0, 0}, {curve->m_nId}, {}});
    EXPECT_EQ(ArchiveCause([&] { ReadWhole(hostile, locusPoint); }), ArchiveError::BadData) << bad;
    CGVerFreeInCurve curvePoint;
    EXPECT_EQ(ArchiveCause([&] { ReadWhole(hostile, curvePoint); }), ArchiveError::BadData) << bad;
  }
}

TEST_F(PathRecordTest, HostileRecordsLeaveTheCellUndefined) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  const Midpoints f = MidpointFigure();
  const WORD id = Locus(f.p, f.q, 0, 1)->m_nId;
  const struct {
    const char* name;
    std::vector<unsigned> parents;
    float t0, t1, step;
  } loci[] = {
      {"a NaN range", {f.p, f.ap, f.q}, nan, 1, 0.01f},
      {"an infinite range", {f.p, f.ap, f.q}, 0, inf, 0.01f},
      {"an infinite step", {f.p, f.ap, f.q}, 0, 1, inf},
      {"a step of 0", {f.p, f.ap, f.q}, 0, 1, 0},
      {"a missing chain cell", {f.p, 999, f.q}, 0, 1, 0.01f},
      {"no parents", {}, 0, 1, 0.01f},
      {"a traced cell that is no point", {f.p, f.ap}, 0, 1, 0.01f},
  };
  for (const auto& r : loci) {
    RecordBytes bytes;
    AppendPathRecord(bytes, {id, QStringLiteral("L"), 0, 4.0f, 1, QStringLiteral("(((("), r.parents});
    bytes.f32(r.t0).f32(r.t1).f32(r.step);
    auto* loaded = Reload<CGLocus>(id, bytes.get());
    loaded->Recalculate();
    EXPECT_FALSE(loaded->m_bDefined) << r.name;
    float at[3];
    double t, distance;
    EXPECT_FALSE(loaded->NearestToRay(at, &t, &distance, 1)) << r.name;
    EXPECT_EQ(Cell(f.p)->m_fValue, 0.7f) << r.name;
  }

  const QString tooLong = QString("t+").repeated(6000) + "t";
  const struct {
    const char* name;
    QString x, t0, t1;
    float step;
    bool defined;
  } curves[] = {
      {"brackets only", "))((", "0", "1", 0.1f, true},
      {"an unknown parent", "No7", "0", "1", 0.1f, true},
      {"not text at all", QString(QChar(0xFFFF)) + QChar(0xD800), "0", "1", 0.1f, true},
      {"longer than a formula may be", tooLong, "0", "1", 0.1f, true},
      {"a range end that is garbage", "t", "0", "\x01", 0.1f, false},
      {"an infinite step", "t", "0", "1", inf, false},
      {"a NaN step", "t", "0", "1", nan, false},
  };
  const WORD curveId = Curve({}, "t", "t", "t", "0", "1")->m_nId;
  for (const auto& r : curves) {
    RecordBytes bytes;
    AppendPathRecord(bytes, {curveId, QStringLiteral("C"), 9, 0, 1, QStringLiteral("t+"), {}});
    CArchive out;
    for (const QString& text : {r.x, QStringLiteral("t"), QStringLiteral("t"), r.t0, r.t1}) out << text;
    out << r.step;
    bytes.bytes(out.Bytes());
    auto* loaded = Reload<CGCurve>(curveId, bytes.get());
    loaded->Recalculate();
    EXPECT_EQ(loaded->m_bDefined, r.defined) << r.name;
    if (!r.defined) continue;
    loaded->m_nParamA = 0;  // form 9 left the samples as they were: all 0
    EXPECT_EQ(loaded->Samples[0], 0) << r.name;
    loaded->Recalculate();
    EXPECT_EQ(loaded->Samples[3 * 3], 0) << r.name << ": an expression that does not compile gives 0";
    EXPECT_EQ(ColourOf(loaded->SampleColors, 3)[0], 255) << r.name << ": red";
  }
}

}  // namespace
