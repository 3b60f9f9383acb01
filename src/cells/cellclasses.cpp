#include "cells/cellclasses.h"

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"

void RegisterCellClasses() {
  ClassRegistry::Register(RUNTIME_CLASS(CGLine));
  ClassRegistry::Register(RUNTIME_CLASS(CGFace));
}
