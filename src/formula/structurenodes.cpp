#include "formula/structurenodes.h"

#include <algorithm>

#include "formula/boxnode.h"
#include "formula/vodmarkup.h"

namespace {
constexpr float kLimitFactor = 0.58f;   // limits, root index
constexpr float kScriptFactor = 0.65f;  // scripts
constexpr float kArrowFactor = 0.75f;   // texts of arrows

bool StaysUnwrapped(const CNode* node) { return node->m_nKind >= VOD_SUPB && node->m_nKind <= VOD_LIM; }

// The floats nearest the int limits that still convert: INT_MAX itself
// rounds up to 2^31 in single precision, which no int holds.
constexpr float kLargestIntFloat = 2147483520.0f;

// A font height scaled by a box factor, in single precision and truncated.
std::int32_t ScaledHeight(std::int32_t height, float factor) {
  const float scaled = static_cast<float>(height) * factor;
  return static_cast<std::int32_t>(std::clamp(scaled, -kLargestIntFloat, kLargestIntFloat));
}
}  // namespace

CStandardNode::CStandardNode() : CStandardNode(VOD_STANDARD, QStringLiteral("d"), 1.0f, 1.0f) {}

CStandardNode::CStandardNode(CNode* parent, int boxes, CNode* content)
    : CStandardNode(VOD_STANDARD, QStringLiteral("d"), 1.0f, 1.0f, parent, boxes, content) {}

CStandardNode::CStandardNode(int kind, const QString& tag, float firstFactor, float secondFactor)
    : CNode(kind, tag), m_fFirstFactor(firstFactor), m_fSecondFactor(secondFactor) {}

CStandardNode::CStandardNode(int kind, const QString& tag, float firstFactor, float secondFactor,
                             CNode* parent, int boxes, CNode* content)
    : CStandardNode(kind, tag, firstFactor, secondFactor) {
  MakeBoxes(parent, boxes, content);
}

void CStandardNode::MakeBoxes(CNode* parent, int boxes, CNode* content) {
  m_pParent = parent;
  const bool given = content != nullptr;
  auto* box = dynamic_cast<CBoxNode*>(content);
  if (box)
    box->m_pParent = this;
  else
    box = new CBoxNode(this, content);
  if (boxes == 1) {
    m_pSecond = box;
    m_pActive = box;
    m_nCaret = 1;
    return;
  }
  m_pFirst = box;
  m_pActive = box;
  m_nCaret = 0;
  if (boxes == 2) {
    m_pSecond = new CBoxNode(this, nullptr);
    if (given) {
      m_pActive = m_pSecond;
      m_nCaret = 1;
    }
  }
}

CStandardNode::~CStandardNode() {
  delete m_pFirst;
  delete m_pSecond;
}

bool CStandardNode::AddChild(CNode* node, int index) {
  if (!node) return false;
  CNode** place = nullptr;
  if (index == 0 || (index == -1 && !m_pFirst))
    place = &m_pFirst;
  else if (index == 1 || index == -1)
    place = &m_pSecond;
  if (!place || *place) return false;
  *place = node;
  node->m_pParent = this;
  return true;
}

void CStandardNode::AppendMarkup(QString& out, const QString& tailMarkup) const {
  // Integrals, sums, limits and brackets read back their sign when nothing
  // stands before the closing mark; an empty mark keeps an empty text empty.
  const bool hasOwnSign = m_nKind >= VOD_INTEGRAL && m_nKind <= VOD_BRACE;
  out += QLatin1Char('<');
  out += m_strTag;
  out += WriteAttributes();
  if (m_pFirst)
    m_pFirst->AppendVod(out);
  else
    out += QStringLiteral("<e></e>");
  if (m_pSecond) m_pSecond->AppendVod(out);
  out += tailMarkup.isEmpty() && hasOwnSign ? QStringLiteral("<>") : tailMarkup;
  out += QStringLiteral("</");
  out += m_strTag;
  out += QLatin1Char('>');
}

QString CStandardNode::ToVod(bool selectedOnly) const {
  if (selectedOnly) return m_pActive ? m_pActive->ToVod(true) : QString();
  QString out;
  AppendVod(out);
  return out;
}

void CStandardNode::AppendVod(QString& out) const { AppendMarkup(out, TailTextMarkup(m_strText)); }

QString CStandardNode::TextOf(const CNode* box) { return box ? box->ToText(false) : QString(); }

QString CStandardNode::ToText(bool selectedOnly) const {
  if (selectedOnly) return m_pActive ? m_pActive->ToText(true) : QString();
  return LinearText();
}

QString CStandardNode::LinearText() const { return TextOf(m_pFirst) + TextOf(m_pSecond); }

void CStandardNode::InheritFont() {
  for (auto [box, factor] : {std::pair{m_pFirst, m_fFirstFactor}, std::pair{m_pSecond, m_fSecondFactor}}) {
    if (!box) continue;
    const bool ownHeight = box->m_dwFontMask & FONT_HEIGHT;
    box->TakeUnsetFontParts(m_lf, m_crColor);
    if (!ownHeight) {
      box->m_lf.lfHeight = ScaledHeight(m_lf.lfHeight, factor);
      if (box->m_lf.lfHeight != m_lf.lfHeight) box->m_dwFontMask |= FONT_HEIGHT;
    }
    box->InheritFont();
  }
}

void CStandardNode::SetFont(COLORREF colour, const LOGFONT& font, bool selectedOnly, int part) {
  if (selectedOnly) {
    if (m_pActive) m_pActive->SetFont(colour, font, true, part);
    return;
  }
  CNode::SetFont(colour, font, false, part);
  for (auto [box, factor] : {std::pair{m_pFirst, m_fFirstFactor}, std::pair{m_pSecond, m_fSecondFactor}}) {
    if (!box) continue;
    LOGFONT scaled = font;
    scaled.lfHeight = ScaledHeight(font.lfHeight, factor);
    box->SetFont(colour, scaled, false, part);
  }
}

void CStandardNode::CaretToBox(bool toEnd) {
  m_bSelected = 0;
  m_pActive = m_pFirst ? m_pFirst : m_pSecond;
  m_nCaret = m_pFirst ? 0 : 1;
  if (!m_pActive) {
    m_nCaret = 0;
  } else if (toEnd) {
    m_pActive->CaretToEnd();
  } else {
    m_pActive->CaretToStart();
  }
}

void CStandardNode::CaretToStart() { CaretToBox(false); }

void CStandardNode::CaretToEnd() { CaretToBox(true); }

bool CStandardNode::Normalize() {
  bool changed = false;
  for (CNode** place : {&m_pFirst, &m_pSecond}) {
    CNode* node = *place;
    if (!node || dynamic_cast<CBoxNode*>(node) || StaysUnwrapped(node)) continue;
    WrapChild<CBoxNode>(this, *place);
    changed = true;
  }
  for (CNode* node : {m_pFirst, m_pSecond})
    if (node) changed = node->Normalize() || changed;
  return changed;
}

CNode* CStandardNode::GetFirstBox() {
  if (m_pFirst) return m_pFirst;
  return m_pSecond ? m_pSecond : this;
}

CDivisionNode::CDivisionNode() : CStandardNode(VOD_DIVISION, QStringLiteral("f"), 1.0f, 1.0f) {}

CDivisionNode::CDivisionNode(CNode* parent, CNode* content)
    : CStandardNode(VOD_DIVISION, QStringLiteral("f"), 1.0f, 1.0f, parent, 2, content) {}

QString CDivisionNode::LinearText() const { return TextOf(m_pFirst) + QLatin1Char('/') + TextOf(m_pSecond); }

CNthRootNode::CNthRootNode() : CStandardNode(VOD_NTHROOT, QStringLiteral("n"), 1.0f, kLimitFactor) {}

CNthRootNode::CNthRootNode(CNode* parent, int variant, CNode* content)
    : CNthRootNode(VOD_NTHROOT, QStringLiteral("n"), parent, variant, content) {}

CNthRootNode::CNthRootNode(int kind, const QString& tag, CNode* parent, int variant, CNode* content)
    : CStandardNode(kind, tag, 1.0f, kLimitFactor, parent, variant == 2 ? 0 : 2, content) {}

namespace {
const QString kRadical = QStringLiteral("\u221A");
}

QString CNthRootNode::LinearText() const {
  QString out;
  if (m_pSecond) out += QLatin1Char(' ') + TextOf(m_pSecond);
  out += kRadical;
  if (m_pFirst) out += TextOf(m_pFirst) + QLatin1Char(' ');
  return out;
}

CSqrtNode::CSqrtNode() : CNthRootNode() {
  m_nKind = VOD_SQRT;
  m_strTag = QStringLiteral("r");
}

CSqrtNode::CSqrtNode(CNode* parent, CNode* content)
    : CNthRootNode(VOD_SQRT, QStringLiteral("r"), parent, 2, content) {}

QString CSqrtNode::LinearText() const { return kRadical + TextOf(m_pFirst) + QLatin1Char(' '); }

CSupNode::CSupNode() : CStandardNode(VOD_SUP, QStringLiteral("^"), 1.0f, kScriptFactor) {}

CSupNode::CSupNode(CNode* parent, CNode* content)
    : CStandardNode(VOD_SUP, QStringLiteral("^"), 1.0f, kScriptFactor, parent, 2, content) {}

CSubNode::CSubNode() : CStandardNode(VOD_SUB, QStringLiteral("_"), 1.0f, kScriptFactor) {}

CSubNode::CSubNode(CNode* parent, CNode* content)
    : CStandardNode(VOD_SUB, QStringLiteral("_"), 1.0f, kScriptFactor, parent, 2, content) {}

CSupbNode::CSupbNode() : CStandardNode(VOD_SUPB, QStringLiteral("c"), kScriptFactor, kScriptFactor) {}

CSupbNode::CSupbNode(CNode* parent)
    : CStandardNode(VOD_SUPB, QStringLiteral("c"), kScriptFactor, kScriptFactor, parent, 2, nullptr) {}

CIntegralNode::CIntegralNode()
    : CStandardNode(VOD_INTEGRAL, QStringLiteral("i"), kLimitFactor, kLimitFactor) {
  m_strText = QStringLiteral("\uF0F2");
}

CIntegralNode::CIntegralNode(CNode* parent)
    : CStandardNode(VOD_INTEGRAL, QStringLiteral("i"), kLimitFactor, kLimitFactor, parent, 2, nullptr) {
  m_strText = QStringLiteral("\uF0F2");
}

QString CIntegralNode::LinearText() const {
  return QStringLiteral("\u222B") + TextOf(m_pFirst) + QLatin1Char(' ') + TextOf(m_pSecond) +
         QLatin1Char(' ');
}

CSumNode::CSumNode() : CStandardNode(VOD_SUM, QStringLiteral("s"), kLimitFactor, kLimitFactor) {
  m_strText = QChar(kSumSign);
}

CSumNode::CSumNode(CNode* parent, char16_t sign)
    : CStandardNode(VOD_SUM, QStringLiteral("s"), kLimitFactor, kLimitFactor, parent, 2, nullptr) {
  m_strText = QChar(sign);
}

QString CSumNode::LinearText() const {
  QString sign = m_strText;
  if (m_strText == QChar(kSumSign))
    sign = QStringLiteral("\u2211");
  else if (m_strText == QChar(kProductSign))
    sign = QStringLiteral("\u220F");
  return sign + TextOf(m_pFirst) + QLatin1Char(' ') + TextOf(m_pSecond) + QLatin1Char(' ');
}

CLimNode::CLimNode() : CStandardNode(VOD_LIM, QStringLiteral("t"), kLimitFactor, kLimitFactor) {
  m_strText = QStringLiteral("lim");
}

QString CLimNode::LinearText() const {
  const QString above = TextOf(m_pSecond);
  return m_strText + QLatin1Char(' ') + TextOf(m_pFirst) +
         (above == QStringLiteral(" ") ? above : QLatin1Char(' ') + above + QLatin1Char(' '));
}

const QString CBraceNode::kRoundPair = QStringLiteral("\uF028\uF029");

CBraceNode::CBraceNode() : CStandardNode(VOD_BRACE, QStringLiteral("b"), 1.0f, 1.0f) { m_strText = kRoundPair; }

CBraceNode::CBraceNode(CNode* parent, CNode* content, const QString& pair)
    : CStandardNode(VOD_BRACE, QStringLiteral("b"), 1.0f, 1.0f, parent, 0, content) {
  m_strText = pair;
}

void CBraceNode::AppendVod(QString& out) const { AppendMarkup(out, BracketPairMarkup(m_strText)); }

QChar PlainBracketChar(QChar symbol) {
  switch (symbol.unicode()) {
    case 0xF028: return u'(';
    case 0xF029: return u')';
    case 0xF05B: return u'[';
    case 0xF05D: return u']';
    case 0xF07B: return u'{';
    case 0xF07D: return u'}';
    case 0xF0E1: return u'<';
    case 0xF0F1: return u'>';
    case 0xF07C: return u'|';
    case 0xF020: return u' ';
    default: return symbol;
  }
}

QString CBraceNode::LinearText() const {
  QString out;
  if (!m_strText.isEmpty()) out += PlainBracketChar(m_strText[0]);
  out += TextOf(m_pFirst);
  if (m_strText.size() > 1) out += PlainBracketChar(m_strText[1]);
  return out;
}

CVectorNode::CVectorNode() : CStandardNode(VOD_VECTOR, QStringLiteral("v"), 1.0f, 1.0f) {}

CVectorNode::CVectorNode(CNode* parent, CNode* content)
    : CStandardNode(VOD_VECTOR, QStringLiteral("v"), 1.0f, 1.0f, parent, 0, content) {}

CArrowsNode::CArrowsNode() : CStandardNode(VOD_ARROWS, QStringLiteral("a"), kArrowFactor, kArrowFactor) {}
