#include "cells/dynamic/parameters/expressioncells.h"

#include "cells/texts/cgtextmap.h"
#include "math/funparser.h"
#include "model/kindtests.h"

QString ValueVariableList(std::size_t count, const QString& first) {
  QString variables = first;
  for (std::size_t k = 1; k <= count; ++k) variables += QStringLiteral("No%1,").arg(k);
  return variables;
}

void CompileExpression(CFunParser& parser, const QString& variables, const QString& text) {
  parser.SetVariables(variables);
  parser.SetText(text);
  parser.Check();
  parser.Parse();
}

const CGTextmap* ValueParentOf(const CGCell& cell, std::size_t k) {
  if (const CGTmVariable* value = cell.ParentAs<CGTmVariable>(k)) return value;
  const CGTextmap* caption = cell.ParentAs<CGTextmap>(k);
  return caption && IsKindOfClassName(caption, "CGTmVector") ? caption : nullptr;
}
