#include "cells/constructed/parametersource.h"

#include <cmath>

#include "cells/texts/cgtextmap.h"
#include "model/cgvertex.h"

const CGCell* DefinedSource(const CGCell& cell, size_t i) {
  const CGCell* source = cell.DefinedParentAs<CGVertex>(i);
  if (!source) source = cell.DefinedParentAs<CGTmVariable>(i);
  // A value past the float range (a distance between points far out) is
  // no parameter to follow: the follower would store it, and no document
  // holding it opens.
  return source && std::isfinite(source->m_fValue) ? source : nullptr;
}
