// Formulas over measured values call value k (counted from 1) "No" k, in
// the text as typed and in the parser's mark-up alike.  What a person reads
// has each variable written in as the value's name.
#pragma once
#include <QString>
#include <cstddef>
#include <functional>

// The text with every variable "No" k, 1 <= k <= count, replaced by
// `replacement(k - 1)`.  A variable is the whole digit run after "No", so
// No12 is never No1 followed by "2", and one pass over the text keeps a
// name written in from being taken for a variable in its turn.
QString WriteInValueVariables(const QString& text, std::size_t count,
                              const std::function<QString(std::size_t)>& replacement);
