#include "cells/constructed/parametersource.h"

#include "cells/texts/cgtextmap.h"
#include "model/cgvertex.h"

const CGCell* DefinedSource(const CGCell& cell, size_t i) {
  if (const CGCell* point = cell.DefinedParentAs<CGVertex>(i)) return point;
  return cell.DefinedParentAs<CGTmVariable>(i);
}
