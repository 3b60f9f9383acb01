#include <gtest/gtest.h>

#include <limits>

#include "model/valueformat.h"

namespace KAVREL_FILE_LOCAL {

TEST(ChooseNumberFormat, WholeNumbersThenThePrecisionStep) {
  const float kInf = std::numeric_limits<float>::infinity();
  struct Case { float value, step; const char* format; } cases[] = {
      {3.0000004f, 0.01f, "%.0f"},  // within 1e-6 of a whole number
      {-7.0f, 0.1f, "%.0f"}, {2.5f, 0.01f, "%.2f"}, {2.5f, 1.0f, "%.0f"},
      {2.5f, 5.0f, "%.2f"},  // a coarse step still shows two decimals
      {2.5f, 0.1f, "%.1f"}, {2.5f, 0.00001f, "%.5f"}, {2.5f, 1.0005f, "%.0f"}, {2.5f, 1.002f, "%.2f"},
      {2.5f, 0.9985f, "%.1f"}, {2.5f, 0.001f, "%.3f"}, {2.5f, 0.0001f, "%.4f"}, {2.5f, 9.98e-5f, "%.5f"},
      {-2.5f, 0.0f, "%.5f"}, {2.5f, -1.0f, "%.5f"}, {3.0001f, 0.01f, "%.2f"},
      // beyond the integer range
      {3e9f, 0.01f, "%.0f"}, {-3e9f, 0.01f, "%.0f"}, {3.4e38f, 0.1f, "%.0f"}, {kInf, 0.1f, "%.1f"},
      {std::numeric_limits<float>::quiet_NaN(), 0.01f, "%.2f"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseNumberFormat(c.value, c.step), c.format) << c.value << " step " << c.step;
}

}  // namespace
