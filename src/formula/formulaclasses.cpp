#include "formula/formulaclasses.h"

#include "formula/bintree.h"

void RegisterFormulaClasses() { ClassRegistry::Register(RUNTIME_CLASS(CBinTree)); }
