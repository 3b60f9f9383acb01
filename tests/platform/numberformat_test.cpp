// The digits of displayed numbers: the C library's wherever the exact value
// is no tie, whichever way they are worked out.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "platform/numberformat.h"

namespace KAVREL_FILE_LOCAL {

std::string Digits(double value, int precision) {
  char out[512];
  FixedDigits(value, precision, out, sizeof out);
  return out;
}

TEST(NumberDigits, AgreeWithTheLibraryAwayFromTies) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int i = 0; i < 100000; ++i) {
    // Magnitudes from 1e-7 to 1e8, doubles and widened floats, and values
    // one unit in the last place either side of a half.
    const int precision = (i / 16) % 10;
    double value = unit(random) * std::pow(10.0, i % 16 - 7);
    if (i % 3 == 1) value = static_cast<float>(value);
    const double p = std::pow(10.0, precision);
    if (i % 3 == 2) value = std::nextafter((std::floor(value * p) + 0.5) / p, i % 2 ? 0.0 : 1e300);
    char wide[512], expected[512];
    std::snprintf(wide, sizeof wide, "%.*f", precision + 30, value);
    const char* tail = std::strchr(wide, '.') + 1 + precision;
    if (tail[0] == '5' && std::strspn(tail + 1, "0") == std::strlen(tail + 1)) continue;  // a tie
    std::snprintf(expected, sizeof expected, "%.*f", precision, value);
    ASSERT_EQ(Digits(value, precision), expected) << value << " to " << precision;
    ASSERT_EQ(Digits(-value, precision), expected) << -value << " to " << precision;
  }
  // Carries through every digit; exact ties go away from zero.
  EXPECT_TRUE(Digits(999999.999, 2) == "1000000.00" && Digits(9.5, 0) == "10" && Digits(0.125, 2) == "0.13");
}

}  // namespace
