// The texts the view draws beside the pointer: the coordinates of the
// placed point and the size of the copy box.  Plain ASCII, so they are
// drawn through the text font's fixed character lists.
#pragma once
#include <QString>

// "( x, y, z )": each coordinate within 1e-6 of a whole number without
// decimals, any other with one.  The long form, shown while a point is
// dragged, starts with three spaces.
QString FormatCoordinateReadout(double x, double y, double z, bool longForm);

// "( w * h)": the copy box's size in pixels.
QString FormatBoxSizeText(int width, int height);
