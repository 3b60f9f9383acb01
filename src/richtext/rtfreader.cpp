#include "richtext/rtfreader.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <vector>

#include "platform/gbk.h"
#include "richtext/rtfformat.h"
#include "richtext/paraformat.h"
#include "richtext/rtfnumbering.h"

namespace {

enum class Dest { Text, FontTable, ColorTable, Numbering, NumberText, Skip };

struct CharState {
  bool bold = false, italic = false, underline = false;
  int vertical = 0;  // 0 normal, 1 superscript, 2 subscript
  int font = 0, halfPoints = 24, color = 0;
  bool operator==(const CharState&) const = default;
};

struct ParaState {
  Qt::Alignment align = Qt::AlignLeft;
  int left = 0, right = 0, first = 0, before = 0, after = 0, spacing = 0, multiple = 0;
  RtfNumbering numbering;
};

struct GroupState {
  CharState chars;
  ParaState para;
  Dest dest = Dest::Text;
  int uc = 1;
  qsizetype keptFrom = -1;  // offset of the '{' of a group kept byte for byte
  QByteArray keptKind;
};

struct FontEntry {
  QString name;
  int charset = 1;
};

// \uN carries a signed 16-bit value.
QChar UnitOf(long v) { return QChar(static_cast<char16_t>(v & 0xFFFF)); }

// The words that stand for one character, in a text or a font name alike.
QChar SymbolOf(const QByteArray& w) {
  static const struct {
    const char* word;
    char16_t unit;
  } kSymbols[] = {{"tab", u'\t'},          {"line", QChar::LineSeparator}, {"lquote", 0x2018},
                  {"rquote", 0x2019},      {"ldblquote", 0x201C},          {"rdblquote", 0x201D},
                  {"bullet", 0x2022},      {"endash", 0x2013},             {"emdash", 0x2014}};
  for (const auto& s : kSymbols)
    if (w == s.word) return QChar(s.unit);
  return QChar();
}

int ClampTwips(long v) { return static_cast<int>(std::clamp<long>(v, -rtf::kMaxTwips, rtf::kMaxTwips)); }

class Reader {
 public:
  Reader(const QByteArray& in, QTextDocument& doc) : in_(in), doc_(doc), cursor_(&doc) {}

  RtfReadResult Run() {
    doc_.clear();
    cursor_ = QTextCursor(&doc_);
    // One edit block without undo: the layout follows once, at the end.
    const bool undo = doc_.isUndoRedoEnabled();
    doc_.setUndoRedoEnabled(false);
    cursor_.beginEditBlock();
    int skipped = 0;  // groups opened past the depth limit
    while (pos_ < in_.size()) {
      const char c = in_[pos_++];
      if (c == '{') {
        EndBytes();
        KeepIgnorableGroup();
        if (stack_.size() >= rtf::kMaxGroupDepth) { ++skipped; result_.complete = false; continue; }
        stack_.push_back(state_);
        groupOpen_ = pos_ - 1;
        groupStart_ = true;
        skipChars_ = 0;
      } else if (c == '}') {
        EndBytes();
        KeepIgnorableGroup();
        groupStart_ = false;  // a word after a closed inner group starts nothing
        if (skipped > 0) { --skipped; continue; }
        if (stack_.empty()) { result_.complete = false; continue; }
        if (state_.dest == Dest::FontTable) FinishFontName();
        const GroupState inner = state_;
        state_ = stack_.back();
        stack_.pop_back();
        if (inner.dest == Dest::Numbering && state_.dest != Dest::Numbering) EndNumbering();
        if (inner.keptFrom >= 0 && state_.keptFrom < 0)
          InsertKeptGroup(in_.mid(inner.keptFrom, pos_ - inner.keptFrom), inner.keptKind);
        skipChars_ = 0;
      } else if (c == '\\') {
        ControlWord();
      } else if (c == '\r' || c == '\n') {
        continue;
      } else {
        KeepIgnorableGroup();
        groupStart_ = false;
        if (skipChars_ > 0) { --skipChars_; continue; }
        Byte(c);
      }
    }
    EndBytes();
    if (!stack_.empty() || skipped > 0) result_.complete = false;
    if (state_.dest == Dest::FontTable) FinishFontName();
    Flush();
    if (!paragraphBreak_) FinishParagraph();  // a closing \par already set it
    cursor_.endEditBlock();
    doc_.setUndoRedoEnabled(undo);
    return result_;
  }

 private:
  // Text bytes wait until a control word so that a GBK pair split over
  // nothing is decoded whole; characters wait until the format changes.
  void Byte(char c) {
    if (state_.dest == Dest::Skip) return;
    if (state_.dest == Dest::ColorTable) {
      if (c == ';') EndColor();
      return;
    }
    if (state_.dest == Dest::FontTable && c == ';') { FinishFontName(); return; }
    bytes_.append(c);
  }

  void EndBytes() {
    if (bytes_.isEmpty()) return;
    const bool ascii = std::all_of(bytes_.cbegin(), bytes_.cend(), [](char b) { return (b & 0x80) == 0; });
    const QString text = !ascii && CodePage() == 936 ? DecodeGbk(bytes_.constData(), bytes_.size())
                                                     : QString::fromLatin1(bytes_);
    bytes_.clear();
    Append(text);
  }

  int CodePage() const {
    int charset = 1;
    if (state_.dest == Dest::FontTable) charset = fontCharset_;
    else if (state_.dest == Dest::NumberText && fonts_.count(numberFont_)) charset = fonts_.at(numberFont_).charset;
    else if (auto it = fonts_.find(state_.chars.font); it != fonts_.end()) charset = it->second.charset;
    if (charset == 134) return 936;
    if (charset == 0) return 1252;
    return ansiCodePage_;
  }

  void Append(const QString& text) {
    if (state_.dest == Dest::FontTable) { fontName_ += text; return; }
    if (state_.dest == Dest::NumberText) { (numberTextAfter_ ? numbering_.after : numbering_.before) += text; return; }
    if (state_.dest != Dest::Text) return;
    BreakPendingParagraph();
    if (!pending_.isEmpty() && !(pendingChars_ == state_.chars)) Flush();
    if (pending_.isEmpty()) pendingChars_ = state_.chars;
    pending_ += text;
  }

  void BreakPendingParagraph() {
    if (!paragraphBreak_) return;
    Flush();
    cursor_.insertBlock();
    paragraphBreak_ = false;
  }

  // "{\*" followed by anything but a control word: a group that readers
  // may ignore, kept whole from its own '{'.
  void KeepIgnorableGroup() {
    if (!ignorable_) return;
    ignorable_ = false;
    if (!groupStart_) return;
    const bool inText = state_.dest == Dest::Text;
    state_.dest = Dest::Skip;
    if (!inText || state_.keptFrom >= 0) return;
    state_.keptFrom = groupOpen_;
    state_.keptKind = "*";
  }

  // A picture, object or unknown {\* } group stands in the text as one object
  // character that carries the group's bytes, so that writing puts it back.
  void InsertKeptGroup(const QByteArray& group, const QByteArray& kind) {
    if (state_.dest != Dest::Text) return;
    BreakPendingParagraph();
    Flush();
    QTextCharFormat f = CharFormat(state_.chars);
    f.setProperty(rtf::kKeptGroup, group);
    f.setProperty(rtf::kKeptKind, QString::fromLatin1(kind));
    f.setObjectType(rtf::kKeptObjectType);
    cursor_.insertText(QString(QChar::ObjectReplacementCharacter), f);
  }

  void Flush() {
    if (pending_.isEmpty()) return;
    cursor_.insertText(pending_, CachedCharFormat(pendingChars_));
    pending_.clear();
  }

  // A text uses few formats; building each once keeps long texts fast.
  const QTextCharFormat& CachedCharFormat(const CharState& s) {
    for (const auto& [state, format] : formats_)
      if (state == s) return format;
    if (formats_.size() >= 64) formats_.clear();
    formats_.emplace_back(s, CharFormat(s));
    return formats_.back().second;
  }

  QTextCharFormat CharFormat(const CharState& s) const {
    QTextCharFormat f;
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setVerticalAlignment(s.vertical == 1   ? QTextCharFormat::AlignSuperScript
                           : s.vertical == 2 ? QTextCharFormat::AlignSubScript
                                             : QTextCharFormat::AlignNormal);
    // A font without a name keeps the document's: the writer could not name it.
    if (auto it = fonts_.find(s.font); it != fonts_.end() && !it->second.name.isEmpty())
      f.setFontFamilies(QStringList{it->second.name});
    f.setFontPointSize(s.halfPoints / 2.0);
    if (s.color > 0 && s.color < static_cast<int>(colors_.size())) f.setForeground(colors_[s.color]);
    return f;
  }

  void FinishParagraph() {
    const ParaState& p = state_.para;
    QTextBlockFormat f;
    f.setAlignment(p.align);
    SetBlockTwips(f, p.left, p.right, p.first, p.before, p.after, p.spacing, p.multiple != 0);
    // A new block starts with the format of the one before: often already right.
    if (!blockFormatKnown_ || !(f == blockFormat_)) cursor_.setBlockFormat(f);
    blockFormat_ = f;
    blockFormatKnown_ = true;
    if (p.numbering.style == QTextListFormat::ListStyleUndefined) return;
    blockFormatKnown_ = false;  // the list changed the block's format
    const QTextListFormat list = ListFormatOf(p.numbering);
    const QTextBlock previous = cursor_.block().previous();
    if (previous.isValid() && previous.textList() && previous.textList()->format() == list)
      previous.textList()->add(cursor_.block());
    else
      cursor_.createList(list);
  }

  void EndNumbering() {
    if (numbering_.style == QTextListFormat::ListStyleUndefined) numbering_.style = QTextListFormat::ListDecimal;
    state_.para.numbering = numbering_;
  }

  void FinishFontName() {
    EndBytes();
    if (fontNumber_ >= 0 && (fonts_.size() < rtf::kMaxTableEntries || fonts_.count(fontNumber_))) {
      QString name = fontName_.trimmed();
      fonts_[fontNumber_] = FontEntry{name, fontCharset_};
    }
    fontName_.clear();
    fontNumber_ = -1;
    fontCharset_ = 1;
  }

  void EndColor() {
    if (colors_.size() < rtf::kMaxTableEntries) colors_.push_back(QColor(red_, green_, blue_));
    red_ = green_ = blue_ = 0;
  }

  void Character(QChar ch) {
    if (skipChars_ > 0) { --skipChars_; return; }
    Append(QString(ch));
  }

  void ControlWord() {
    if (pos_ >= in_.size()) { result_.complete = false; return; }
    const char first = in_[pos_];
    const bool atGroupStart = groupStart_;
    groupStart_ = false;
    if (!std::isalpha(static_cast<unsigned char>(first))) {
      ++pos_;
      if (first == '*') {
        EndBytes();
        ignorable_ = true;
        groupStart_ = atGroupStart;
        return;
      }
      groupStart_ = atGroupStart;
      KeepIgnorableGroup();
      groupStart_ = false;
      if (first == '\'') { HexByte(); return; }
      EndBytes();
      if (first == '\\' || first == '{' || first == '}') Character(QChar(first));
      else if (first == '~') Character(QChar(0x00A0));
      else if (first == '_') Character(QChar(0x2011));
      else if (first == '\r' || first == '\n') Paragraph();
      return;
    }
    EndBytes();
    const qsizetype start = pos_;
    while (pos_ < in_.size() && pos_ - start < 32 && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;
    const QByteArray word = in_.mid(start, pos_ - start);
    while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;  // overlong word
    bool hasParam = false;
    long param = 0;
    bool negative = false;
    if (pos_ < in_.size() && in_[pos_] == '-') { negative = true; ++pos_; }
    int digits = 0;
    while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
      if (digits++ < 10) param = param * 10 + (in_[pos_] - '0');
      ++pos_;
      hasParam = true;
    }
    if (negative) param = -param;
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    const bool ignorable = ignorable_;
    ignorable_ = false;
    Apply(word, hasParam, param, atGroupStart, ignorable);
  }

  void HexByte() {
    int value = 0;
    for (int i = 0; i < 2; ++i) {
      if (pos_ >= in_.size()) { result_.complete = false; return; }
      const char h = in_[pos_];
      const int d = std::isdigit(static_cast<unsigned char>(h)) ? h - '0'
                    : (h >= 'a' && h <= 'f')                  ? h - 'a' + 10
                    : (h >= 'A' && h <= 'F')                  ? h - 'A' + 10
                                                              : -1;
      if (d < 0) { result_.complete = false; return; }
      value = value * 16 + d;
      ++pos_;
    }
    if (state_.dest == Dest::Text || state_.dest == Dest::FontTable || state_.dest == Dest::NumberText) {
      if (skipChars_ > 0) { --skipChars_; return; }
      bytes_.append(static_cast<char>(value));
    }
  }

  void Paragraph() {
    if (state_.dest != Dest::Text) return;
    Flush();
    if (paragraphBreak_) cursor_.insertBlock();
    FinishParagraph();
    paragraphBreak_ = true;
  }

  void Apply(const QByteArray& w, bool hasParam, long p, bool atGroupStart, bool ignorable) {
    CharState& c = state_.chars;
    ParaState& para = state_.para;
    const bool on = !hasParam || p != 0;
    if (skipChars_ > 0 && w != "u") { --skipChars_; return; }  // a \uN fallback given as a control word
    if (w == "bin") { Binary(hasParam ? p : 0); return; }  // raw bytes, whatever the destination
    // A table inside a skipped or kept group is not the text's: its bytes
    // would be read again, in the writer's code page, from the kept group.
    if (w == "fonttbl" || w == "colortbl") {
      if (state_.dest != Dest::Skip) state_.dest = w == "fonttbl" ? Dest::FontTable : Dest::ColorTable;
      return;
    }
    if (state_.dest == Dest::FontTable) {
      if (w == "f") fontNumber_ = static_cast<int>(p);
      else if (w == "fcharset") fontCharset_ = static_cast<int>(p);
      else if (w == "u" && hasParam) { fontName_ += UnitOf(p); skipChars_ = state_.uc; }
      else if (const QChar symbol = SymbolOf(w); !symbol.isNull()) Character(symbol);  // a name may hold a tab
      else if (atGroupStart && (ignorable || w == "panose" || w == "falt")) state_.dest = Dest::Skip;
      return;
    }
    if (state_.dest == Dest::ColorTable) {
      const int v = static_cast<int>(std::clamp<long>(p, 0, 255));
      if (w == "red") red_ = v;
      else if (w == "green") green_ = v;
      else if (w == "blue") blue_ = v;
      return;
    }
    if (state_.dest == Dest::Numbering) {
      if (atGroupStart && (w == "pntxta" || w == "pntxtb")) {
        state_.dest = Dest::NumberText;
        numberTextAfter_ = w == "pntxta";
      } else if (w == "pnf") {
        numberFont_ = static_cast<int>(p);  // the face of the number text
      } else {
        ApplyNumberingWord(numbering_, w, p);
      }
      return;
    }
    if (state_.dest == Dest::Skip) return;
    if (state_.dest == Dest::NumberText) {
      if (w == "u" && hasParam) { Character(UnitOf(p)); skipChars_ = state_.uc; }
      else if (const QChar symbol = SymbolOf(w); !symbol.isNull()) Character(symbol);
      return;
    }
    if (atGroupStart && w == "pn") {
      state_.dest = Dest::Numbering;
      numbering_ = RtfNumbering{};
      numberFont_ = state_.chars.font;
      return;
    }
    if (atGroupStart && (ignorable || IsSkippedDestination(w))) {
      state_.dest = Dest::Skip;
      if (w == "pict" || w == "object" || (ignorable && !IsSkippedDestination(w))) {
        state_.keptFrom = groupOpen_;
        state_.keptKind = w;
      } else if (w != "pntext" && w != "stylesheet" && w != "info" && w != "generator") {
        result_.droppedContent = true;
      }
      return;
    }
    if (w == "rtf" || w == "ansi") return;
    if (w == "ansicpg") { ansiCodePage_ = static_cast<int>(p); return; }
    if (w == "deff") { c.font = static_cast<int>(p); defaultFont_ = c.font; return; }
    if (w == "uc") { state_.uc = static_cast<int>(std::clamp<long>(p, 0, 8)); return; }
    if (w == "u") {
      if (!hasParam) return;
      skipChars_ = 0;
      Character(UnitOf(p));
      skipChars_ = state_.uc;
      return;
    }
    if (w == "par") { Paragraph(); return; }
    if (const QChar symbol = SymbolOf(w); !symbol.isNull()) { Character(symbol); return; }
    if (w == "plain") { c = CharState{}; c.font = defaultFont_; return; }
    if (w == "b") { c.bold = on; return; }
    if (w == "i") { c.italic = on; return; }
    if (w == "ul") { c.underline = on; return; }
    if (w == "ulnone") { c.underline = false; return; }
    if (w == "super") { c.vertical = 1; return; }
    if (w == "sub") { c.vertical = 2; return; }
    if (w == "nosupersub") { c.vertical = 0; return; }
    if (w == "f") { c.font = static_cast<int>(p); return; }
    if (w == "fs") { c.halfPoints = static_cast<int>(std::clamp<long>(p, rtf::kMinHalfPoints, rtf::kMaxHalfPoints)); return; }
    if (w == "cf") { c.color = static_cast<int>(std::clamp<long>(p, 0, rtf::kMaxTableEntries)); return; }
    if (w == "pard") { para = ParaState{}; return; }
    if (w == "ql") { para.align = Qt::AlignLeft; return; }
    if (w == "qr") { para.align = Qt::AlignRight; return; }
    if (w == "qc") { para.align = Qt::AlignHCenter; return; }
    if (w == "qj") { para.align = Qt::AlignJustify; return; }
    if (w == "li") { para.left = ClampTwips(p); return; }
    if (w == "ri") { para.right = ClampTwips(p); return; }
    if (w == "fi") { para.first = ClampTwips(p); return; }
    if (w == "sb") { para.before = ClampTwips(p); return; }
    if (w == "sa") { para.after = ClampTwips(p); return; }
    if (w == "sl") { para.spacing = ClampTwips(p); return; }
    if (w == "slmult") { para.multiple = on ? 1 : 0; return; }
    // Any other formatting word is dropped.
  }

  static bool IsSkippedDestination(const QByteArray& w) {
    static const char* const kNames[] = {"stylesheet", "info", "pict", "object", "pntext", "header",
                                         "footer", "footnote", "field", "fldinst", "listtable",
                                         "listoverridetable", "generator", "nonshppict", "shp"};
    for (const char* n : kNames)
      if (w == n) return true;
    return false;
  }

  void Binary(long count) {
    if (count < 0 || count > in_.size() - pos_) {
      result_.complete = false;
      pos_ = in_.size();
      return;
    }
    pos_ += count;  // binary data only occurs inside pictures and objects, which are skipped
  }

  const QByteArray& in_;
  QTextDocument& doc_;
  QTextCursor cursor_;
  qsizetype pos_ = 0;
  RtfReadResult result_;
  GroupState state_;
  std::vector<GroupState> stack_;
  qsizetype groupOpen_ = 0;
  bool groupStart_ = false, ignorable_ = false, paragraphBreak_ = false;
  int skipChars_ = 0;
  RtfNumbering numbering_;
  bool numberTextAfter_ = false;
  int numberFont_ = 0;
  std::vector<std::pair<CharState, QTextCharFormat>> formats_;
  QTextBlockFormat blockFormat_;
  bool blockFormatKnown_ = false;
  QByteArray bytes_;
  QString pending_;
  CharState pendingChars_;
  int ansiCodePage_ = 1252, defaultFont_ = 0;
  std::map<int, FontEntry> fonts_;
  QString fontName_;
  int fontNumber_ = -1, fontCharset_ = 1;
  std::vector<QColor> colors_;
  int red_ = 0, green_ = 0, blue_ = 0;
};

}  // namespace

RtfReadResult ReadRtf(const QByteArray& rtf, QTextDocument& doc) { return Reader(rtf, doc).Run(); }
