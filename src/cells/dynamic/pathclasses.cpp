// Registration of the path classes, so that documents can create them by
// name.
#include "cells/dynamic/curve.h"
#include "cells/dynamic/locus.h"
#include "cells/dynamic/pathpoints.h"

void RegisterPathClasses() {
  for (const CRuntimeClass* cls : {RUNTIME_CLASS(CGLocus), RUNTIME_CLASS(CGCurve), RUNTIME_CLASS(CGVerFreeInLocus),
                                   RUNTIME_CLASS(CGVerFreeInCurve)})
    ClassRegistry::Register(cls);
}
