#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <sys/stat.h>

#include "app/preferences.h"
#include "platform/filebytes.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

template <class T>
T At(const QByteArray& bytes, qsizetype offset) {
  T v;
  std::memcpy(&v, bytes.constData() + offset, sizeof v);
  return v;
}

// Every field of the preferences set to a value no other field has.
CDisplayPrefs Distinct() {
  CDisplayPrefs p;
  p.strLabelFont = QStringLiteral("宋体");
  p.strTextFont = QStringLiteral("楷体_GB2312");
  p.nLabelFontHeight = 17;
  p.nTextFontHeight = 31;
  p.fLineWidth = 1.5f;
  p.fPointSize = 4.25f;
  p.background = {0.1f, 0.2f, 0.3f, 0.4f};
  p.rgbaSelection = RGBA{1, 2, 3, 4};
  p.rgbaTable = RGBA{91, 92, 93, 94};
  p.lightAmbient = {0.01f, 0.02f, 0.03f, 0.04f};
  p.lightPosition = {-5.5f, 6.5f, 7.5f, 0.0f};
  p.nFramesPerSecond = 60;
  p.bNoDoubleClick = 1;
  p.bScreenRotation = 0;
  p.bLabelAutoScale = 1;
  return p;
}

class PreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }
  SeamRecorders seams;
  QTemporaryDir folder;
};

TEST_F(PreferencesTest, DefaultsWriteTheDocumentedLayout) {
  const QByteArray bytes = DisplayPrefsBytes(CDisplayPrefs());
  ASSERT_EQ(bytes.size(), 216);
  // "Times New Roman": FF FE FF, length 15, then UTF-16LE.
  EXPECT_EQ(bytes.left(6).toHex(), "fffeff0f5400");
  EXPECT_EQ(At<int32_t>(bytes, 68), 24);
  EXPECT_EQ(At<int32_t>(bytes, 72), 24);
  EXPECT_EQ(At<float>(bytes, 76), 2.0f);
  EXPECT_EQ(At<float>(bytes, 80), 6.0f);
  // Group k = 0 (red components, then light x), each 29 bytes.
  EXPECT_EQ(At<float>(bytes, 84), 1.0f);
  EXPECT_EQ(bytes.mid(88, 9).toHex(), "ff80ff000000000040");
  EXPECT_EQ(At<float>(bytes, 97), 0.2f);
  EXPECT_EQ(At<float>(bytes, 101), 0.8f);
  EXPECT_EQ(At<float>(bytes, 105), 1.0f);
  EXPECT_EQ(At<float>(bytes, 109), 200.0f);
  // Group k = 2: the blue components, the text colour's 152.
  EXPECT_EQ(bytes.mid(84 + 2 * 29 + 4, 9).toHex(), "ff0000800000980040");
  EXPECT_EQ(At<float>(bytes, 84 + 2 * 29 + 25), 300.0f);
  // Group k = 3: alphas and the light's w.
  EXPECT_EQ(bytes.mid(84 + 3 * 29 + 4, 9).toHex(), "ffffffffffffffffff");
  EXPECT_EQ(At<int32_t>(bytes, 200), 25);
  EXPECT_EQ(bytes.right(12), QByteArray(12, '\0'));
}

TEST_F(PreferencesTest, WriteThenReadGivesTheSameValues) {
  g_prefs = Distinct();
  ASSERT_TRUE(LoadSaveConfigIn(folder.path(), true));
  const QByteArray written = *ReadFileBytes(ConfigFilePath(folder.path()));
  EXPECT_EQ(written, DisplayPrefsBytes(Distinct()));
  g_prefs = CDisplayPrefs();
  ASSERT_TRUE(LoadSaveConfigIn(folder.path(), false));
  EXPECT_EQ(DisplayPrefsBytes(g_prefs), written);
  EXPECT_EQ(g_prefs.strLabelFont, QStringLiteral("宋体"));
  EXPECT_EQ(g_prefs.rgbaTable, (RGBA{91, 92, 93, 94}));
}

TEST_F(PreferencesTest, FirstRunCreatesTheFolderAndKeepsTheDefaults) {
  const QString data = folder.path() + QStringLiteral("/not/there/yet");
  EXPECT_FALSE(LoadSaveConfigIn(data, false));
  EXPECT_TRUE(QFileInfo(data + QStringLiteral("/Nurv")).isDir());
  EXPECT_EQ(DisplayPrefsBytes(g_prefs), DisplayPrefsBytes(CDisplayPrefs()));
  EXPECT_TRUE(LoadSaveConfigIn(data, true));
  EXPECT_EQ(QFileInfo(data + QStringLiteral("/Nurv/config420.dat")).size(), 216);
}

TEST_F(PreferencesTest, AFolderThatCannotBeMadeFailsQuietly) {
  QFile blocker(folder.path() + QStringLiteral("/file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_FALSE(LoadSaveConfigIn(blocker.fileName(), true));
  EXPECT_FALSE(LoadSaveConfigIn(blocker.fileName(), false));
}

TEST_F(PreferencesTest, APipeOrADeviceInPlaceOfTheFileIsNotWaitedFor) {
  QDir().mkpath(folder.path() + QStringLiteral("/pipe/Nurv"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(ConfigFilePath(folder.path() + QStringLiteral("/pipe"))).constData(), 0600), 0);
  EXPECT_FALSE(LoadSaveConfigIn(folder.path() + QStringLiteral("/pipe"), false));
  QDir().mkpath(folder.path() + QStringLiteral("/zero/Nurv"));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), ConfigFilePath(folder.path() + QStringLiteral("/zero"))));
  EXPECT_FALSE(LoadSaveConfigIn(folder.path() + QStringLiteral("/zero"), false));
  EXPECT_EQ(DisplayPrefsBytes(g_prefs), DisplayPrefsBytes(CDisplayPrefs()));
}

TEST_F(PreferencesTest, TruncatedFilesLeaveTheValuesAlone) {
  const QByteArray whole = DisplayPrefsBytes(Distinct());
  ASSERT_TRUE(QDir().mkpath(folder.path() + QStringLiteral("/Nurv")));
  for (qsizetype n = 0; n < whole.size(); n += (n < 70 ? 1 : 7)) {
    ASSERT_TRUE(WriteFileBytes(ConfigFilePath(folder.path()), whole.left(n)));
    EXPECT_FALSE(LoadSaveConfigIn(folder.path(), false)) << n << " bytes";
    EXPECT_EQ(DisplayPrefsBytes(g_prefs), DisplayPrefsBytes(CDisplayPrefs())) << n << " bytes";
  }
}

TEST_F(PreferencesTest, UnusableValuesRejectTheWholeFile) {
  struct Case {
    const char* what;
    void (*spoil)(CDisplayPrefs&);
  } cases[] = {
      {"frame rate 0", [](CDisplayPrefs& p) { p.nFramesPerSecond = 0; }},
      {"frame rate -5", [](CDisplayPrefs& p) { p.nFramesPerSecond = -5; }},
      {"label font height 0", [](CDisplayPrefs& p) { p.nLabelFontHeight = 0; }},
      {"text font height 100000", [](CDisplayPrefs& p) { p.nTextFontHeight = 100000; }},
      {"line width 0", [](CDisplayPrefs& p) { p.fLineWidth = 0; }},
      {"point size NaN", [](CDisplayPrefs& p) { p.fPointSize = std::numeric_limits<float>::quiet_NaN(); }},
      {"background 2", [](CDisplayPrefs& p) { p.background[1] = 2; }},
      {"light infinite", [](CDisplayPrefs& p) { p.lightDiffuse[0] = std::numeric_limits<float>::infinity(); }},
  };
  for (const Case& c : cases) {
    CDisplayPrefs spoiled = Distinct();
    c.spoil(spoiled);
    EXPECT_FALSE(DisplayPrefsFromBytes(DisplayPrefsBytes(spoiled))) << c.what;
  }
  g_prefs = Distinct();
  CDisplayPrefs spoiled = Distinct();
  spoiled.nFramesPerSecond = 0;
  ASSERT_TRUE(QDir().mkpath(folder.path() + QStringLiteral("/Nurv")));
  ASSERT_TRUE(WriteFileBytes(ConfigFilePath(folder.path()), DisplayPrefsBytes(spoiled)));
  EXPECT_FALSE(LoadSaveConfigIn(folder.path(), false));
  EXPECT_EQ(g_prefs.nFramesPerSecond, 60);
}

TEST_F(PreferencesTest, SwitchesReadAsZeroOrOne) {
  CDisplayPrefs p;
  p.bScreenRotation = 7;
  const auto read = DisplayPrefsFromBytes(DisplayPrefsBytes(p));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->bScreenRotation, 1);
  EXPECT_EQ(read->bNoDoubleClick, 0);
}

TEST_F(PreferencesTest, TheUsersDataFolderIsTakenFromTheEnvironment) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", folder.path().toLocal8Bit());
  g_prefs = Distinct();
  const bool written = LoadSaveConfig(true);
  if (saved.isNull()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", saved);
  }
  EXPECT_TRUE(written);
  EXPECT_TRUE(QFileInfo(folder.path() + QStringLiteral("/Nurv/config420.dat")).isFile());
}

}  // namespace
