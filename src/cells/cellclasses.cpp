#include "cells/cellclasses.h"

#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"

void RegisterCellClasses() {
  ClassRegistry::Register(RUNTIME_CLASS(CGLine));
  ClassRegistry::Register(RUNTIME_CLASS(CGFace));
  ClassRegistry::Register(RUNTIME_CLASS(CGArc));
  ClassRegistry::Register(RUNTIME_CLASS(CGArcCircle3P));
  ClassRegistry::Register(RUNTIME_CLASS(CGArcCenterP));
  ClassRegistry::Register(RUNTIME_CLASS(CGArcPointN));
}
