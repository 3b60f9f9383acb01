// What the expression-driven cells share (calculations, loci, curves): the
// variable lists they declare, compiling a text, and reading a parent's
// value.  Parent k (1-based) of such a cell is the variable "No" k.
#pragma once
#include <QString>
#include <cstddef>

class CFunParser;
class CGCell;
class CGTextmap;

// "No1," ... "Nok," for `count` value parents, after `first` ("t," for
// curves and loci, empty for calculations and range ends).
QString ValueVariableList(std::size_t count, const QString& first = QString());

// Declares the variables and compiles the text: set, checked and parsed.  A
// text that fails the check leaves the parser without a tree.
void CompileExpression(CFunParser& parser, const QString& variables, const QString& text);

// Parent k of the cell as a cell with a value: a measured value, or a vector
// (which gives its x); null when it is not there or is neither.
const CGTextmap* ValueParentOf(const CGCell& cell, std::size_t k);
