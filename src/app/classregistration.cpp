#include "app/classregistration.h"

#include "cells/cellclasses.h"
#include "formula/formulaclasses.h"
#include "model/modelclasses.h"

void RegisterAllClasses() {
  // Layers add their registration here as they gain storable classes.
  RegisterModelClasses();
  RegisterFormulaClasses();
  RegisterCellClasses();
}
