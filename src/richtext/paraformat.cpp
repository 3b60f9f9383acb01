#include "richtext/paraformat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <algorithm>
#include <cmath>

#include "richtext/rtfformat.h"
#include "richtext/rtfnumbering.h"

namespace {
constexpr double kTwipsPerCm = 1440 / 2.54;
constexpr double kMaxIndentCm = 55;
constexpr double kMaxTabCm = 30;
constexpr int kLineTwips = 240;  // \sl of one line with \slmult1

constexpr QTextListFormat::Style kListStyles[] = {
    QTextListFormat::ListStyleUndefined, QTextListFormat::ListDisc,       QTextListFormat::ListDecimal,
    QTextListFormat::ListLowerAlpha,     QTextListFormat::ListUpperAlpha, QTextListFormat::ListLowerRoman,
    QTextListFormat::ListUpperRoman};
// Text before and after the number, by style index.
constexpr const char* kStyleTexts[][2] = {{"", ")"}, {"(", ")"}, {"", "."}, {"", ""}};

int Twips(double cm) { return static_cast<int>(std::lround(cm * kTwipsPerCm)); }
double Cm(int twips) { return std::clamp(twips / kTwipsPerCm, -kMaxIndentCm, kMaxIndentCm); }
}  // namespace

void SetBlockTwips(QTextBlockFormat& f, int left, int right, int first, int before, int after, int spacing,
                   bool multiple) {
  f.setLeftMargin(left / rtf::kTwipsPerPixel);
  f.setTextIndent(first / rtf::kTwipsPerPixel);
  f.setRightMargin(right / rtf::kTwipsPerPixel);
  f.setTopMargin(before / rtf::kTwipsPerPixel);
  f.setBottomMargin(after / rtf::kTwipsPerPixel);
  if (spacing > 0 && multiple) f.setLineHeight(spacing * 100.0 / kLineTwips, QTextBlockFormat::ProportionalHeight);
  else if (spacing > 0) f.setLineHeight(spacing / rtf::kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
  else if (spacing < 0) f.setLineHeight(-spacing / rtf::kTwipsPerPixel, QTextBlockFormat::FixedHeight);
  else f.clearProperty(QTextFormat::LineHeight), f.clearProperty(QTextFormat::LineHeightType);
  f.setProperty(rtf::kLeftIndent, left);
  f.setProperty(rtf::kRightIndent, right);
  f.setProperty(rtf::kFirstIndent, first);
  f.setProperty(rtf::kSpaceBefore, before);
  f.setProperty(rtf::kSpaceAfter, after);
  f.setProperty(rtf::kLineSpacing, spacing);
  f.setProperty(rtf::kLineMultiple, multiple ? 1 : 0);
}

ParaFormat ParaFormatOf(const QTextBlock& block) {
  const QTextBlockFormat f = block.blockFormat();
  ParaFormat pf;
  const Qt::Alignment align = f.alignment() & Qt::AlignHorizontal_Mask;
  pf.alignment = align & Qt::AlignRight ? 2 : align & Qt::AlignHCenter ? 3 : 1;
  const int left = f.intProperty(rtf::kLeftIndent), first = f.intProperty(rtf::kFirstIndent);
  pf.start = left + first;
  pf.offset = -first;
  pf.right = f.intProperty(rtf::kRightIndent);
  pf.before = f.intProperty(rtf::kSpaceBefore);
  pf.after = f.intProperty(rtf::kSpaceAfter);
  const int sl = f.intProperty(rtf::kLineSpacing);
  if (sl == 0) pf.rule = 0, pf.spacing = 0;
  else if (f.intProperty(rtf::kLineMultiple)) pf.rule = 5, pf.spacing = std::abs(sl) / 12;
  else if (sl > 0) pf.rule = 3, pf.spacing = sl;
  else pf.rule = 4, pf.spacing = -sl;
  if (const QTextList* list = block.textList()) {
    const RtfNumbering n = NumberingOf(list->format());
    const auto style = std::find(std::begin(kListStyles), std::end(kListStyles), n.style);
    pf.numbering = style == std::end(kListStyles) ? 1 : static_cast<int>(style - std::begin(kListStyles));
    pf.numberingStart = n.start;
    pf.numberingStyle = n.before == QStringLiteral("(") ? 0x100 : n.after == QStringLiteral(")") ? 0
                        : n.after.isEmpty()                 ? 0x300 : 0x200;
  }
  return pf;
}

void ApplyParaFormat(QTextCursor& cursor, const ParaFormat& pf) {
  QTextBlockFormat f = cursor.blockFormat();
  f.setAlignment(pf.alignment == 2 ? Qt::AlignRight : pf.alignment == 3 ? Qt::AlignHCenter : Qt::AlignLeft);
  const bool multiple = pf.rule == 1 || pf.rule == 2 || pf.rule == 5;
  const int sl = pf.rule == 1 ? 360 : pf.rule == 2 ? 480 : pf.rule == 5 ? pf.spacing * 12
               : pf.rule == 3 ? pf.spacing : pf.rule == 4 ? -pf.spacing : 0;
  SetBlockTwips(f, pf.start + pf.offset, pf.right, -pf.offset, pf.before, pf.after, sl, multiple);
  cursor.mergeBlockFormat(f);
  if (pf.numbering <= 0 || pf.numbering >= static_cast<int>(std::size(kListStyles))) {
    for (QTextBlock b = cursor.document()->findBlock(cursor.selectionStart()); b.isValid(); b = b.next()) {
      if (QTextList* list = b.textList()) list->remove(b);
      if (b.contains(cursor.selectionEnd())) break;
    }
    return;
  }
  RtfNumbering n;
  n.style = kListStyles[pf.numbering];
  n.start = pf.numberingStart;
  const int styleIndex = std::clamp(pf.numberingStyle >> 8, 0, 3);
  n.before = QString::fromLatin1(kStyleTexts[styleIndex][0]);
  n.after = QString::fromLatin1(kStyleTexts[styleIndex][1]);
  cursor.createList(ListFormatOf(n));
}

ParaDialogValues ShowParaFormat(const ParaFormat& pf) {
  ParaDialogValues v;
  v.alignment = std::clamp(pf.alignment, 1, 3) - 1;
  v.firstCm = Cm(-pf.offset);
  v.leftCm = Cm(pf.start + pf.offset);
  v.rightCm = Cm(pf.right);
  v.beforePt = (pf.before + 10) / 20;
  v.afterPt = (pf.after + 10) / 20;
  v.spacingEntry = std::clamp(pf.rule, 0, 5);
  if (pf.rule == 5 && (pf.spacing == 20 || pf.spacing == 30 || pf.spacing == 40)) v.spacingEntry = pf.spacing / 10 - 2;
  v.spacingValue = v.spacingEntry >= 3 ? std::clamp(pf.spacing / 20.0, 0.0, 132.0) : 0;
  v.numberingKind = std::clamp(pf.numbering, 0, 6);
  if (pf.numbering > 0) {
    v.styleIndex = std::clamp(pf.numberingStyle >> 8, 0, 3);
    v.start = pf.numberingStart;
    v.tabCm = std::round(pf.numberingTab * 254.0 / 1440) / 100;
  }
  return v;
}

ParaFormat TakeParaDialog(const ParaDialogValues& v, ParaFormat pf) {
  pf.alignment = std::clamp(v.alignment, 0, 2) + 1;
  const double first = std::clamp(v.firstCm, -kMaxIndentCm, kMaxIndentCm);
  const double left = std::clamp(v.leftCm, -kMaxIndentCm, kMaxIndentCm);
  pf.start = Twips(left + first);
  pf.offset = Twips(-first);
  pf.right = Twips(std::clamp(v.rightCm, -kMaxIndentCm, kMaxIndentCm));
  pf.before = v.beforePt * 20;
  pf.after = v.afterPt * 20;
  if (v.spacingEntry == 1 || v.spacingEntry == 2) pf.rule = 5, pf.spacing = v.spacingEntry == 1 ? 30 : 40;
  else if (v.spacingEntry <= 0) pf.rule = 0, pf.spacing = 0;
  else pf.rule = std::min(v.spacingEntry, 5), pf.spacing = static_cast<int>(std::lround(std::clamp(v.spacingValue, 0.0, 132.0) * 20));
  if (v.numberingKind == kOtherNumbering) return pf;
  pf.numbering = std::clamp(v.numberingKind, 0, 6);
  if (pf.numbering == 0) return pf;
  pf.numberingStart = v.start;
  pf.numberingStyle = std::clamp(v.styleIndex, 0, 3) << 8;
  pf.numberingTab = v.tabCm < 0 || v.tabCm > kMaxTabCm ? 0 : Twips(v.tabCm);
  if (pf.offset == 0) pf.offset = pf.numberingStyle == 0x100 ? 1134 : 850;
  return pf;
}

double ProposedSpacing(int entry) { return entry == 3 || entry == 4 ? 12 : entry == 5 ? 3 : 0; }
