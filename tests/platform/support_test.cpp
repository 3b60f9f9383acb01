#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QUrl>
#include <cmath>

#include "platform/crtrandom.h"
#include "platform/numberformat.h"
#include "platform/clipboard.h"
#include "support/recorders.h"

// Stands in for the desktop: records the URLs it was asked to open.
class ShellUrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

namespace KAVREL_FILE_LOCAL {

TEST(Random, FollowsTheRuntimeFormula) {
  SeamRecorders seams;
  KvSrand(1);
  EXPECT_EQ(KvRand(), 41);
  EXPECT_EQ(KvRand(), 18467);
  EXPECT_EQ(KvRand(), 6334);
  for (int i = 0; i < 1000; ++i) {
    const int r = KvRand();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, KV_RAND_MAX);
  }
  seams.clock->unixTime = 1;
  KvSeedRandomFromClock();
  EXPECT_EQ(KvRand(), 41);
}

TEST(NumberFormat, RoundsExactTiesAwayFromZero) {
  struct Case { const char* format; double value; const char* text; } cases[] = {
      {"%.0f", 2.5, "3"},        {"%.0f", -2.5, "-3"},      {"%.2f", 0.125, "0.13"},
      {"%.1f", 0.05, "0.1"},     {"%.0f", 3.5, "4"},        {"%.0f", 2.4999, "2"},
      {"%.2f", 1.005, "1.00"},   // 1.005 is stored below the tie
      {"%.1f", 9.95, "9.9"},     // so is 9.95
      {"%.0f", 9.5, "10"},       {"%.0f", 99.5, "100"},     {"%.3f", -0.0625, "-0.063"},
      {"%.2f", 3.0, "3.00"},     {"%.0f", 0.5, "1"},        {"%.0f", 1e20, "100000000000000000000"},
      {"%.5f", 1.0 / 3.0, "0.33333"},
      {"%.2f°", 57.295, "57.30°"},  // literal text around the number (57.295 is above the tie)
      {"x = %6.1f", 2.25, "x =    2.3"}, {"%-6.1f|", 2.25, "2.3   |"}, {"%06.1f", -2.25, "-002.3"},
      {"%+.1f", 0.25, "+0.3"},   {"%.1f%%", 12.25, "12.3%"}, {"%.3e", 1234.5, "1.234e+03"},
      {"%.0f", -0.4, "-0"},      {"%f", 1.5, "1.500000"},   {"%4.1f", 2.25, " 2.3"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatNumberStd(c.format, c.value), c.text) << c.format << " " << c.value;
  EXPECT_EQ(FormatNumber("%.1f", 0.75), QStringLiteral("0.8"));
  // Absurd widths and precisions are capped instead of overflowing or filling memory.
  EXPECT_LE(FormatNumberStd("%99999999999999.99999999999f", 1.0).size(), 1200u);
  EXPECT_EQ(FormatNumberStd("%.1f", std::nan("")), "nan");
}

TEST(Seams, RecordersStandInAndResetRestoresDefaults) {
  {
    SeamRecorders seams;
    seams.notifier->answers.push_back(IDNO);
    EXPECT_EQ(KvMessageBox(QStringLiteral("保存吗？"), QStringLiteral("Kavrel"), MB_YESNO), IDNO);
    EXPECT_EQ(KvMessageBox(QStringLiteral("再问"), QString(), MB_YESNOCANCEL), IDYES);
    ASSERT_EQ(seams.notifier->shown.size(), 2u);
    EXPECT_EQ(seams.notifier->shown[0].text, QStringLiteral("保存吗？"));
    UiBridge().Post(UiTarget::Frame, WM_SELECTION_CHANGED, 1, 40001);
    EXPECT_EQ(UiBridge().Send(UiTarget::Frame, WM_CELLS_CHANGED, 2, 0), 1);
    ASSERT_EQ(seams.bridge->messages.size(), 2u);
    EXPECT_TRUE(seams.bridge->messages[0].posted);
    EXPECT_EQ(seams.bridge->messages[1].message, 0x80Eu);
    EXPECT_TRUE(Shell().Open(QStringLiteral("https://example.org")));
    EXPECT_EQ(seams.shell->opened.size(), 1u);
    EXPECT_EQ(Clock().UnixTime(), 1'000'000'000);
  }
  // Back to the real services: the clock is the system's again.
  EXPECT_GT(Clock().UnixTime(), 1'600'000'000);
  EXPECT_EQ(FileChooser().ChooseOpen(QStringLiteral("打开"), QString(), QString()), QString());
}

// A drive letter is no URL scheme: such a path opens as a local file.
TEST(Seams, DesktopShellTellsUrlsFromPaths) {
  ShellUrlCatcher catcher;
  for (const char* scheme : {"file", "c", "https"}) QDesktopServices::setUrlHandler(scheme, &catcher, "Open");
  for (const auto& [target, scheme] : {std::pair{"C:\\x.kv", "file"}, {"https://example.org", "https"}}) {
    catcher.opened.clear();
    EXPECT_TRUE(Shell().Open(QString::fromLatin1(target))) << target;
    ASSERT_EQ(catcher.opened.size(), 1) << target;
    EXPECT_EQ(catcher.opened[0].scheme(), QString::fromLatin1(scheme)) << target;
  }
  for (const char* scheme : {"file", "c", "https"}) QDesktopServices::unsetUrlHandler(scheme);
  EXPECT_FALSE(Shell().Open(QString()));
}

TEST(Seams, MemoryClipboardHoldsOneRecord) {
  MemoryClipboard clipboard;
  clipboard.SetData(QStringLiteral("CF_KAVREL"), QByteArray("\x02\x00\x00\x00", 4));
  EXPECT_TRUE(clipboard.HasFormat(QStringLiteral("CF_KAVREL")));
  EXPECT_FALSE(clipboard.HasFormat(QStringLiteral("DuvoCBFName")));
  EXPECT_EQ(clipboard.Data(QStringLiteral("CF_KAVREL"))->size(), 4);
  clipboard.SetText(QStringLiteral("x"));
  EXPECT_FALSE(clipboard.HasFormat(QStringLiteral("CF_KAVREL")));
  EXPECT_EQ(clipboard.Text(), QStringLiteral("x"));
}

}  // namespace

#include "support_test.moc"
