// The series button made from the selected buttons, its descriptions, and
// its record with the loop fields only when it loops.
#include <gtest/gtest.h>

#include <bit>
#include <vector>

#include "buttonrecord.h"
#include "pagetest.h"

namespace KAVREL_FILE_LOCAL {

TEST_F(PageTest, SeriesButtonFromTheSelectionAndItsRecord) {
  const WORD a = AddButton()->m_nId, b = AddButton()->m_nId;
  page->m_selButtons = {b, a};
  EXPECT_EQ(CGButnPresentat().m_strName, QString::fromUtf8("并行"));
  auto* series = Enter(new CGButnPresentat(page->m_nNextId, QStringLiteral("s"), TRUE, 0.5f));
  EXPECT_EQ(series->m_parents, (std::vector<WORD>{b, a}));
  EXPECT_EQ(series->GetDescription(), QString::fromUtf8("2个按钮的串行动作按钮"));
  series->m_nSubKind = 0;
  EXPECT_EQ(series->GetDescription(), QString::fromUtf8("2个按钮的并行动作按钮"));
  // Loop kind; the active byte after loading; the loop fields stored.
  struct Row {
    std::int32_t loop;
    BYTE activeAfterLoad;
    bool fields;
  } const rows[] = {{0, 1, false}, {1, 1, true}, {2, 0, true}, {4, 0, true}};
  for (const Row& r : rows) {
    series->m_nParamA = r.loop, series->m_nStyle = 1, series->m_nPassCount = 5, series->m_nRegister = 3;
    series->m_dLoopStart = 0.5, series->m_dLoopEnd = -2, series->m_dLoopStep = 0.25;
    RecordBytes expected = ButtonRecord(
        {series->m_nId, "s", 1, 0, std::bit_cast<std::int32_t>(0.5f), {b, a}, 0.01f, 0, 0, r.loop});
    if (r.fields) expected.i32(5).i32(3).f64(0.5).f64(-2).f64(0.25);
    CArchive out;
    series->Serialize(out);
    ASSERT_EQ(out.Bytes(), expected.get()) << r.loop;
    CGButnPresentat loaded;
    CArchive in(expected.get());
    loaded.Serialize(in);
    EXPECT_EQ(std::make_pair(int(loaded.m_nStyle), loaded.m_dLoopEnd),
              std::make_pair(int(r.activeAfterLoad), r.fields ? -2.0 : 3.0)) << r.loop;
  }
}

}  // namespace
