// Picture files into texture slots: the pixel layout, conversion of
// low-colour pictures, the three failure messages, and the upload into the
// slot's texture in a GL context.
#include <GL/gl.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "render/glresources.h"
#include "render/picturetexts.h"
#include "render/textures.h"
#include "support/headless_gl.h"
#include "support/recorders.h"
#include "support/sanitizers.h"

namespace KAVREL_FILE_LOCAL {

#ifndef GL_BGR
#define GL_BGR 0x80E0
#endif

// The three messages as the program shows them.
const char* const kLoadFailed = "\xe8\xa3\x85\xe5\x85\xa5\xe5\x9b\xbe\xe8\xb1\xa1\xe5\xa4\xb1\xe8\xb4\xa5:\n%x - %s";
const char* const kNeedsTrueColour = "\xe8\xa3\x85\xe5\x85\xa5\xe5\x9b\xbe\xe8\xb1\xa1\xe5\xa4\xb1\xe8\xb4\xa5\xef\xbc\x8c\xe8\xaf\xb7\xe4\xbd\xbf\xe7\x94\xa8\xe7\x9c\x9f\xe5\xbd\xa9\xe8\x89\xb2\xe5\x9b\xbe\xef\xbc\x81";
const char* const kNeeds24Or32 = "\xe8\xa3\x85\xe5\x85\xa5\xe5\x9b\xbe\xe8\xb1\xa1\xe5\xa4\xb1\xe8\xb4\xa5\xef\xbc\x8c\xe8\xaf\xb7\xe4\xbd\xbf\xe7\x94\xa8" "24\xe4\xbd\x8d\xe6\x88\x96" "32\xe4\xbd\x8d\xe7\x9c\x9f\xe5\xbd\xa9\xe5\x9b\xbe\xe8\xb1\xa1\xef\xbc\x81";

TEST(PictureTexts, AreTheProgramsTexts) {
  EXPECT_STREQ(kTextPictureLoadFailed, kLoadFailed);
  EXPECT_STREQ(kTextPictureNeedsTrueColour, kNeedsTrueColour);
  EXPECT_STREQ(kTextPictureNeeds24Or32Bit, kNeeds24Or32);
}

class TextureLoading : public ::testing::Test {
 protected:
  QString Save(const QImage& picture, const char* name, const char* format = nullptr) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(picture.save(path, format)) << name;
    return path;
  }
  QString Write(const QByteArray& bytes, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  std::vector<QString> Messages() const {
    std::vector<QString> texts;
    for (const ShownMessage& m : seams.notifier->shown) texts.push_back(m.text);
    return texts;
  }

  SeamRecorders seams;
  QTemporaryDir dir;
};

// A 5 x 3 palette picture: row y, column x has palette entry (x + y) % 4.
QImage PalettePicture() {
  QImage picture(5, 3, QImage::Format_Indexed8);
  picture.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(10, 20, 30)});
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) picture.setPixel(x, y, (x + y) % 4);
  return picture;
}

TEST_F(TextureLoading, PalettePictureBecomesBottomUpBgrWithPaddedRows) {
  const QString path = Save(PalettePicture(), "palette.png");
  ASSERT_EQ(QImage(path).format(), QImage::Format_Indexed8) << "the file keeps its palette";
  ASSERT_TRUE(LoadTextureImage(0, false, path));
  EXPECT_TRUE(Messages().empty());
  const CTextureSlot& slot = g_textureSlots[0];
  EXPECT_EQ(std::make_tuple(slot.width, slot.height, slot.noCopy, slot.uploadPending), std::make_tuple(5, 3, 0, true));
  ASSERT_EQ(slot.pixels.size(), 3u * 16) << "15 bytes of pixels padded to 16";
  const QRgb palette[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(10, 20, 30)};
  for (int row = 0; row < 3; ++row) {
    const int y = 2 - row;  // the first stored row is the bottom one
    for (int x = 0; x < 5; ++x) {
      const BYTE* p = slot.pixels.data() + row * 16 + x * 3;
      const QRgb c = palette[(x + y) % 4];
      EXPECT_EQ(std::make_tuple(p[0], p[1], p[2]), std::make_tuple(qBlue(c), qGreen(c), qRed(c))) << x << "," << y;
    }
    EXPECT_EQ(slot.pixels[row * 16 + 15], 0) << "padding is zero";
  }
}

TEST_F(TextureLoading, EveryPixelDepthEndsAsThreeBytes) {
  struct Case { const char* name; QImage::Format format; const char* fileFormat; };
  const Case cases[] = {
      {"mono.png", QImage::Format_Mono, "PNG"}, {"grey.png", QImage::Format_Grayscale8, "PNG"},
      {"rgb16.bmp", QImage::Format_RGB16, "BMP"}, {"rgb24.bmp", QImage::Format_RGB888, "BMP"},
      {"argb32.png", QImage::Format_ARGB32, "PNG"}, {"true.jpg", QImage::Format_RGB32, "JPEG"},
  };
  for (const Case& c : cases) {
    QImage picture(7, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 1, qRgb(0, 0, 0));  // bottom-left black
    const QString path = Save(picture.convertToFormat(c.format), c.name, c.fileFormat);
    ASSERT_TRUE(LoadTextureImage(1, true, path)) << c.name;
    const CTextureSlot& slot = g_textureSlots[1];
    ASSERT_EQ(slot.pixels.size(), 2u * 24) << c.name << ": 21 bytes padded to 24";
    EXPECT_LT(slot.pixels[0] + slot.pixels[1] + slot.pixels[2], 3 * 40) << c.name << ": bottom-left first";
    EXPECT_GT(slot.pixels[24 + 18], 200) << c.name << ": top-right white";
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(TextureLoading, FailuresShowTheirMessageAndLeaveTheSlot) {
  ASSERT_TRUE(LoadTextureImage(2, false, Save(PalettePicture(), "kept.png")));
  const std::vector<BYTE> kept = g_textureSlots[2].pixels;

  QImage deep(4, 4, QImage::Format_RGBA64);
  deep.fill(Qt::red);
  const QString deepPath = Save(deep, "deep.png");
  ASSERT_EQ(QImage(deepPath).depth(), 64) << "16 bits per channel survive in the file";

  // A PNG header announcing 100000 x 100000 pixels: refused before any
  // pixel memory is taken.
  const QByteArray huge = QByteArray::fromHex(
      "89504e470d0a1a0a"                                              // signature
      "0000000d49484452000186a0000186a00806000000a8520bc8"            // IHDR, valid CRC
      "0000000c49444154789c6360a03d00000064000186643c35"              // a little IDAT
      "0000000049454e44ae426082");                                    // IEND

  struct Case { const char* what; QString path; QString message; };
  const Case cases[] = {
      {"missing file", dir.filePath(QStringLiteral("none.jpg")),
       QString::asprintf(kLoadFailed, 1u, qPrintable(dir.filePath(QStringLiteral("none.jpg")) + QString::fromUtf8("：文件不存在。")))},
      {"not a picture", Write("just text", "text.jpg"), QString()},
      {"huge picture", Write(huge, "huge.png"), QString()},
      {"16 bits per channel", deepPath, QString::fromUtf8(kNeeds24Or32)},
  };
  for (const Case& c : cases) {
    seams.notifier->shown.clear();
    EXPECT_FALSE(LoadTextureImage(2, true, c.path)) << c.what;
    ASSERT_EQ(Messages().size(), 1u) << c.what;
    if (c.message.isEmpty())
      EXPECT_TRUE(Messages()[0].startsWith(QString::fromUtf8(kLoadFailed).left(7))) << c.what;
    else
      EXPECT_EQ(Messages()[0], c.message) << c.what;
    EXPECT_EQ(g_textureSlots[2].pixels, kept) << c.what;
    EXPECT_EQ(g_textureSlots[2].noCopy, 0) << c.what;
  }
  const QString good = Save(PalettePicture(), "good.png");
  EXPECT_FALSE(LoadTextureImage(15, true, good)) << "no such slot";
  EXPECT_FALSE(LoadTextureImage(-1, true, good)) << "no such slot";
}

// Loads a 16 MB palette picture with too little address space left for its
// 48 MB true-colour copy, and exits 0 when the user was asked for a
// true-colour picture.  Runs in a child process.
void LoadWithoutMemory(const QString& path, const RecordingNotifier& notifier) {
  QImage(path).isNull();  // the PNG reader is loaded and its memory given back
  long pages = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld", &pages) != 1) pages = 0;
    std::fclose(f);
  }
  const rlim_t limit = static_cast<rlim_t>(pages) * 4096 + 24 * 1024 * 1024;
  const rlimit rl{limit, limit};
  setrlimit(RLIMIT_AS, &rl);
  const bool loaded = LoadTextureImage(0, true, path);
  const bool asked = notifier.shown.size() == 1 && notifier.shown[0].text == QString::fromUtf8(kNeedsTrueColour);
  std::exit(!loaded && asked ? 0 : 1);
}

TEST_F(TextureLoading, ConversionWithoutMemoryAsksForTrueColour) {
  if (kAddressSanitizer) GTEST_SKIP() << "the sanitizer's shadow memory needs the address space this limits";
  // A fresh process, so no memory freed by earlier tests can serve the copy.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QImage big(4000, 4000, QImage::Format_Indexed8);
  big.setColorTable({qRgb(1, 2, 3)});
  big.fill(0);
  const QString path = Save(big, "big.png");
  EXPECT_EXIT(LoadWithoutMemory(path, *seams.notifier), ::testing::ExitedWithCode(0), "");
}

TEST_F(TextureLoading, ASecondPictureReplacesTheFirstOnesPixels) {
  ASSERT_TRUE(LoadTextureImage(0, false, Save(PalettePicture(), "first.png")));
  QImage second(2, 2, QImage::Format_RGB32);
  second.fill(qRgb(9, 8, 7));
  ASSERT_TRUE(LoadTextureImage(0, true, Save(second, "second.png")));
  const CTextureSlot& slot = g_textureSlots[0];
  EXPECT_EQ(std::make_tuple(slot.width, slot.noCopy), std::make_tuple(2, 1));
  EXPECT_EQ(slot.pixels, (std::vector<BYTE>{7, 8, 9, 7, 8, 9, 0, 0, 7, 8, 9, 7, 8, 9, 0, 0}));
}

class TextureUpload : public HeadlessGlTest {
 protected:
  QString Save(const QImage& picture, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(picture.save(path));
    return path;
  }
  // Level 0 of a texture, as B, G, R rows padded to 4.
  static std::vector<BYTE> TexturePixels(GLuint texture, int* width) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    *width = w;
    std::vector<BYTE> pixels(static_cast<size_t>(((w * 3 + 3) / 4) * 4 * h));
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    if (!pixels.empty()) glGetTexImage(GL_TEXTURE_2D, 0, GL_BGR, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
  }
  QTemporaryDir dir;
};

TEST_F(TextureUpload, PendingPicturesGoIntoTheSlotsTextures) {
  QImage picture(4, 2, QImage::Format_RGB32);
  picture.fill(qRgb(200, 100, 50));
  picture.setPixel(0, 1, qRgb(1, 2, 3));
  ASSERT_TRUE(LoadTextureImage(0, true, Save(picture, "a.png")));
  ASSERT_TRUE(LoadTextureImage(1, false, Save(picture, "b.png")));
  const std::vector<BYTE> expected = g_textureSlots[0].pixels;
  UploadPendingTextures();

  ASSERT_NE(g_nPictureTextures[0], 0u);
  for (int i = 1; i < kPictureTextureCount; ++i) EXPECT_NE(g_nPictureTextures[i], g_nPictureTextures[i - 1]);
  int width = 0;
  EXPECT_EQ(TexturePixels(g_nPictureTextures[0], &width), expected);
  EXPECT_EQ(width, 4);
  EXPECT_EQ(TexturePixels(g_nPictureTextures[1], &width), expected);
  EXPECT_TRUE(g_textureSlots[0].pixels.empty()) << "the program's own picture is not kept";
  EXPECT_EQ(g_textureSlots[1].pixels, expected) << "a document picture is kept for saving";
  EXPECT_FALSE(g_textureSlots[0].uploadPending);
  GLint magFilter = 0, minFilter = 0;
  glBindTexture(GL_TEXTURE_2D, g_nPictureTextures[1]);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
  EXPECT_EQ(magFilter, GL_LINEAR);
  EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);

  // A new context gets new names, and the kept picture goes up again.
  ReleasePictureTextures();
  EXPECT_EQ(g_nPictureTextures[1], 0u);
  UploadPendingTextures();
  EXPECT_EQ(TexturePixels(g_nPictureTextures[1], &width), expected);
}

TEST_F(TextureUpload, LoadTextureFromImageIsSilent) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  QImage picture(4, 4, QImage::Format_Indexed8);  // a power of two: GLU scales others
  picture.setColorTable({qRgb(0, 128, 255)});
  picture.fill(0);
  EXPECT_TRUE(LoadTextureFromImage(texture, Save(picture, "palette.png")));
  int width = 0;
  const std::vector<BYTE> pixels = TexturePixels(texture, &width);
  EXPECT_EQ(width, 4);
  ASSERT_GE(pixels.size(), 3u);
  EXPECT_EQ(std::vector<BYTE>(pixels.begin(), pixels.begin() + 3), (std::vector<BYTE>{255, 128, 0}));

  QImage deep(2, 2, QImage::Format_RGBA64);
  deep.fill(Qt::red);
  EXPECT_FALSE(LoadTextureFromImage(texture, Save(deep, "deep.png")));
  EXPECT_FALSE(LoadTextureFromImage(texture, dir.filePath(QStringLiteral("none.jpg"))));
  EXPECT_TRUE(seams.notifier->shown.empty());
}

}  // namespace
