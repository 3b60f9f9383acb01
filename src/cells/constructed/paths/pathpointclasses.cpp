// Registration of the points on paths and carriers and of the numeric
// intersections, so that documents can create them by name.
#include "cells/constructed/numeric/numericintersections.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/paths/combinedpaths.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/constructed/paths/pathpieces.h"

void RegisterPathPointClasses() {
  for (const CRuntimeClass* cls :
       {RUNTIME_CLASS(CGVerFreeInBorder), RUNTIME_CLASS(CGVerInBorderFt), RUNTIME_CLASS(CGVerInBorder),
        RUNTIME_CLASS(CGVerFreeInPaths), RUNTIME_CLASS(CGVerInPaths), RUNTIME_CLASS(CGVerInLineFixedf),
        RUNTIME_CLASS(CGVerInLineFt), RUNTIME_CLASS(CGVerInCircleFixedf), RUNTIME_CLASS(CGVerInCircleScale),
        RUNTIME_CLASS(CGVerInCurveFixedf), RUNTIME_CLASS(CGVerInCurveFt), RUNTIME_CLASS(CGVerInLocusFixedf),
        RUNTIME_CLASS(CGVerInLocusFt), RUNTIME_CLASS(CGVerIntersectionLG), RUNTIME_CLASS(CGVerIntersectionLQ),
        RUNTIME_CLASS(CGVerIntersectionCQ), RUNTIME_CLASS(CGVerIntersectionCG), RUNTIME_CLASS(CGVerIntersectionQQ),
        RUNTIME_CLASS(CGVerIntersectionGG), RUNTIME_CLASS(CGVerIntersectionQG)})
    ClassRegistry::Register(cls);
}
