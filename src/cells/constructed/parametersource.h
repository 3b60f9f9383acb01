// The source a same-parameter point follows.
#pragma once
#include <cstddef>

class CGCell;

// Parent i when it is defined and carries a parameter in its value field,
// a point on a path or a scalar value (a measurement, calculation or
// parameter), and that parameter is a finite number; else null.
const CGCell* DefinedSource(const CGCell& cell, size_t i);
