// The VOD reader.  It reads one mark at a time without recursion, builds
// the nodes as it goes and stops quietly at the first thing it cannot take,
// keeping what it built before; documents hold whatever older versions and
// other producers wrote, so nothing in a text may make it fail harder.
#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "formula/bintree.h"
#include "formula/boxnode.h"
#include "formula/rownode.h"
#include "formula/structurenodes.h"
#include "formula/textnode.h"
#include "formula/vodmarkup.h"

CNode* CreateVodNode(int kind) {
  switch (kind) {
    case VOD_BOX: return new CBoxNode;
    case VOD_ROW: return new CRowNode;
    case VOD_STANDARD: return new CStandardNode;
    case VOD_TEXT: return new CTextNode;
    case VOD_DIVISION: return new CDivisionNode;
    case VOD_SQRT: return new CSqrtNode;
    case VOD_NTHROOT: return new CNthRootNode;
    case VOD_SUP: return new CSupNode;
    case VOD_SUB: return new CSubNode;
    case VOD_SUPB: return new CSupbNode;
    case VOD_INTEGRAL: return new CIntegralNode;
    case VOD_SUM: return new CSumNode;
    case VOD_LIM: return new CLimNode;
    case VOD_BRACE: return new CBraceNode;
    case VOD_VECTOR: return new CVectorNode;
    case VOD_MATRIX: return new CMatrixNode;
    case VOD_ARROWS: return new CArrowsNode;
    default: return nullptr;
  }
}

namespace {

bool IsSpace(QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// Decimal with optional sign after blanks, as far as digits go; 0 when there
// are none; out-of-range values stop at the int limits.
int LeadingInt(QStringView value) {
  qsizetype i = 0;
  while (i < value.size() && IsSpace(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) negative = value[i++] == u'-';
  long long magnitude = 0;
  for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i)
    magnitude = std::min(magnitude * 10 + (value[i].unicode() - u'0'), 1LL << 32);
  const long long signedValue = negative ? -magnitude : magnitude;
  return static_cast<int>(std::clamp<long long>(signedValue, INT_MIN, INT_MAX));
}

// Hexadecimal after blanks, as far as hex digits go; 0 when there are none;
// larger values stop at 0xFFFFFFFF.
DWORD LeadingHex(QStringView value) {
  qsizetype i = 0;
  while (i < value.size() && IsSpace(value[i])) ++i;
  unsigned long long result = 0;
  for (; i < value.size(); ++i) {
    const char16_t c = value[i].unicode();
    const int digit = c >= u'0' && c <= u'9'   ? c - u'0'
                      : c >= u'a' && c <= u'f' ? c - u'a' + 10
                      : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                               : -1;
    if (digit < 0) break;
    result = std::min<unsigned long long>(result * 16 + digit, 0xFFFFFFFFull);
  }
  return static_cast<DWORD>(result);
}

// Applies one attribute to a font and colour.  Returns the override bit it
// set, kColourSet for the colour, 0 for keys that are ignored.
constexpr DWORD kColourSet = 0x100;

DWORD ApplyFontAttribute(QStringView key, QStringView value, LOGFONT& lf, COLORREF& colour) {
  const bool isZero = value == u"0";
  if (key == u"name") {
    lf.lfFaceName = FitFaceName(value.toString());
    return FONT_FACE;
  }
  if (key == u"cset") {
    lf.lfCharSet = static_cast<BYTE>(LeadingInt(value));
    return FONT_CHARSET;
  }
  if (key == u"size") {
    lf.lfHeight = LeadingInt(value);
    return FONT_HEIGHT;
  }
  if (key == u"b") {
    lf.lfWeight = isZero ? FW_NORMAL : FW_BOLD;
    return FONT_WEIGHT;
  }
  if (key == u"i") {
    lf.lfItalic = isZero ? 0 : 1;
    return FONT_ITALIC;
  }
  if (key == u"u") {
    lf.lfUnderline = isZero ? 0 : 1;
    return FONT_UNDERLINE;
  }
  if (key == u"color") {
    colour = LeadingHex(value);
    return kColourSet;
  }
  return 0;
}

// How much deeper a child sits than its parent once the tree is normalised:
// nested boxes and nested rows dissolve, rows gain a box in structures and
// matrices, and anything but a row gains a row in a box.
int NormalisedStep(int parentKind, int childKind) {
  const bool box = childKind == VOD_BOX, row = childKind == VOD_ROW;
  switch (parentKind) {
    case VOD_BOX: return box ? 0 : row ? 1 : 2;
    case VOD_ROW: return row ? 0 : 1;
    case VOD_MATRIX: return box ? 1 : row ? 2 : 3;
    default:  // structures
      if (box || (childKind >= VOD_SUPB && childKind <= VOD_LIM)) return 1;
      return row ? 2 : 3;
  }
}

int NormalisedRootDepth(int kind) { return kind == VOD_BOX ? 1 : kind == VOD_ROW ? 2 : 3; }

class VodReader {
 public:
  VodReader(const QString& text, CBinTree& tree) : m_text(text), m_tree(tree) {}

  CNode* Read() {
    const qsizetype n = m_text.size();
    if (n < 7 || m_text[0] != u'<' || m_text[n - 1] != u'>' || m_text[n - 4] != u'<' ||
        m_text[n - 3] != u'/')
      return nullptr;
    while (m_pos < n && Step()) {
    }
    // The writer writes an empty run for a structure's missing first box;
    // reading gives it that run now, so that a formula cut short draws the
    // same before and after it is saved and read back.
    for (const auto& [structure, depth] : m_structures)
      if (!structure->m_pFirst && depth + NormalisedStep(structure->m_nKind, VOD_TEXT) <= CBinTree::kMaxDepth)
        structure->AddChild(new CTextNode, 0);
    return m_root;
  }

 private:
  struct Open {
    CNode* node;
    int depth;            // elements from the root, as read
    int normalisedDepth;  // as the normalised tree will nest
  };

  // Reads one piece of text or one mark; false stops the read.
  bool Step() {
    const qsizetype n = m_text.size();
    if (m_text[m_pos] != u'<') {
      qsizetype end = m_text.indexOf(QStringLiteral("</"), m_pos);
      if (end < 0) end = n;
      m_pending = m_text.mid(m_pos, end - m_pos);
      m_pos = end;
      return true;
    }
    qsizetype i = m_pos + 1;
    const bool closing = i < n && m_text[i] == u'/';
    if (closing) ++i;
    qsizetype tagEnd = i;
    while (tagEnd < n && m_text[tagEnd] != u':' && m_text[tagEnd] != u'>') ++tagEnd;
    if (tagEnd >= n) return false;
    const QStringView tag = QStringView(m_text).mid(i, tagEnd - i);
    const bool hasAttributes = m_text[tagEnd] == u':';
    if (closing && hasAttributes) return false;
    m_pos = tagEnd + 1;

    const int kind = VodKindOfTag(tag);
    if (kind < 0) {
      // Unknown marks carry an element's own text; a bracket pair holding
      // "<" or ">" is written this way.
      if (m_lastKind == VOD_HEADER || !Current()) return false;
      Current()->SetText(UnescapeUnknownTag(tag));
      return true;
    }
    m_lastKind = kind;
    if (closing) return Close(kind);
    if (kind == VOD_HEADER) {
      if (hasAttributes && !ReadAttributes(nullptr)) return false;
      m_pending.clear();
      return true;
    }
    return OpenElement(kind, hasAttributes);
  }

  bool Close(int kind) {
    CNode* current = Current();
    if (kind == VOD_HEADER || !current) return false;
    if (!m_pending.isEmpty()) {
      current->SetText(m_pending);
      m_pending.clear();
    }
    if (kind != current->m_nKind) return false;
    m_open.pop_back();
    return true;
  }

  bool OpenElement(int kind, bool hasAttributes) {
    CNode* node = CreateVodNode(kind);
    bool readAttributes = hasAttributes;
    // A run whose text starts with "<" reaches to its closing mark.
    if (kind == VOD_TEXT && m_pos < m_text.size() && m_text[m_pos] == u'<') {
      qsizetype close = m_text.indexOf(QStringLiteral("</e>"), m_pos);
      if (close < 0) close = m_text.size();
      node->SetText(m_text.mid(m_pos, close - m_pos));
      m_pos = close;
      readAttributes = false;
    }
    if (!Attach(node)) {
      delete node;
      return false;
    }
    if (auto* structure = dynamic_cast<CStandardNode*>(node))
      m_structures.push_back({structure, m_open.back().normalisedDepth});
    if (readAttributes && !ReadAttributes(node)) return false;
    m_pending.clear();
    return true;
  }

  // Adds the node below the current element (or as the root) and makes it
  // current.  False when it is refused or would nest too deep.
  bool Attach(CNode* node) {
    CNode* parent = Current();
    Open open{node, 1, NormalisedRootDepth(node->m_nKind)};
    if (parent) {
      const Open& above = m_open.back();
      open.depth = above.depth + 1;
      open.normalisedDepth = above.normalisedDepth + NormalisedStep(parent->m_nKind, node->m_nKind);
    } else if (m_root) {
      return false;  // a second top-level element
    }
    if (open.depth > CBinTree::kMaxDepth || open.normalisedDepth > CBinTree::kMaxDepth) return false;
    if (parent) {
      if (!parent->AddChild(node, -1)) return false;
    } else {
      m_root = node;
    }
    m_open.push_back(open);
    return true;
  }

  // key=value pairs up to ">", applied to the node, or to the tree's
  // defaults for the header.  The end of the text stops the read.
  bool ReadAttributes(CNode* node) {
    const qsizetype n = m_text.size();
    for (;;) {
      const qsizetype equals = m_text.indexOf(u'=', m_pos);
      if (equals < 0) return false;
      qsizetype end = equals + 1;
      while (end < n && m_text[end] != u',' && m_text[end] != u'>') ++end;
      if (end >= n) return false;
      const QStringView key = QStringView(m_text).mid(m_pos, equals - m_pos);
      const QStringView value = QStringView(m_text).mid(equals + 1, end - equals - 1);
      if (node)
        ApplyToNode(*node, key, value);
      else
        ApplyFontAttribute(key, value, m_tree.m_lfDefault, m_tree.m_crDefault);
      m_pos = end + 1;
      if (m_text[end] == u'>') return true;
    }
  }

  void ApplyToNode(CNode& node, QStringView key, QStringView value) {
    // A node that sets anything of its own starts from the tree's defaults.
    if (node.m_dwFontMask == 0) node.m_lf = m_tree.m_lfDefault;
    if (!node.m_bColorSet) node.m_crColor = m_tree.m_crDefault;
    if (key == u"type") {
      node.m_nType = LeadingInt(value);
      return;
    }
    const DWORD set = ApplyFontAttribute(key, value, node.m_lf, node.m_crColor);
    if (set == kColourSet)
      node.m_bColorSet = TRUE;
    else
      node.m_dwFontMask |= set;
  }

  CNode* Current() const { return m_open.empty() ? nullptr : m_open.back().node; }

  const QString& m_text;
  CBinTree& m_tree;
  qsizetype m_pos = 0;
  CNode* m_root = nullptr;
  std::vector<Open> m_open;
  std::vector<std::pair<CStandardNode*, int>> m_structures;  // with their normalised depth
  QString m_pending;
  int m_lastKind = VOD_HEADER;
};

}  // namespace

CNode* CBinTree::ParseVod(const QString& text) { return VodReader(text, *this).Read(); }
