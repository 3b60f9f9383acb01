// Registration of the colour modifier and the axis scale, so that
// documents can create them by name.
#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/dynamic/graphing/scaleline.h"

void RegisterGraphingClasses() {
  for (const CRuntimeClass* cls : {RUNTIME_CLASS(CGModifier), RUNTIME_CLASS(CGMdfColor), RUNTIME_CLASS(CGScaleline)})
    ClassRegistry::Register(cls);
}
