#include "math/funparser.h"

#include <QByteArray>
#include <charconv>
#include <cmath>
#include <limits>

#include "math/funnodes.h"

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsLetter(char16_t c) { return c >= u'a' && c <= u'z'; }
char16_t FoldCase(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c; }

// The decimal value of a run of digits with at most one point.  The run may
// be longer than any double: too many integer digits give infinity, too many
// leading fraction zeros give 0.
double NumberValue(QStringView run) {
  const QByteArray latin = run.toLatin1();
  double value = 0.0;
  const auto [end, error] = std::from_chars(latin.data(), latin.data() + latin.size(), value);
  if (error == std::errc::result_out_of_range) {
    const qsizetype point = latin.indexOf('.');
    const QByteArray whole = point < 0 ? latin : latin.left(point);
    value = whole.count('0') == whole.size() ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return value;
}

CFunNode* MakeOperator(char16_t c, char16_t previous) {
  switch (c) {
    case u'+': return previous == u'(' ? nullptr : new plus;  // a leading sign changes nothing
    case u'-': return previous == u'(' ? static_cast<CFunNode*>(new opposite) : new minus;
    case u'*': return new multiply;
    case u'/': return new divide;
    case u'%': return new modnode;
    case u'^': return new power;
    default: return nullptr;
  }
}

}  // namespace

CFunParser::CFunParser() = default;

CFunParser::~CFunParser() { DeleteTree(m_pRoot); }

void CFunParser::SetVariables(const QString& list) {
  m_nState = kFunConstructed;  // a declaration cut short leaves nothing to evaluate
  m_values.clear();
  m_displayClasses.clear();
  // New names are numbered from the current count, so a later call never
  // gives a new name the index of an earlier one.
  QString name;
  auto enter = [&] {
    if (!name.isEmpty() && !m_names.contains(name) && m_names.size() < 0xFFFF)
      m_names.emplace(name, static_cast<WORD>(m_names.size()));
    name.clear();
  };
  for (const QChar ch : list) {
    const char16_t c = ch.unicode();
    if (c == u' ') continue;
    if (c == u',')
      enter();
    else
      name.append(QChar(FoldCase(c)));
  }
  enter();
  m_nVarCount = static_cast<int>(m_names.size());
  m_values.assign(m_nVarCount, 0.0);
  m_displayClasses.assign(m_nVarCount, kFunClassVariable);
  m_nState = kFunVariablesDeclared;
}

void CFunParser::SetText(const QString& text) {
  m_strText = text;
  m_nState = kFunTextSet;
}

bool CFunParser::LookupVariable(const QString& name, WORD& index) const {
  const auto it = m_names.find(name);
  if (it == m_names.end()) return false;
  index = it->second;
  return true;
}

int CFunParser::Check() {
  if (m_nState != kFunTextSet) return 0;
  if (m_strText.size() > kMaxTextLength) {
    m_nCheckResult = 0;
    return 0;
  }
  QString name;
  auto known = [&] {
    return name == u"pi" || name == u"e" || m_names.contains(name);
  };
  // After a name, an operator or ")" needs a variable or constant, and "("
  // needs a function; the name is done either way.
  auto endName = [&](bool accepted, int next) {
    name.clear();
    return accepted ? next : 0;
  };
  auto inName = [&](char16_t c) {
    name.append(QChar(c));
    return 5;
  };

  // A rejected "(" opens nothing, but every ")" closes one, so "x(1)" and
  // "()" are plain errors while "1+2)" is an unbalanced one.
  int state = 1;
  int depth = 0;
  bool tooDeep = false;
  QChar* text = m_strText.data();
  for (qsizetype i = 0; i < m_strText.size() && state != 0; ++i) {
    const char16_t c = FoldCase(text[i].unicode());
    text[i] = QChar(c);
    int next = 0;
    if (IsDigit(c)) {
      if (state == 1 || state == 2 || state == 6) next = 2;
      else if (state == 3 || state == 4) next = 4;
      else if (state == 5) next = inName(c);
    } else if (IsLetter(c)) {
      if (state == 1 || state == 5 || state == 6) next = inName(c);
    } else if (c == u'.') {
      if (state == 1 || state == 2 || state == 6) next = 3;
    } else if (c == u'+' || c == u'-') {
      if (state == 1 || state == 2 || state == 4 || state == 7) next = 6;
      else if (state == 5) next = endName(known(), 6);
    } else if (c == u'*' || c == u'/' || c == u'^' || c == u'%') {
      if (state == 2 || state == 4 || state == 7) next = 6;
      else if (state == 5) next = endName(known(), 6);
    } else if (c == u'(') {
      if (state == 1 || state == 6) next = 1;
      else if (state == 5) next = endName(IsFunctionName(name), 1);
      if (next == 1 && ++depth > kMaxBracketDepth) {
        tooDeep = true;
        next = 0;
      }
    } else if (c == u')') {
      --depth;
      if (state == 2 || state == 4 || state == 7) next = 7;
      else if (state == 5) next = endName(known(), 7);
      if (depth < 0) next = 0;
    } else if (c == u' ') {
      next = state;
    }
    state = next;
  }

  int result = state;
  if (tooDeep) {
    m_nState = kFunTextSet;
  } else if (state == 0 || state == 1 || state == 3 || state == 6 || depth != 0) {
    m_nState = depth != 0 ? kFunOpenBrackets : kFunTextSet;
  } else if (state == 5) {
    const bool complete = known();
    m_nState = complete ? kFunChecked : kFunTextSet;
    result = complete ? 7 : 5;
  } else {
    m_nState = kFunChecked;
  }
  m_nCheckResult = result;
  return result;
}

CFunNode* CFunParser::MakeNameNode(const QString& name) const {
  if (name == u"pi" || name == u"e") {
    auto* node = new constant(name == u"pi" ? 3.141592653589793 : 2.718281828459045);
    node->m_strText = name == u"pi" ? QStringLiteral(u"\u03C0") : name;
    node->m_nClass = kFunClassVariable;
    return node;
  }
  WORD index = 0;
  if (!LookupVariable(name, index)) return nullptr;
  auto* node = new variable(this, index);
  if (name == u"t" || name == u"u" || name == u"v") {
    node->m_strText = QStringLiteral("<e>") + name + QStringLiteral("</e>");
    node->m_nClass = kFunClassVariable;
    return node;
  }
  node->m_strText = name.startsWith(u"no") ? QStringLiteral("No") + name.mid(2) : name;
  node->m_nClass = m_displayClasses[index];
  return node;
}

void CFunParser::Parse() {
  if (m_nState != kFunChecked) return;
  DeleteTree(m_pRoot);
  m_pRoot = nullptr;

  QString text = m_strText;
  text.remove(QChar(u' '));
  const qsizetype n = text.size();
  int level = 0;
  char16_t previous = u'(';  // the text is read as if it followed "("
  for (qsizetype i = 0; i < n;) {
    const char16_t c = text[i].unicode();
    CFunNode* node = nullptr;
    qsizetype end = i + 1;
    if (IsDigit(c) || c == u'.') {
      while (end < n && (IsDigit(text[end].unicode()) || text[end] == u'.')) ++end;
      const QStringView run = QStringView(text).mid(i, end - i);
      auto* number = new constant(NumberValue(run));
      number->m_strText = run.toString();
      node = number;
    } else if (IsLetter(c)) {
      while (end < n && (IsLetter(text[end].unicode()) || IsDigit(text[end].unicode()))) ++end;
      const QString name = text.mid(i, end - i);
      node = end < n && text[end] == u'(' ? CreateFunctionNode(name) : MakeNameNode(name);
    } else if (c == u'(') {
      ++level;
    } else if (c == u')') {
      --level;
    } else {
      node = MakeOperator(c, previous);
    }
    previous = text[end - 1].unicode();
    i = end;
    if (node) {
      node->m_nPriority += kFunBracketPriority * level;
      InsertNode(nullptr, node);
    }
  }
  m_nState = kFunParsed;
}

void CFunParser::InsertNode(CFunNode* start, CFunNode* node) {
  CFunNode** link = start ? &start->m_pRight : &m_pRoot;
  while (*link) {
    if (node->m_nPriority <= (*link)->m_nPriority) {
      node->m_pLeft = *link;
      *link = node;
      return;
    }
    link = &(*link)->m_pRight;
  }
  *link = node;
}

void CFunParser::DeleteTree(CFunNode* node) {
  if (!node) return;
  DeleteTree(node->m_pLeft);
  DeleteTree(node->m_pRight);
  delete node;
}

bool CFunParser::Evaluate(double& out) const {
  if (m_nState != kFunParsed || !m_pRoot) {
    out = 0.0;
    return false;
  }
  out = m_pRoot->Evaluate();
  constexpr double kMax = std::numeric_limits<double>::max();
  return out >= -kMax && out <= kMax;
}

QString CFunParser::GetVodText() const {
  const QString inner = m_pRoot ? m_pRoot->GetVodText() : QString();
  return QStringLiteral("<#><l>") + inner + QStringLiteral("</l></#>");
}
