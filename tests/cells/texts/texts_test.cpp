// Captions, text bitmaps, images and followers without a GL context: value
// texts, records, hostile sizes, descriptions, placement, drags, counts and
// the picture command.
#include <array>
#include <functional>
#include <memory>
#include <numbers>

#include "../celltestsupport.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "model/pagetest.h"
#include "platform/crtrandom.h"
#include "render/viewglobals.h"

namespace KAVREL_FILE_LOCAL {

class TextsTest : public PageTest {
 protected:
  TextsTest() { RegisterCellClasses(); }
};

TEST_F(TextsTest, ValueTextsFollowStyleKindNameAndDefinedFlag) {
  struct Row { const char* name; BYTE style; int kind; float value; bool defined; const char* caption; BOOL labelHidden;
               const char16_t *updateLabel, *valueText; };
  const float right = std::numbers::pi_v<float> / 2;
  const Row rows[] = {{"whole within 1e-6", 0, 0, 2.0000004f, true, "AB", 0, u"2", u"2"},
                      {"step 0.01", 0, 0, 2.5f, true, "AB", 0, u"2.50", u"2.50"},
                      {"angle, style 1", 1, 2, right, true, "AB", 0, u" =90°", u" =90°"},
                      {"angle, style 0", 0, 2, right, true, "AB", 0, u"90°", u"90°"},
                      {"undefined, named", 1, 0, 1, false, "AB", 0, u" = ? ", u" = ? "},
                      {"undefined, unnamed", 1, 0, 1, false, "", 0, u" = ? ", u"? "},
                      {"undefined, style 0", 0, 0, 1, false, "AB", 0, u"? ", u"? "},
                      {"style 1, empty name", 1, 0, 2.5f, true, "", 0, u" =2.50", u"2.50"},
                      {"style 1, label hidden", 1, 0, 2.5f, true, "AB", 1, u" =2.50", u"2.50"}};
  for (const Row& r : rows) {
    CGTmVariable value;
    value.m_nStyle = r.style;
    value.m_nParamA = r.kind;
    value.m_fValue = r.value;
    value.m_bDefined = r.defined;
    value.m_strName = QString::fromUtf8(r.caption);
    value.m_bLabelHidden = r.labelHidden;
    value.UpdateLabel();
    EXPECT_EQ(value.m_strValueText, QString::fromUtf16(r.updateLabel)) << r.name;
    value.m_bLabelStale = false;
    value.UpdateValueText();
    EXPECT_EQ(value.CurrentValueText(), QString::fromUtf16(r.valueText)) << r.name;
    // No context (as while a file loads): the lists wait for the next draw.
    EXPECT_TRUE(value.m_bLabelStale && value.m_strLabelLists.isEmpty()) << r.name;
    // Unread in between, the later of a recomputation and a name update
    // still decides the text.
    value.UpdateValueText();
    value.UpdateLabel();
    EXPECT_EQ(value.CurrentValueText(), QString::fromUtf16(r.updateLabel)) << r.name;
  }
}

TEST_F(TextsTest, CaptionDefaultsRecordDragAndSelectedValues) {
  CGTextmap* caption = Enter<CGTextmap>(new CGTmVariable);
  EXPECT_EQ(caption->GetDescription(), QStringLiteral("单行文本"));
  caption->m_strValueText = QStringLiteral("2.50");
  caption->m_strLabelLists = QStringLiteral("xyz");  // derived: never stored
  RecordBytes b;
  b.u16(1).str("Text").u8(1).u32(0).u32(0).u8(0).u8(0).f32(0).f32(0).f32(0).u32(0xFF000000).u32(0xFF000000);
  b.f32(0).u32(0).u32(0).u32(17).str("").u8(0).f32(0.01f).u8(0).i32(0).i32(1).i32(0).str("");
  b.i32(0).i32(0).i32(0).i32(0).i32(0).str("").u16(0).u16(0).str("2.50");
  ASSERT_EQ(StoreCell(*caption), b.get());
  CGTmSingleline loaded;
  loaded.m_bLabelStale = false;
  CArchive in(b.get());
  loaded.Serialize(in);
  EXPECT_TRUE(loaded.m_strValueText == QStringLiteral("2.50") && loaded.m_bLabelStale);
  loaded.m_vLabelAnchor[1] = INFINITY;
  const QByteArray bad = StoreCell(loaded);
  EXPECT_EQ(ArchiveCause([&] { CArchive ar(bad); loaded.Serialize(ar); }), ArchiveError::BadData);

  caption->m_vLabelAnchor[0] = 1.0f;
  caption->m_vLabelAnchor[1] = 2.0f;
  caption->DragBy(12, -6);
  EXPECT_EQ(page->m_nTextSlot, 23);
  float next[2];
  page->NextTextPosition(next, 1);
  for (auto [p, y] : {std::pair{caption->m_vLabelAnchor, 2.3f}, {next, 0.8f}}) {
    EXPECT_FLOAT_EQ(p[0], 1.6f);
    EXPECT_FLOAT_EQ(p[1], y);
  }
  for (CGTextmap* c : {Enter<CGTextmap>(new CGTmVariable), AddKind<CGTextmap>({"CGTmVector"}), caption})
    page->SelectCell(c->m_nId);
  EXPECT_EQ(CountSelectedVariables(), 2);
}

// A record from the table: the common part, then width, height and pixels.
QByteArray Record(CGTextbit& cell, DWORD w, DWORD h, int pixels) {
  CArchive common;
  cell.CGCell::Serialize(common);
  return common.Bytes() + RecordBytes().u32(w).u32(h).bytes(QByteArray(pixels, '\x5A')).get();
}

TEST_F(TextsTest, PictureRecordsHoldWholePaddedRowsAndHostileOnesFail) {
  const auto mask = [] { return new CGTextbit; };
  const auto image = [] { return new CGTbImage; };
  const auto follower = [] { auto* f = new CGTbHenchman; f->m_parents = {1}; return f; };
  const auto spoilt = [](int axis) {
    return [axis] { auto* c = new CGTextbit; c->m_vLabelAnchor[axis] = NAN; return c; };
  };
  const struct { const char* name; std::function<CGTextbit*()> make; DWORD w, h; int pixels; bool loads;
                 QByteArray after = {}; } rows[] = {{"33 x 2 mask", mask, 33, 2, 16, true},
              {"5 x 2 image", image, 5, 2, 32, true},
              {"no width", mask, 0, 2, 0, true},
              {"longest side", mask, 16384, 1, 2048, true},
              {"follower", follower, 40, 1, 8, true, RecordBytes().f32(0.5f).f32(0).f32(-2).get()},
              {"4 GB and more", mask, 0xFFFFFFFF, 0xFFFFFFFF, 0, false},
              {"side over 16384", image, 16385, 1, 49156, false},
              {"largest sides, few bytes", image, 16384, 16384, 16, false},
              {"one byte short", mask, 33, 2, 15, false},
              {"anchor x not finite", spoilt(0), 1, 1, 4, false},
              {"anchor y not finite", spoilt(1), 1, 1, 4, false},
              {"offset not finite", follower, 1, 1, 4, false, RecordBytes().f32(0).f32(0).f32(NAN).get()},
              {"zoom not finite", [] { auto* c = new CGTbImage; c->SetZoom(1, INFINITY); return c; }, 1, 1, 4, false}};
  for (const auto& r : rows) {
    std::unique_ptr<CGTextbit> cell(r.make()), loaded(r.make());
    const QByteArray bytes = Record(*cell, r.w, r.h, r.pixels) + r.after;
    CArchive in(bytes);
    if (!r.loads) {
      EXPECT_EQ(ArchiveCause([&] { loaded->Serialize(in); }), ArchiveError::BadData) << r.name;
      continue;
    }
    loaded->Serialize(in);
    EXPECT_EQ(StoreCell(*loaded), bytes) << r.name;
    EXPECT_EQ(loaded->HasPicture(), r.pixels > 0) << r.name;
  }
}

// An edit compares a picture's record by its pixels' identity: the same
// record digests alike, and pixels replaced, even by equal ones, count as
// changed; the rest of the record counts as in any cell.
TEST_F(TextsTest, APictureRecordDigestsByWhatIdentifiesItsPixels) {
  CGTbImage image(6, 2, 2, std::vector<BYTE>(8, 7));
  const std::uint64_t first = image.RecordDigest();
  EXPECT_EQ(image.RecordDigest(), first);
  image.SetPixels(std::vector<BYTE>(8, 7));
  const std::uint64_t replaced = image.RecordDigest();
  EXPECT_NE(replaced, first);
  image.SetZoom(2, 1);
  EXPECT_NE(image.RecordDigest(), replaced);
  image.m_children.push_back(9);  // a child gained changes nothing computed
  image.SetZoom(1, 1);
  EXPECT_EQ(image.RecordDigest(), replaced);
}

TEST_F(TextsTest, PictureDescriptionsPlacementAndFollowers) {
  CGVertex* a = AddPoint(1, 2, 3);
  KvSrand(1);
  const CGTextbit plain;
  EXPECT_TRUE(plain.m_vLabelAnchor[0] == -5 && plain.m_vLabelAnchor[1] == 5);
  EXPECT_EQ(plain.m_strName, QStringLiteral("BText"));
  const CGTbImage picture;
  EXPECT_TRUE(picture.ZoomX() == 1 && picture.ZoomY() == 1 && picture.m_strName == QStringLiteral("Img"));
  CGTextbit text(5, 33, 2, {});
  EXPECT_FLOAT_EQ(text.m_vLabelAnchor[0], -33 * 0.05f / 2);
  EXPECT_NEAR(text.m_vLabelAnchor[1], (41 / 32767.0 * 8 - 4) * 20 * 0.05, 1e-6);
  auto* follower = Enter(new CGTbHenchman(0, 4, 1, {}, a->m_nId));
  for (auto [kind, expected] : {std::pair<BYTE, const char*>{0, "位图文本：宽*高=33*2"},
                                 {4, "可编辑VOD彩图文本：宽*高=33*2"},
                                 {1, "可编辑RTF单色位图文本：宽*高=33*2"}}) {
    text.m_nSubKind = kind;
    EXPECT_EQ(text.GetDescription(), QString::fromUtf8(expected));
  }
  EXPECT_EQ(CGTbImage(6, 5, 2, {}).GetDescription(), QStringLiteral("原始大小：宽*高=5*2"));
  EXPECT_EQ(follower->GetDescription(), QStringLiteral("随点A的文本"));
  // The follower replaces the point's label and keeps where it was dragged.
  EXPECT_TRUE(a->m_bLabelHidden);
  follower->DragBy(10, -4);
  a->m_vPos[0] = 2;
  follower->Recalculate();
  EXPECT_FLOAT_EQ(follower->m_vLabelAnchor[0], 2.5f);
  EXPECT_FLOAT_EQ(follower->m_vLabelAnchor[1], 2.2f);
  EXPECT_FLOAT_EQ(follower->m_vLabelAnchor[2], 3);
  follower->m_parents.push_back(a->m_nId);
  const QByteArray two = StoreCell(*follower);
  EXPECT_EQ(ArchiveCause([&] { CArchive in(two); CGTbHenchman().Serialize(in); }), ArchiveError::BadData);
}

// A text following a point that stands beyond the float range, or that the
// offset pushes past it, is undefined where it was: its record reads back.
TEST_F(TextsTest, FollowersOfPointsBeyondTheFloatRangeStayWhereTheyWere) {
  const struct { const char* name; float x; float pixelSize; } rows[] = {
      {"point not a number", NAN, 0.05f},
      {"point infinite", -INFINITY, 0.05f},
      {"offset past the limit", 3.4e38f, 1e37f},
  };
  const std::function<CGTextbit*(WORD, WORD)> followers[] = {
      [](WORD id, WORD point) { return new CGTbHenchman(id, 4, 1, {}, point); },
      [](WORD id, WORD point) { return new CGTbMhc(id, QString(), 0, point); },
  };
  for (const auto& r : rows) {
    for (const auto& make : followers) {
      CGVertex* a = AddPoint(1, 2, 3);
      CGTextbit* follower = Enter(make(page->m_nNextId, a->m_nId));
      const std::string what = std::string(r.name) + ", " + follower->GetRuntimeClass()->m_lpszClassName;
      g_fUnitsPerPixel = r.pixelSize;
      follower->DragBy(10, 0);
      const std::array<float, 3> before{follower->m_vLabelAnchor[0], follower->m_vLabelAnchor[1],
                                        follower->m_vLabelAnchor[2]};
      a->m_vPos[0] = r.x;
      follower->Recalculate();
      EXPECT_FALSE(follower->m_bDefined) << what;
      EXPECT_EQ((std::array<float, 3>{follower->m_vLabelAnchor[0], follower->m_vLabelAnchor[1],
                                      follower->m_vLabelAnchor[2]}),
                before)
          << what;
      const QByteArray bytes = StoreCell(*follower);
      const std::unique_ptr<CObject> loaded(follower->GetRuntimeClass()->CreateObject());
      CArchive in(bytes);
      EXPECT_NO_THROW(loaded->Serialize(in)) << what;
      a->m_vPos[0] = 1;
      follower->Recalculate();
      EXPECT_TRUE(follower->m_bDefined) << what << ": placed again once the point is back";
    }
  }
}

// The picture command's cell (its placement and undo: the document's tests).
TEST_F(TextsTest, PictureCellsNeedTheBytesTheirRowsNeed) {
  EXPECT_EQ(CreateImageCell(1, 1000, 500, std::vector<BYTE>(1000 * 500 * 3 - 1), 0.5f, 1, 2), nullptr);
  EXPECT_EQ(CreateImageCell(1, 16385, 1, std::vector<BYTE>(49156), 1, 1, 2), nullptr);
  EXPECT_NE(std::unique_ptr<CGCell>(CreateImageCell(1, 16384, 1, std::vector<BYTE>(49152), 1, 1, 2)), nullptr);
  const std::unique_ptr<CGCell> cell(CreateImageCell(1, 5, 2, std::vector<BYTE>(32), 0.5f, 1, 2));
  const auto* image = dynamic_cast<const CGTbImage*>(cell.get());
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(image->ZoomX() == 0.5f && image->ZoomY() == 0.5f && image->m_vLabelAnchor[1] == 2);
}

}  // namespace
