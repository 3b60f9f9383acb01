// The coordinate read-outs beside the pointer and the copy box's size text.
#include <gtest/gtest.h>

#include "view/readouts.h"

namespace KAVREL_FILE_LOCAL {

TEST(Readouts, WholeCoordinatesShowNoDecimalsAndTheBoxSize) {
  struct Case { double x, y, z; const char* shortForm; };
  const Case cases[] = {
      {1, 2.5, 3, "( 1, 2.5, 3 )"},
      {2.0000004, -1.9999996, 0, "( 2, -2, 0 )"},     // within 1e-6: whole
      {1.0000011, 0.5, -3, "( 1.0, 0.5, -3 )"},       // just beyond: one decimal
      {-1.25, 0.25, 199.96, "( -1.3, 0.3, 200.0 )"},  // ties away from zero
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatCoordinateReadout(c.x, c.y, c.z, false).toStdString(), c.shortForm);
    EXPECT_EQ(FormatCoordinateReadout(c.x, c.y, c.z, true).toStdString(), std::string("   ") + c.shortForm);
  }
  EXPECT_EQ(FormatBoxSizeText(200, 15).toStdString(), "( 200 * 15)");
}

}  // namespace
