// Displayed numbers.  Values are shown with printf formats ("%.2f"), but with
// exact ties rounded away from zero, as school arithmetic does: "%.0f" of 2.5
// is "3" and "%.2f" of 0.125 is "0.13" (the C library here would give "2"
// and "0.12").
#pragma once
#include <QString>
#include <cstddef>
#include <string>

// The digits of |value| as "%.<precision>f" prints them (precision kept
// within 0 to 100), exact ties away from zero, written to `out` with a
// terminating zero and cut to size - 1 characters; returns their count.
// It allocates nothing, so values can be shown while a point is dragged.
std::size_t FixedDigits(double value, int precision, char* out, std::size_t size);

// Formats one double with a printf format holding one conversion (f, e, g
// and their upper-case forms, with flags, width and precision) and any
// literal text; "%%" is a literal percent sign.
std::string FormatNumberStd(const char* format, double value);
QString FormatNumber(const char* format, double value);
QString FormatNumber(const QString& format, double value);
