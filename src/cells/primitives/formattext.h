// Descriptions are printf formats of the original texts; their values are
// put in by hand so that a name holding "%" is shown as it is.
#pragma once
#include <QString>
#include <initializer_list>

// The format with each occurrence of `marker` replaced by the next value,
// in order; markers beyond the values become empty.
QString FillFormat(const char* format, const char* marker, std::initializer_list<QString> values);
