#include "cells/texts/valuetext.h"

#include <algorithm>
#include <cmath>

#include "platform/numberformat.h"

void ValueTextBuffer::AddNumber(double shown, int decimals) {
  char digits[64];
  const std::size_t n = FixedDigits(shown, decimals, digits, sizeof digits);
  const bool zero = std::all_of(digits, digits + n, [](char c) { return c == '0' || c == '.'; });
  if (std::signbit(shown) && !zero) Put(u'-');
  AddAscii(digits, n);
}

void AssignInPlace(QString& target, QStringView text) {
  // Room for the numbers to grow (a vector has three), also for a text
  // that was assigned whole, without room.
  constexpr qsizetype kRoom = 24;
  if (target.capacity() < text.size() || target.capacity() < kRoom) target.reserve(text.size() + kRoom);
  target.resize(text.size());
  std::copy(text.begin(), text.end(), target.data());
}
