#include "math/funnodes.h"

#include <QDateTime>
#include <cmath>
#include <iterator>

#include "math/funparser.h"
#include "math/registers.h"
#include "platform/clock.h"
#include "platform/crtrandom.h"

namespace {

int EvenClass(int displayClass) { return displayClass & ~1; }

QString Box(const QString& s) { return QStringLiteral("<#><l>") + s + QStringLiteral("</l></#>"); }

QString Brackets(const QString& s) {
  return QStringLiteral("<b><#><l>") + s + QStringLiteral("</l></#></b>");
}

// Truncates toward zero when the result fits an int; NaN and values out of
// range fail instead of converting with undefined behaviour.
bool TruncateToInt(double x, int& k) {
  if (!(x > -2147483649.0 && x < 2147483648.0)) return false;
  k = static_cast<int>(x);
  return true;
}

// The register an argument names: 1 to 6, anything else register 6.
double& RegisterOf(double x) {
  int k = 0;
  if (!TruncateToInt(x, k)) k = kExpressionRegisterCount;
  return ExpressionRegister(k);
}

// 1 x 2 x ... x k for k = x truncated, 1 for k <= 0.  The product is
// infinite from 171 on, so the loop stops there however large x is.
double Factorial(double x) {
  if (std::isnan(x)) return x;
  double product = 1.0;
  for (double i = 2.0; i <= x && !std::isinf(product); i += 1.0) product *= i;
  return product;
}

// A field of the local date and time chosen by k.
double TimeField(const QDateTime& now, double x) {
  const QDate date = now.date();
  const QTime time = now.time();
  const double hour = time.hour(), minute = time.minute(), second = time.second(),
               msec = time.msec();
  int k = 0;
  if (!TruncateToInt(x, k)) k = 0;
  switch (k) {
    case 1: return hour;
    case 2: return minute;
    case 3: return second;
    case 4: return msec;
    case 5: return date.year() + date.month() / 100.0 + date.day() / 10000.0;
    case 6: return date.year();
    case 7: return date.month();
    case 8: return date.day();
    case 9: return date.dayOfWeek() % 7;  // Qt counts Monday 1 ... Sunday 7
    case 11: return hour + minute / 60.0 + second / 3600.0;
    case 12: return minute + second / 60.0;
    case 13: return second + msec / 1000.0;
    default: return hour + minute / 100.0 + second / 10000.0 + msec / 10000000.0;
  }
}

}  // namespace

// ---- base ----

CFunNode::CFunNode(const QString& text, int priority, int displayClass)
    : m_strText(text), m_nPriority(priority), m_nClass(displayClass) {}

double CFunNode::Evaluate() const { return 0.0; }

QString CFunNode::GetVodText() {
  QString right;
  if (m_pRight) {
    const int rc = m_pRight->m_nClass;
    const bool bracket = (EvenClass(rc) <= EvenClass(m_nClass) || rc == kFunClassOpposite ||
                          m_nClass == kFunClassFunction) &&
                         rc != kFunClassDivide;
    right = bracket ? Brackets(m_pRight->GetVodText()) : m_pRight->GetVodText();
  }
  QString left;
  if (m_pLeft) {
    left = EvenClass(m_pLeft->m_nClass) >= EvenClass(m_nClass) ? m_pLeft->GetVodText()
                                                                : Brackets(m_pLeft->GetVodText());
  }
  return left + QStringLiteral("<e>") + m_strText + QStringLiteral("</e>") + right;
}

// ---- operands ----

variable::variable(const CFunParser* owner, int index)
    : CFunNode(QString(), kFunPriorityOperand, kFunClassVariable), m_nIndex(index), m_pOwner(owner) {}

double variable::Evaluate() const { return m_pOwner->Values()[m_nIndex]; }

QString variable::GetVodText() { return m_strText; }

constant::constant(double value)
    : CFunNode(QString(), kFunPriorityOperand, kFunClassNumber), m_dValue(value) {}

QString constant::GetVodText() { return QStringLiteral("<e>") + m_strText + QStringLiteral("</e>"); }

// ---- operators ----
// The evaluation order of the operands is kept, as it shows when operands
// draw random numbers or write registers.

plus::plus() : CFunNode(QStringLiteral("+"), kFunPrioritySum, kFunClassPlus) {}

double plus::Evaluate() const {
  const double r = ValueOf(m_pRight);
  return r + ValueOf(m_pLeft);
}

minus::minus() : CFunNode(QStringLiteral(u"\u2212"), kFunPrioritySum, kFunClassMinus) {}

double minus::Evaluate() const {
  const double l = ValueOf(m_pLeft);
  return l - ValueOf(m_pRight);
}

multiply::multiply() : CFunNode(QStringLiteral(u"\u00B7"), kFunPriorityProduct, kFunClassMultiply) {}

double multiply::Evaluate() const {
  const double r = ValueOf(m_pRight);
  return r * ValueOf(m_pLeft);
}

// Numbers written side by side need a sign: "×" before a fraction, a power or
// a number; "·" between a function and a variable or a bracket; otherwise
// none (2x, xy).
QString multiply::GetVodText() {
  const int lc = m_pLeft ? m_pLeft->m_nClass : 0;
  const int rc = m_pRight ? m_pRight->m_nClass : 0;
  const bool bracketRight =
      m_pRight && (EvenClass(rc) <= kFunClassMultiply || rc == kFunClassOpposite) &&
      rc != kFunClassDivide;
  if (m_pRight && (rc == kFunClassDivide || rc == kFunClassPower || rc == kFunClassNumber))
    m_strText = QStringLiteral(u"\u00D7");
  else if (m_pLeft && lc == kFunClassFunction && (rc == kFunClassVariable || bracketRight))
    m_strText = QStringLiteral(u"\u00B7");
  else
    m_strText.clear();

  QString left;
  if (m_pLeft)
    left = EvenClass(lc) < kFunClassMultiply ? Brackets(m_pLeft->GetVodText()) : m_pLeft->GetVodText();
  QString right;
  if (m_pRight) right = bracketRight ? Brackets(m_pRight->GetVodText()) : m_pRight->GetVodText();
  const QString sign =
      m_strText.isEmpty() ? QString() : QStringLiteral("<e>") + m_strText + QStringLiteral("</e>");
  return left + sign + right;
}

divide::divide() : CFunNode(QStringLiteral("/"), kFunPriorityProduct, kFunClassDivide) {}

double divide::Evaluate() const {
  const double l = ValueOf(m_pLeft);
  return l / ValueOf(m_pRight);
}

QString divide::GetVodText() {
  const QString top = m_pLeft ? m_pLeft->GetVodText() : QString();
  const QString bottom = m_pRight ? m_pRight->GetVodText() : QString();
  return QStringLiteral("<f>") + Box(top) + Box(bottom) + QStringLiteral("</f>");
}

modnode::modnode() : CFunNode(QStringLiteral("%"), kFunPriorityProduct, kFunClassMultiply) {}

double modnode::Evaluate() const {
  const double l = ValueOf(m_pLeft);
  return std::fmod(l, ValueOf(m_pRight));
}

opposite::opposite() : CFunNode(QStringLiteral(u"\u2212"), kFunPriorityOpposite, kFunClassOpposite) {}

double opposite::Evaluate() const { return -ValueOf(m_pRight); }

QString opposite::GetVodText() {
  QString argument;
  if (m_pRight) {
    const int rc = m_pRight->m_nClass;
    const bool bracket = EvenClass(rc) <= kFunClassOpposite && rc != kFunClassDivide;
    argument = bracket ? Brackets(m_pRight->GetVodText()) : m_pRight->GetVodText();
  }
  return QStringLiteral("<e>-</e>") + argument;
}

power::power() : CFunNode(QStringLiteral("^"), kFunPriorityPower, kFunClassPower) {}

double power::Evaluate() const {
  const double l = ValueOf(m_pLeft);
  return std::pow(l, ValueOf(m_pRight));
}

QString power::GetVodText() {
  QString base = Box(QString());
  if (m_pLeft) {
    base = EvenClass(m_pLeft->m_nClass) == kFunClassNumber ? Box(m_pLeft->GetVodText())
                                                           : Brackets(m_pLeft->GetVodText());
  }
  const QString exponent = Box(m_pRight ? m_pRight->GetVodText() : QString());
  return QStringLiteral("<^>") + base + exponent + QStringLiteral("</^>");
}

// ---- functions ----

funcnode::funcnode(const char16_t* name)
    : CFunNode(QString::fromUtf16(name), kFunPriorityFunction, kFunClassFunction) {}

#define KV_DEFINE_FUNCTION(cls, name, value)                  \
  cls::cls() : funcnode(name) {}                              \
  double cls::Evaluate() const {                              \
    [[maybe_unused]] const double x = Argument();             \
    return value;                                             \
  }

KV_DEFINE_FUNCTION(sinnode, u"sin", std::sin(x))
KV_DEFINE_FUNCTION(cosnode, u"cos", std::cos(x))
KV_DEFINE_FUNCTION(tannode, u"tan", std::tan(x))
KV_DEFINE_FUNCTION(cotnode, u"cot", 1.0 / std::tan(x))
KV_DEFINE_FUNCTION(sqrtnode, u"sqrt", std::sqrt(x))
KV_DEFINE_FUNCTION(cbrtnode, u"cbrt", std::cbrt(x))
KV_DEFINE_FUNCTION(absnode, u"abs", std::fabs(x))
KV_DEFINE_FUNCTION(lgnode, u"lg", std::log10(x))
KV_DEFINE_FUNCTION(lnnode, u"ln", std::log(x))
KV_DEFINE_FUNCTION(expnode, u"exp", std::exp(x))
KV_DEFINE_FUNCTION(arcsinnode, u"arcsin", std::asin(x))
KV_DEFINE_FUNCTION(arccosnode, u"arccos", std::acos(x))
KV_DEFINE_FUNCTION(arctannode, u"arctan", std::atan(x))
KV_DEFINE_FUNCTION(intnode, u"int", std::floor(x))
KV_DEFINE_FUNCTION(roundnode, u"round", std::round(x))  // halves away from zero
KV_DEFINE_FUNCTION(sgnnode, u"sgn", x > 0.0 ? 1.0 : x < 0.0 ? -1.0 : 0.0)
KV_DEFINE_FUNCTION(hvnode, u"hv", x > 0.0 ? 1.0 : x < 0.0 ? 0.0 : 0.5)
KV_DEFINE_FUNCTION(inolnode, u"inol", x > 0.0 && x < 1.0 ? 1.0 : x < 0.0 || x > 1.0 ? 0.0 : 0.5)
KV_DEFINE_FUNCTION(sinhnode, u"sinh", std::sinh(x))
KV_DEFINE_FUNCTION(coshnode, u"cosh", std::cosh(x))
KV_DEFINE_FUNCTION(tanhnode, u"tanh", std::tanh(x))
// The random number is drawn after the argument is evaluated.
KV_DEFINE_FUNCTION(randnode, u"rand", x * (KvRand() / 32767.0))
KV_DEFINE_FUNCTION(accumnode, u"accum", RegisterOf(x) += 1.0)
KV_DEFINE_FUNCTION(set1node, u"set1", ExpressionRegister(1) = x)
KV_DEFINE_FUNCTION(set2node, u"set2", ExpressionRegister(2) = x)
KV_DEFINE_FUNCTION(set3node, u"set3", ExpressionRegister(3) = x)
KV_DEFINE_FUNCTION(set4node, u"set4", ExpressionRegister(4) = x)
KV_DEFINE_FUNCTION(set5node, u"set5", ExpressionRegister(5) = x)
KV_DEFINE_FUNCTION(set6node, u"set6", ExpressionRegister(6) = x)
KV_DEFINE_FUNCTION(getnode, u"get", RegisterOf(x))
KV_DEFINE_FUNCTION(factnode, u"fact", Factorial(x))

#undef KV_DEFINE_FUNCTION

timenode::timenode() : funcnode(u"time") {}

// The clock is read before the argument is evaluated.
double timenode::Evaluate() const {
  const QDateTime now = Clock().LocalNow();
  return TimeField(now, Argument());
}

QString sqrtnode::GetVodText() {
  const QString argument = m_pRight ? m_pRight->GetVodText() : QString();
  return QStringLiteral("<r><#><l>") + argument + QStringLiteral("</l></#></r>");
}

QString cbrtnode::GetVodText() {
  const QString argument = m_pRight ? m_pRight->GetVodText() : QString();
  return QStringLiteral("<r><#><l>") + argument +
         QStringLiteral("</l></#><#><l><e>3</e></l></#></r>");
}

// ---- creation by name ----

namespace {
template <class T>
CFunNode* Make() {
  return new T;
}

struct FunctionEntry {
  const char16_t* name;
  CFunNode* (*create)();
};

const FunctionEntry kFunctions[] = {
    {u"sin", Make<sinnode>},       {u"cos", Make<cosnode>},       {u"tan", Make<tannode>},
    {u"cot", Make<cotnode>},       {u"arcsin", Make<arcsinnode>}, {u"arccos", Make<arccosnode>},
    {u"arctan", Make<arctannode>}, {u"abs", Make<absnode>},       {u"sqrt", Make<sqrtnode>},
    {u"cbrt", Make<cbrtnode>},     {u"int", Make<intnode>},       {u"round", Make<roundnode>},
    {u"sgn", Make<sgnnode>},       {u"hv", Make<hvnode>},         {u"exp", Make<expnode>},
    {u"lg", Make<lgnode>},         {u"ln", Make<lnnode>},         {u"time", Make<timenode>},
    {u"inol", Make<inolnode>},     {u"fact", Make<factnode>},     {u"sinh", Make<sinhnode>},
    {u"cosh", Make<coshnode>},     {u"tanh", Make<tanhnode>},     {u"rand", Make<randnode>},
    {u"accum", Make<accumnode>},   {u"get", Make<getnode>},       {u"set1", Make<set1node>},
    {u"set2", Make<set2node>},     {u"set3", Make<set3node>},     {u"set4", Make<set4node>},
    {u"set5", Make<set5node>},     {u"set6", Make<set6node>},
};
static_assert(std::size(kFunctions) == 32);

const FunctionEntry* FindFunction(QStringView name) {
  for (const FunctionEntry& f : kFunctions)
    if (name == QStringView(f.name)) return &f;
  return nullptr;
}
}  // namespace

bool IsFunctionName(QStringView name) { return FindFunction(name) != nullptr; }

CFunNode* CreateFunctionNode(QStringView name) {
  const FunctionEntry* f = FindFunction(name);
  return f ? f->create() : nullptr;
}
