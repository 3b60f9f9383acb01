// The buttons whose action is a click's worth: show/hide, link and
// command buttons, their steps, what they post and open, and their records.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <tuple>
#include <vector>

#include "cells/dynamic/buttons/commandbutton.h"
#include "cells/dynamic/buttons/linkbutton.h"
#include "cells/dynamic/buttons/linkopening.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "../measuretestsupport.h"
#include "model/buttonrecord.h"
#include "model/document/kavreldoc.h"
#include "model/vertexarray.h"

namespace KAVREL_FILE_LOCAL {

constexpr UINT kWmCommand = 0x0111;

class SimpleButtonTest : public MeasureTest {
 protected:
  template <class T>
  T* Put(T* button) {
    page->m_cells.SetAt(page->m_nNextId++, button);
    return button;
  }
  CGButnSHide* ShowHide(BYTE mode, const std::vector<WORD>& targets) {
    page->m_selAll = targets;
    auto* button = Put(new CGButnSHide(page->m_nNextId));
    button->m_nSubKind = mode;
    return button;
  }
  std::vector<WORD> Targets(int n) {
    std::vector<WORD> ids;
    for (int i = 0; i < n; ++i) ids.push_back(P(0, 0, 0));
    return ids;
  }
  std::vector<BOOL> Hidden(const std::vector<WORD>& ids) const {
    std::vector<BOOL> hidden;
    for (WORD id : ids) hidden.push_back(page->m_cells.Lookup(id)->m_bHidden);
    return hidden;
  }
};

TEST_F(SimpleButtonTest, ShowHideModesTogglesAndReveals) {
  const std::vector<WORD> three = Targets(3);
  page->m_cells.Lookup(three[1])->m_bHidden = 1;
  CGButnSHide* show = ShowHide(CGButnSHide::kShow, three);
  EXPECT_EQ(show->m_parents, three);
  EXPECT_EQ(page->m_cells.Lookup(three[2])->m_children, std::vector<WORD>{show->m_nId});
  EXPECT_TRUE(show->Step());
  EXPECT_EQ(Hidden(three), (std::vector<BOOL>{0, 0, 0}));
  EXPECT_TRUE(ShowHide(CGButnSHide::kHide, three)->Step());
  EXPECT_EQ(Hidden(three), (std::vector<BOOL>{1, 1, 1}));

  struct Toggle {
    const char* caption;
    bool fixed;
    std::vector<const char*> captions;  // after each click
  } toggles[] = {
      {"隐藏", false, {"显示", "隐藏", "显示"}},
      {"隐藏点A", true, {"显示点A", "隐藏点A", "显示点A"}},
      {"隐藏", true, {"隐藏", "隐藏", "隐藏"}},
  };
  for (const Toggle& t : toggles) {
    CGButnSHide* toggle = ShowHide(CGButnSHide::kToggle, three);
    EXPECT_EQ(toggle->m_strName, QString::fromUtf8("隐藏"));
    toggle->m_strName = QString::fromUtf8(t.caption);
    toggle->m_bNameFixed = t.fixed;
    for (size_t click = 0; click < t.captions.size(); ++click) {
      EXPECT_TRUE(toggle->Step());
      EXPECT_EQ(toggle->m_strName, QString::fromUtf8(t.captions[click])) << t.caption << " click " << click + 1;
      EXPECT_EQ(Hidden(three), std::vector<BOOL>(3, click % 2 == 0 ? 1 : 0)) << t.caption;
    }
  }

  CGButnSHide* reveal = ShowHide(CGButnSHide::kReveal, three);
  const std::vector<std::vector<BOOL>> clicks = {{0, 1, 1}, {0, 0, 1}, {0, 0, 0}, {1, 1, 1}, {0, 1, 1}};
  for (size_t click = 0; click < clicks.size(); ++click) {
    reveal->Step();
    EXPECT_EQ(Hidden(three), clicks[click]) << "click " << click + 1;
  }
  // Undefined while a target is, from the start, as a reopen computes it.
  EXPECT_TRUE(show->m_bDefined);
  page->m_cells.Lookup(three[2])->m_bDefined = false;
  EXPECT_FALSE(ShowHide(CGButnSHide::kShow, three)->m_bDefined);
  CGButnSHide* none = ShowHide(CGButnSHide::kReveal, {});
  EXPECT_TRUE(none->m_bDefined);
  none->m_nStyle = 5;
  EXPECT_TRUE(none->Step());
  EXPECT_EQ(none->m_nStyle, 0) << "without targets only the index resets";
  EXPECT_EQ(none->GetDescription(), QString::fromUtf8("显示隐藏对象的动作按钮"));
}

TEST_F(SimpleButtonTest, ARevealOverMoreThan255TargetsCompletesAndStoresAByte) {
  ReserveVertexArray(400);
  const std::vector<WORD> targets = Targets(300);
  for (WORD id : targets) page->m_cells.Lookup(id)->m_bHidden = 1;
  CGButnSHide* reveal = ShowHide(CGButnSHide::kReveal, targets);
  for (int click = 1; click <= 300; ++click) reveal->Step();
  EXPECT_EQ(Hidden(targets), std::vector<BOOL>(300, 0));
  EXPECT_EQ(reveal->RevealIndex(), 300);
  // Stored saturated; read back from the byte the cycle goes on from there.
  const QByteArray record = StoreCell(*reveal);
  CGButnSHide loaded;
  CArchive in(record);
  loaded.Serialize(in);
  EXPECT_EQ(loaded.m_nStyle, 255);
  EXPECT_EQ(loaded.RevealIndex(), 255);
  reveal->Step();
  EXPECT_EQ(Hidden(targets), std::vector<BOOL>(300, 1)) << "the 301st click hides all";
  EXPECT_EQ(reveal->RevealIndex(), 0);
}

TEST_F(SimpleButtonTest, LinksPostThePageJumpOrOpenTheirPath) {
  // A page link posts the jump (also to the page shown), a shell link opens.
  for (auto [mode, pageId, path] : {std::tuple{BYTE(0), WORD(3), ""}, {BYTE(1), WORD(0), "https://example.org/?a=1"},
                                    {BYTE(7), WORD(1), "www.example.org"}}) {
    seams.bridge->messages.clear();
    seams.shell->opened.clear();
    auto* link = Put(new CGButnLink(page->m_nNextId, QStringLiteral("L"), mode, pageId, QString::fromUtf8(path)));
    EXPECT_TRUE(link->Step());
    EXPECT_EQ(link->GetDescription(), QString::fromUtf8(mode == 0 ? "页链接按钮" : "链接按钮"));
    EXPECT_EQ(seams.shell->opened.size(), mode == 0 ? 0u : 1u) << path;
    ASSERT_EQ(seams.bridge->messages.size(), mode == 0 ? 1u : 0u) << path;
    for (const BridgeMessage& m : seams.bridge->messages)
      EXPECT_TRUE(m.posted && m.target == UiTarget::View && m.message == 0x7FF && m.wParam == 0 && m.lParam == 3);
  }
  EXPECT_EQ(seams.shell->opened.back(), QStringLiteral("http://www.example.org"));
  // Written from the record tables: the button record, the page id, the
  // path as it was typed.
  const QString path = QString::fromUtf8("D:\\课件\\第 1 课.exe");
  auto* link = Put(new CGButnLink(page->m_nNextId, QStringLiteral("L"), 1, 0x1234, path));
  link->m_vLabelAnchor[0] = -18, link->m_vLabelAnchor[1] = 12;
  const QByteArray bytes = ButtonRecord({link->m_nId, "L", 0, 1}).u16(0x1234).str(path).get();
  EXPECT_EQ(StoreCell(*link).toHex(), bytes.toHex());
  CGButnLink loaded;
  CArchive in(bytes);
  loaded.Serialize(in);
  EXPECT_TRUE(loaded.m_strPath == path && loaded.m_nPageId == 0x1234 && in.Remaining() == 0);
}

TEST_F(SimpleButtonTest, LinkTargetsResolveAndProgramsAskFirst) {
  QTemporaryDir dir;
  const QString folder = dir.path() + QLatin1Char('/');
  QDir(dir.path()).mkdir(QStringLiteral("media"));
  const auto write = [&](const char* name, const QByteArray& bytes, bool executable) {
    QFile file(dir.filePath(QString::fromUtf8(name)));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
  };
  write("notes.pdf", "%PDF", false);
  write("tool", "#!/bin/sh\n", true);
  write("binary", QByteArray("\x7F" "ELF", 4), true);
  write("data", "hello", true);
  struct Row {
    const char* stored;
    QString target;
    bool runs;
  } rows[] = {
      {"https://example.org/x", "https://example.org/x", false},
      {"notes.pdf", folder + "notes.pdf", false},
      {"D:\\old lessons\\NOTES.PDF", folder + "notes.pdf", false},
      {"media", folder + "media", false},
      {"media\\clip.mp4", folder + "media/clip.mp4", false},
      {"tool", folder + "tool", true},
      {"binary", folder + "binary", true},
      {"data", folder + "data", false},
      {"setup.EXE", folder + "setup.EXE", true},
      {"kavrel.desktop", folder + "kavrel.desktop", true},
      {"/usr/bin/x.sh", "/usr/bin/x.sh", true},
      {"javascript:alert(1)", "javascript:alert(1)", true},
      {"", "", false},
  };
  for (const Row& r : rows) {
    const LinkTarget link = ResolveLink(QString::fromUtf8(r.stored), folder);
    EXPECT_EQ(link.target, r.target) << r.stored;
    EXPECT_EQ(link.runs, r.runs) << r.stored;
  }
  EXPECT_EQ(ResolveLink(QUrl::fromLocalFile(folder + "tool").toString(), QString()).target, folder + "tool");

  // Against the open document's folder; a program opens only after a yes.
  g_strDocumentPath = folder + "lesson.kv";
  for (int answer : {IDNO, IDYES}) {
    seams.notifier->answers = {answer};
    seams.shell->opened.clear();
    OpenStoredLink(QStringLiteral("tool"));
    ASSERT_EQ(seams.notifier->shown.size(), answer == IDNO ? 1u : 2u);
    EXPECT_TRUE(seams.notifier->shown.back().text.contains(folder + "tool"));
    EXPECT_EQ(seams.shell->opened, answer == IDYES ? std::vector<QString>{folder + "tool"} : std::vector<QString>{});
  }
  OpenStoredLink(QStringLiteral("notes.pdf"));
  EXPECT_EQ(seams.notifier->shown.size(), 2u) << "a document opens without asking";
  EXPECT_EQ(seams.shell->opened.back(), folder + "notes.pdf");
}

TEST_F(SimpleButtonTest, CommandsFollowTheDelayAndTheMediaWait) {
  struct Row {
    const char* name;
    std::vector<std::int32_t> commands;
    bool mediaOpenUntilTick;  // the player closes before tick 20
    std::vector<std::pair<int, WPARAM>> posts;
    int finished;
  } rows[] = {
      {"three commands", {32776, 32777, 32778}, false, {{1, 32776}, {14, 32777}, {27, 32778}}, 27},
      {"one command", {32862}, false, {{1, 32862}}, 1},
      {"waiting on a closed player", {32788, 32777}, false, {{2, 32777}}, 2},
      // Tested on ticks 1, 8 and 15 with the player open, on 22 closed.
      {"waiting on the player", {32788, 32777}, true, {{23, 32777}}, 23},
      {"a wait at the end", {32777, 32788}, true, {{1, 32777}}, 21},
      {"ids it does not offer", {3029, 32777, 40000, -1}, false, {{2, 32777}}, 16},
      {"no commands", {}, false, {}, 1},
  };
  for (const Row& r : rows) {
    g_nCommandTicks = 0;
    seams.bridge->messages.clear();
    auto* button = Put(new CGButnCommand(page->m_nNextId, QStringLiteral("C"), r.commands, 12));
    std::vector<std::pair<int, WPARAM>> posts;
    int finished = 0;
    for (int tick = 1; tick <= 40 && !finished; ++tick) {
      g_bMediaOpen = r.mediaOpenUntilTick && tick < 20;
      const size_t before = seams.bridge->messages.size();
      if (button->Step()) finished = tick;
      for (size_t i = before; i < seams.bridge->messages.size(); ++i) {
        const BridgeMessage& m = seams.bridge->messages[i];
        EXPECT_TRUE(m.posted && m.target == UiTarget::Frame && m.message == kWmCommand && m.lParam == 0);
        posts.emplace_back(tick, m.wParam);
      }
    }
    EXPECT_EQ(posts, r.posts) << r.name;
    EXPECT_EQ(finished, r.finished) << r.name;
    EXPECT_EQ(button->m_nNext, 0u) << r.name;
  }
  // Two buttons running at once share one delay: the second waits for the
  // first's, the first for the second's.
  g_nCommandTicks = 0;
  g_bMediaOpen = false;
  std::vector<CGButnCommand*> running = {Put(new CGButnCommand(page->m_nNextId, QStringLiteral("1"), {32777, 32778}, 3)),
                                         Put(new CGButnCommand(page->m_nNextId, QStringLiteral("2"), {32779}, 3))};
  seams.bridge->messages.clear();
  std::vector<size_t> posted;
  while (!running.empty() && posted.size() < 10) {
    std::erase_if(running, [](CGButnCommand* b) { return b->Step(); });
    posted.push_back(seams.bridge->messages.size());
  }
  EXPECT_EQ(posted, (std::vector<size_t>{1, 1, 2, 2, 2, 3}));
}

TEST_F(SimpleButtonTest, CommandRecordAndDamagedCounts) {
  auto* button = Put(new CGButnCommand(page->m_nNextId, QStringLiteral("C"), {32776, 57603}, 20));
  button->m_fReserved = 0.5f, button->m_nReserved = -3;
  button->m_nNext = 1;
  const QByteArray bytes = ButtonRecord({button->m_nId, "C"}).i32(2).i32(20).f32(0.5f).i32(-3).i32(32776).i32(57603).get();
  EXPECT_EQ(StoreCell(*button).toHex(), bytes.toHex());
  EXPECT_EQ(button->GetDescription(), QStringLiteral("C"));
  CGButnCommand loaded;
  CArchive in(bytes);
  loaded.Serialize(in);
  EXPECT_EQ(loaded.m_commands, (std::vector<std::int32_t>{32776, 57603}));
  EXPECT_EQ(loaded.m_nNext, 0u) << "a loaded button starts with its first command";
  const qsizetype countAt = bytes.size() - 24;
  for (std::int32_t count : {-1, 3, 0x40000000}) {
    QByteArray spoilt = bytes;
    spoilt.replace(countAt, 4, QByteArray(reinterpret_cast<const char*>(&count), 4));
    CGButnCommand fresh;
    EXPECT_EQ(ArchiveCause([&] { CArchive ar(spoilt); fresh.Serialize(ar); }), ArchiveError::BadData) << count;
  }
}

}  // namespace
