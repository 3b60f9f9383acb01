#include "platform/numberformat.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Enough for the digits of any finite double (309 before the point) with
// the largest precision kept and the digits that tell a tie.
constexpr int kMaxPrecision = 100;
constexpr int kTieDigits = 20;
constexpr std::size_t kWork = 309 + 2 + kMaxPrecision + kTieDigits + 16;

// The digits of |value| rounded to `precision` decimals in integer
// arithmetic, when that is certain to give what the C library prints:
// the scaled value is small enough to carry a fraction and its fraction is
// clearly away from one half, so the rounding error of the scaling cannot
// change the rounded digits.  Exact ties and near-ties go the slow way.
bool FastFixedDigits(double magnitude, int precision, char* digits) {
  constexpr int kFastPrecision = 9;
  if (!(magnitude < 1e6) || precision > kFastPrecision) return false;
  static constexpr double kScale[kFastPrecision + 1] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
  const double scaled = magnitude * kScale[precision];  // below 1e15 < 2^50
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  if (std::fabs(fraction - 0.5) <= scaled * 0x1p-50 + 0x1p-60) return false;
  unsigned long long n = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
  char reversed[32];
  int count = 0;
  do {
    reversed[count++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n != 0 || count <= precision);
  char* out = digits;
  for (int i = count - 1; i >= 0; --i) {
    *out++ = reversed[i];
    if (i == precision && precision > 0) *out++ = '.';
  }
  *out = '\0';
  return true;
}

}  // namespace

// The C library prints the exact binary value, so printing with 20 extra
// digits shows whether the dropped part is exactly one half: the nearest
// double that is not a tie differs by more than 10^-(precision+20).
std::size_t FixedDigits(double value, int precision, char* out, std::size_t size) {
  if (size == 0) return 0;
  precision = std::clamp(precision, 0, kMaxPrecision);
  const double magnitude = std::fabs(value);
  char digits[kWork];
  if (FastFixedDigits(magnitude, precision, digits)) {
    // done without the C library
  } else if (!std::isfinite(magnitude)) {
    std::snprintf(digits, sizeof digits, "%.*f", precision, magnitude);
  } else {
    const int n = std::snprintf(digits, sizeof digits, "%.*f", precision + kTieDigits, magnitude);
    const char* point = std::strchr(digits, '.');
    const char* tail = point + 1 + precision;
    const bool tie = n > 0 && tail[0] == '5' && std::strspn(tail + 1, "0") == std::strlen(tail + 1);
    if (!tie) {
      std::snprintf(digits, sizeof digits, "%.*f", precision, magnitude);
    } else {
      // Keep the digits up to the precision and add one unit in the last place.
      std::size_t kept = static_cast<std::size_t>(precision > 0 ? tail - digits : point - digits);
      digits[kept] = '\0';
      int i = static_cast<int>(kept) - 1;
      for (; i >= 0; --i) {
        if (digits[i] == '.') continue;
        if (digits[i] != '9') {
          ++digits[i];
          break;
        }
        digits[i] = '0';
      }
      if (i < 0) {
        std::memmove(digits + 1, digits, kept + 1);
        digits[0] = '1';
      }
    }
  }
  const std::size_t length = std::min(std::strlen(digits), size - 1);
  std::memcpy(out, digits, length);
  out[length] = '\0';
  return length;
}

namespace {

struct Conversion {
  size_t begin = 0, end = 0;  // [begin, end) of the conversion in the format
  std::string flags;
  int width = 0;
  int precision = -1;
  char type = 0;
};

bool FindConversion(const std::string& format, Conversion* c) {
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    if (i + 1 < format.size() && format[i + 1] == '%') {
      ++i;
      continue;
    }
    size_t j = i + 1;
    c->begin = i;
    while (j < format.size() && std::string("-+ 0#").find(format[j]) != std::string::npos)
      c->flags += format[j++];
    while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])))
      c->width = std::min(c->width * 10 + (format[j++] - '0'), 1000);
    if (j < format.size() && format[j] == '.') {
      c->precision = 0;
      ++j;
      while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])))
        c->precision = std::min(c->precision * 10 + (format[j++] - '0'), 1000);
    }
    if (j < format.size() && format[j] == 'l') ++j;
    if (j >= format.size()) return false;
    c->type = format[j];
    c->end = j + 1;
    return std::string("fFeEgG").find(c->type) != std::string::npos;
  }
  return false;
}

std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') ++i;
  }
  return out;
}

}  // namespace

std::string FormatNumberStd(const char* format, double value) {
  const std::string fmt(format);
  Conversion c;
  if (!FindConversion(fmt, &c)) return Unescape(fmt);
  std::string body;
  if ((c.type == 'f' || c.type == 'F') && std::isfinite(value)) {
    const int precision = c.precision < 0 ? 6 : std::min(c.precision, 100);
    char digits[kWork];
    FixedDigits(value, precision, digits, sizeof digits);
    body = digits;
    if (precision == 0 && c.flags.find('#') != std::string::npos) body += '.';
    const char* sign = std::signbit(value)                    ? "-"
                       : c.flags.find('+') != std::string::npos ? "+"
                       : c.flags.find(' ') != std::string::npos ? " "
                                                                : "";
    const bool left = c.flags.find('-') != std::string::npos;
    const bool zeros = !left && c.flags.find('0') != std::string::npos;
    const int pad = c.width - static_cast<int>(body.size() + std::string(sign).size());
    if (pad > 0 && zeros) body.insert(0, static_cast<size_t>(pad), '0');
    body.insert(0, sign);
    if (pad > 0 && !zeros) body.insert(left ? body.size() : 0, static_cast<size_t>(pad), ' ');
  } else {
    std::vector<char> buf(512);
    const std::string conversion = fmt.substr(c.begin, c.end - c.begin);
    std::snprintf(buf.data(), buf.size(), conversion.c_str(), value);
    body = buf.data();
  }
  return Unescape(fmt.substr(0, c.begin)) + body + Unescape(fmt.substr(c.end));
}

QString FormatNumber(const char* format, double value) {
  return QString::fromStdString(FormatNumberStd(format, value));
}

QString FormatNumber(const QString& format, double value) {
  return FormatNumber(format.toUtf8().constData(), value);
}
