#include "render/fontsubstitutions.h"

#include <QFont>

namespace {

// Fixed faces from the install script's packages (fonts-wqy-microhei,
// fonts-dejavu-core), so text measures the same on every machine.
const QString kChinese = QStringLiteral("WenQuanYi Micro Hei");
const QString kSerif = QStringLiteral("DejaVu Serif");
const QString kSans = QStringLiteral("DejaVu Sans");

// Chinese faces offered to the user and stored in documents.
const char16_t* const kChineseFaces[] = {
    u"宋体",
    u"楷体",
    u"微软雅黑",
    u"隶书",
    u"黑体",
};

}  // namespace

const std::vector<FontSubstitution>& FontSubstitutions() {
  static const std::vector<FontSubstitution> table = [] {
    // The serif and sans faces lack Chinese glyphs; Chinese text in a Latin
    // face (a caption in "Times New Roman") falls back to the Chinese face.
    std::vector<FontSubstitution> list{
        {QStringLiteral("Times New Roman"), {kSerif, kChinese}},
        {QStringLiteral("Arial"), {kSans, kChinese}},
    };
    for (const char16_t* face : kChineseFaces)
      list.push_back({QString::fromUtf16(face), {kChinese}});
    return list;
  }();
  return table;
}

bool IsChineseFace(const QString& face) {
  for (const char16_t* chinese : kChineseFaces)
    if (face == QString::fromUtf16(chinese)) return true;
  return false;
}

void InstallFontSubstitutions() {
  for (const FontSubstitution& s : FontSubstitutions()) QFont::insertSubstitutions(s.face, s.replacements);
}

void EnsureFontSubstitutions() {
  static bool installed = false;
  if (installed) return;
  InstallFontSubstitutions();
  installed = true;
}
