// Registration of the path classes, so that documents can create them by
// name.
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/paths/pathpoints.h"

void RegisterPathClasses() {
  for (const CRuntimeClass* cls : {RUNTIME_CLASS(CGLocus), RUNTIME_CLASS(CGCurve), RUNTIME_CLASS(CGVerFreeInLocus),
                                   RUNTIME_CLASS(CGVerFreeInCurve)})
    ClassRegistry::Register(cls);
}
