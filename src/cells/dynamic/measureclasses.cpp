// Registration of the measured-value, vector and attached-value classes, so
// that documents can create them by name.
#include "cells/dynamic/vectors/attachedvalue.h"
#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/measures/pointreadings.h"
#include "cells/dynamic/measures/roundmeasures.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/vectors/vectormeasures.h"
#include "cells/dynamic/vectors/vectorvalues.h"

void RegisterMeasureClasses() {
  for (const CRuntimeClass* cls :
       {RUNTIME_CLASS(CGTmVarCoordX), RUNTIME_CLASS(CGTmVarCoordY), RUNTIME_CLASS(CGTmVarCoordZ),
        RUNTIME_CLASS(CGTmVarPara), RUNTIME_CLASS(CGTmVarParaPInL), RUNTIME_CLASS(CGTmVarParaPInY),
        RUNTIME_CLASS(CGTmVarDistancePP), RUNTIME_CLASS(CGTmVarDistancePL), RUNTIME_CLASS(CGTmVarDistancePF),
        RUNTIME_CLASS(CGTmVarDistanceLL), RUNTIME_CLASS(CGTmVarAngleLL), RUNTIME_CLASS(CGTmVarAngleLF),
        RUNTIME_CLASS(CGTmVarAngleFF), RUNTIME_CLASS(CGTmVarAngleP3), RUNTIME_CLASS(CGTmVarArea),
        RUNTIME_CLASS(CGTmVarVolume), RUNTIME_CLASS(CGTmVarRadius), RUNTIME_CLASS(CGTmVarAreaCircle),
        RUNTIME_CLASS(CGTmVarLenArc), RUNTIME_CLASS(CGTmVarAreaCylinder), RUNTIME_CLASS(CGTmVarAreaCone),
        RUNTIME_CLASS(CGTmVarAreaFrustum), RUNTIME_CLASS(CGTmVarAreaSphere), RUNTIME_CLASS(CGTmVarVolumeCylinder),
        RUNTIME_CLASS(CGTmVarVolumeCone), RUNTIME_CLASS(CGTmVarVolumeFrustum), RUNTIME_CLASS(CGTmVarVolumeSphere),
        RUNTIME_CLASS(CGTmVarParameter), RUNTIME_CLASS(CGTmVarCalculator), RUNTIME_CLASS(CGTmVector),
        RUNTIME_CLASS(CGTmVectorPoint), RUNTIME_CLASS(CGTmVectorPP), RUNTIME_CLASS(CGTmVectorNface),
        RUNTIME_CLASS(CGTmVectorAdd), RUNTIME_CLASS(CGTmVectorMinus), RUNTIME_CLASS(CGTmVectorCross),
        RUNTIME_CLASS(CGTmVectorScaled), RUNTIME_CLASS(CGTmVarVectorLength), RUNTIME_CLASS(CGTmVarVectorDot),
        RUNTIME_CLASS(CGTmVarVecProduct), RUNTIME_CLASS(CGTmVarVectorComponentX),
        RUNTIME_CLASS(CGTmVarVectorComponentY), RUNTIME_CLASS(CGTmVarVectorComponentZ),
        RUNTIME_CLASS(CGTmVarAfterP)})
    ClassRegistry::Register(cls);
}
