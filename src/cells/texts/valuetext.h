// Value texts composed on the stack and written into a caption in place, so
// that a caption whose number changes while a point is dragged costs no
// allocation after its first text.
#pragma once
#include <QString>
#include <QStringView>
#include <cstddef>

class ValueTextBuffer {
 public:
  void Add(QStringView text) {
    for (QChar c : text) Put(c.unicode());
  }
  void AddAscii(const char* text, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) Put(static_cast<char16_t>(text[i]));
  }
  void Put(char16_t c) {
    if (m_size < kMax) m_text[m_size++] = c;
  }
  // `shown` with `decimals` decimals, ties away from zero, "-" before a
  // negative number; a number shown as zero has no sign (not "-0").
  void AddNumber(double shown, int decimals);
  QStringView View() const { return {m_text, m_size}; }

 private:
  // Room for three components of the largest float ("-", 39 digits, five
  // decimals each) with their brackets and separators.
  static constexpr qsizetype kMax = 160;
  char16_t m_text[kMax];
  qsizetype m_size = 0;
};

// Makes `target` equal `text`, reusing its buffer, which keeps room for a
// longer text.
void AssignInPlace(QString& target, QStringView text);
