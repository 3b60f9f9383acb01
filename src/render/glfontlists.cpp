#include "render/glfontlists.h"

#include <GL/gl.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/notifier.h"
#include "platform/processstate.h"
#include "render/gllistnames.h"
#include "render/glrelease.h"
#include "render/glresources.h"
#include "render/glyphraster.h"
#include "render/texttexts.h"
#include "render/viewglobals.h"

int g_nTextCharWidth;
int g_nTextLineHeight;

namespace {

enum Font { kLabelFont, kTextFont, kWindowFont, kFontCount };

// Characters to lists of one font, valid in the context they were made in:
// after the context changed, the names are forgotten, not reused.  Not a
// QHash, whose insert ends the program when memory runs out: a draw may
// meet a new character then, and the event guard tells the user instead.
struct ListCache {
  std::unordered_map<char16_t, GLushort> lists;
  unsigned generation = 0;
};

// A list named while another list was being compiled: it cannot be
// compiled then, so it is compiled at the next chance.
struct PendingGlyph {
  GLuint list;
  QFont font;
  char16_t character;
};

// The width of a text line is measured on this sample: four Chinese
// characters and fourteen Latin letters.
constexpr const char16_t* kMetricsSample = u"中文字体ABCDEFGabcdefg";
constexpr int kMetricsSampleLength = 18;

struct State {
  ListCache caches[kFontCount];
  std::optional<QFont> windowFont;
  std::vector<PendingGlyph> pending;
  TextExtentFunction extent = nullptr;
};

State& S() {
  static State state;
  return state;
}

void SetStartValues() {
  S() = State();
  g_nTextCharWidth = 8;
  g_nTextLineHeight = 22;
}

const bool started = (SetStartValues(), true);
const ProcessStateReset reset(SetStartValues);

ListCache& Cache(Font font) {
  ListCache& cache = S().caches[font];
  if (cache.generation != GlGeneration()) {
    cache.lists.clear();
    cache.generation = GlGeneration();
  }
  return cache;
}

bool CompilingList() {
  GLint index = 0;
  glGetIntegerv(GL_LIST_INDEX, &index);
  return index != 0;
}

void CompileCharacter(GLuint list, const QFont& font, char16_t character) {
  CompileGlyphBitmap(list, RasteriseCharacter(font, character));
}

void CompilePending() {
  if (S().pending.empty() || CompilingList()) return;
  std::vector<PendingGlyph> pending;
  pending.swap(S().pending);
  for (const PendingGlyph& glyph : pending)
    if (glIsList(glyph.list)) CompileCharacter(glyph.list, glyph.font, glyph.character);
}

// The list of a character in the view's fixed block of the font, or 0.
GLuint FixedList(Font font, char16_t character) {
  const GLuint base = font == kLabelFont ? g_nLabelListBase : font == kTextFont ? g_nTextListBase : 0;
  if (base == 0 || character < 32 || character >= 32 + kAsciiListCount) return 0;
  const GLuint list = base + (character - 32);
  return list <= 0xFFFF ? list : 0;
}

QFont WindowFont() { return S().windowFont ? *S().windowFont : QGuiApplication::font(); }

// The fonts of the two cached maps: bold at the cell height of the
// preferences.  A character met for the first time and the same character
// compiled again after the fonts change must come out alike.
QFont LabelFont() { return MakeGlyphFont({g_prefs.strLabelFont, g_prefs.nLabelFontHeight, true, false}); }
QFont TextFont() { return MakeGlyphFont({g_prefs.strTextFont, g_prefs.nTextFontHeight, true, false}); }

// The font a character met for the first time is drawn in.
QFont MissFont(Font font) {
  switch (font) {
    case kLabelFont:
      return LabelFont();
    case kTextFont:
      return TextFont();
    default:
      return WindowFont();
  }
}

QString ListsOf(Font which, const QString& text) {
  QString names;
  if (text.isEmpty()) return names;
  CompilePending();
  names.reserve(text.size());
  ListCache& cache = Cache(which);
  std::optional<QFont> font;  // made at the first miss only
  std::optional<bool> compiling;
  for (const QChar c : text) {
    const char16_t character = c.unicode();
    GLuint list = FixedList(which, character);
    if (list == 0) {
      const auto found = cache.lists.find(character);
      if (found != cache.lists.end()) list = found->second;
    }
    if (list == 0) {
      list = GenerateWordLists(1);
      if (list == 0) {
        KvMessageBox(QString::fromUtf16(kTextTooManyCharacters));
        break;
      }
      if (!font) font = MissFont(which);
      if (!compiling) compiling = CompilingList();
      if (*compiling)
        S().pending.push_back({list, *font, character});
      else
        CompileCharacter(list, *font, character);
      cache.lists.emplace(character, static_cast<GLushort>(list));
    }
    names += QChar(static_cast<char16_t>(list));
  }
  return names;
}

void CompileBlock(GLuint base, const QFont& font, char16_t first, char16_t last) {
  for (char16_t c = first; c <= last; ++c) CompileCharacter(base + (c - 32), font, c);
}

void CompileCached(const ListCache& cache, const QFont& font) {
  for (const auto& [character, list] : cache.lists) CompileCharacter(list, font, character);
}

}  // namespace

QString DrawGlText(const QString& text) { return ListsOf(kLabelFont, text); }
QString DrawGlTextDC(const QString& text) { return ListsOf(kTextFont, text); }
QString DrawGlTextWnd(const QString& text) { return ListsOf(kWindowFont, text); }

void CallTextLists(const QString& lists) {
  if (lists.isEmpty()) return;
  glCallLists(static_cast<GLsizei>(lists.size()), GL_UNSIGNED_SHORT, lists.utf16());
}

void BuildFontLists() {
  CompilePending();
  const QString& face = g_prefs.strLabelFont;
  const int height = g_prefs.nLabelFontHeight;
  const QFont bold = LabelFont();
  if (const GLuint base = g_nLabelListBase) {
    CompileBlock(base, bold, 32, 127);
    // Letters in labels are italic, digits smaller: names like A1.
    const QFont italic = MakeGlyphFont({face, height, true, true});
    CompileBlock(base, italic, u'A', u'Z');
    CompileBlock(base, italic, u'a', u'z');
    CompileBlock(base, MakeGlyphFont({face, height * 3 / 4, true, false}), u'0', u'9');
  }
  CompileCached(Cache(kLabelFont), bold);
}

void BuildTextFontLists() {
  CompilePending();
  const QFont font = TextFont();
  if (const GLuint base = g_nTextListBase) CompileBlock(base, font, 32, 127);
  CompileCached(Cache(kTextFont), font);
  const QFontMetrics metrics(font);
  g_nTextCharWidth = metrics.horizontalAdvance(QString::fromUtf16(kMetricsSample)) / kMetricsSampleLength;
  g_nTextLineHeight = metrics.height() + 3;
}

void ReleaseFontLists() {
  for (int font = 0; font < kFontCount; ++font) {
    ListCache& cache = Cache(static_cast<Font>(font));
    for (const auto& [character, list] : cache.lists) GlListNames().Delete(list, 1);
    cache.lists.clear();
  }
  S().pending.clear();
}

void SetWindowTextFont(const QFont& font) { S().windowFont = font; }

QSize WindowTextExtent(const QString& text) {
  if (S().extent) return S().extent(text);
  const QFontMetrics metrics(WindowFont());
  return {metrics.horizontalAdvance(text), metrics.height()};
}

TextExtentFunction SetWindowTextExtent(TextExtentFunction extent) {
  const TextExtentFunction previous = S().extent;
  S().extent = extent;
  return previous;
}
