#include "cells/cellclasses.h"

#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/follower2d.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/constructed/intersections.h"
#include "cells/constructed/mirrors.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/dynamic/iterations/iteration.h"
#include "cells/dynamic/tracks/track.h"
#include "cells/dynamic/measures/measuredvalue.h"
#include "cells/dynamic/paths/pathcell.h"
#include "cells/dynamic/surfaces/surface.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/primitives/perpendicularfeet.h"
#include "cells/revolution/roundsolids.h"
#include "cells/revolution/solidsbypoints.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "cells/texts/inkmarks.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/cgsection.h"
#include "cells/solids/faceoverlap.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "cells/solids/bodies/cgsubassembly.h"
#include "cells/solids/model3ds/cgmodel3ds.h"

// Common perpendicular, coordinates, centres, circle points, bisectors,
// circle-plane intersection and extended feet.
#include "cells/constructed/bisectors.h"
#include "cells/constructed/circleplane.h"
#include "cells/constructed/circlepoints.h"
#include "cells/constructed/commonperpen.h"
#include "cells/constructed/coordinatespoint.h"
#include "cells/constructed/extendedfeet.h"
#include "cells/constructed/paths/pathpieces.h"
#include "cells/constructed/trianglecentres.h"

void RegisterCellClasses() {
  ClassRegistry::Register(RUNTIME_CLASS(CGLine));
  ClassRegistry::Register(RUNTIME_CLASS(CGFace));
  ClassRegistry::Register(RUNTIME_CLASS(CGArc));
  ClassRegistry::Register(RUNTIME_CLASS(CGArcCircle3P));
  ClassRegistry::Register(RUNTIME_CLASS(CGArcCenterP));
  ClassRegistry::Register(RUNTIME_CLASS(CGArcPointN));
  ClassRegistry::Register(RUNTIME_CLASS(CGVerFree));
  ClassRegistry::Register(RUNTIME_CLASS(CGVerFreeXyz));
  ClassRegistry::Register(RUNTIME_CLASS(CGVerFreeInCircle));
  ClassRegistry::Register(RUNTIME_CLASS(CGVerFreeInLine));
  ClassRegistry::Register(RUNTIME_CLASS(CGVerFreeInFace));
  ClassRegistry::Register(RUNTIME_CLASS(CGVerFreeInPlane));
  ClassRegistry::Register(RUNTIME_CLASS(CGSphere));
  ClassRegistry::Register(RUNTIME_CLASS(CGCylinder));
  ClassRegistry::Register(RUNTIME_CLASS(CGCone));
  ClassRegistry::Register(RUNTIME_CLASS(CGFrustum));
  ClassRegistry::Register(RUNTIME_CLASS(CGSphereCN));
  ClassRegistry::Register(RUNTIME_CLASS(CGCylinderCPC));
  ClassRegistry::Register(RUNTIME_CLASS(CGConeCPV));
  ClassRegistry::Register(RUNTIME_CLASS(CGFrustumCP2));
  ClassRegistry::Register(RUNTIME_CLASS(CGVerFootpl));
  ClassRegistry::Register(RUNTIME_CLASS(CGVerFootpf));
  for (const CRuntimeClass* cls :
       {RUNTIME_CLASS(CGVerIntersection), RUNTIME_CLASS(CGVerIntersectionLF), RUNTIME_CLASS(CGVerIntersectionLS),
        RUNTIME_CLASS(CGVerIntersectionSS), RUNTIME_CLASS(CGArcPoint2), RUNTIME_CLASS(CGArcCenterR),
        RUNTIME_CLASS(CGVerFree2dHenchman), RUNTIME_CLASS(CGVerFreeUpright), RUNTIME_CLASS(CGVerFreeUprightEquid),
        RUNTIME_CLASS(CGVerFreeEquilateral), RUNTIME_CLASS(CGVerFreeParVector), RUNTIME_CLASS(CGVerFreeParVecPP),
        RUNTIME_CLASS(CGVerFreePerpen), RUNTIME_CLASS(CGVerFreeHenchman), RUNTIME_CLASS(CGVerMid),
        RUNTIME_CLASS(CGVerPerpenEquid)})
    ClassRegistry::Register(cls);
  // Translated, rotated, scaled and mirrored points.
  for (const CRuntimeClass* cls :
       {RUNTIME_CLASS(CGVerTranslate), RUNTIME_CLASS(CGVerTranslateM), RUNTIME_CLASS(CGVerTranslateStc),
        RUNTIME_CLASS(CGVerRotate),
        RUNTIME_CLASS(CGVerRotateXA), RUNTIME_CLASS(CGVerRotateXA2), RUNTIME_CLASS(CGVerRotateX),
        RUNTIME_CLASS(CGVerRotateA), RUNTIME_CLASS(CGVerRotateA2), RUNTIME_CLASS(CGVerScaleP),
        RUNTIME_CLASS(CGVerScaleL), RUNTIME_CLASS(CGVerScaleM), RUNTIME_CLASS(CGVerScale), RUNTIME_CLASS(CGVerScaleO),
        RUNTIME_CLASS(CGVerSymmetry), RUNTIME_CLASS(CGVerSymmetryP), RUNTIME_CLASS(CGVerSymmetryL),
        RUNTIME_CLASS(CGVerSymmetryF)})
    ClassRegistry::Register(cls);
  ClassRegistry::Register(RUNTIME_CLASS(CGTextbit));
  ClassRegistry::Register(RUNTIME_CLASS(CGTbImage));
  ClassRegistry::Register(RUNTIME_CLASS(CGTextmap));
  ClassRegistry::Register(RUNTIME_CLASS(CGTmSingleline));
  ClassRegistry::Register(RUNTIME_CLASS(CGTmVariable));
  ClassRegistry::Register(RUNTIME_CLASS(CGTbHenchman));
  for (const CRuntimeClass* cls :
       {RUNTIME_CLASS(CGTbVodText), RUNTIME_CLASS(CGTbMhc), RUNTIME_CLASS(CGInkmarks), RUNTIME_CLASS(CStroke)})
    ClassRegistry::Register(cls);
  ClassRegistry::Register(RUNTIME_CLASS(CGPolyhedron));
  ClassRegistry::Register(RUNTIME_CLASS(CGSection));
  ClassRegistry::Register(RUNTIME_CLASS(CGFold));
  ClassRegistry::Register(RUNTIME_CLASS(CGSplit));
  ClassRegistry::Register(RUNTIME_CLASS(CGSubassembly));
  ClassRegistry::Register(RUNTIME_CLASS(CGModel3ds));
  ClassRegistry::Register(RUNTIME_CLASS(CGVerOverlayFaceFirst));
  ClassRegistry::Register(RUNTIME_CLASS(CGVerFIF));
  RegisterMeasureClasses();
  RegisterGraphingClasses();
  RegisterPathClasses();
  RegisterPathPointClasses();
  RegisterSurfaceClasses();

  // Common perpendicular, coordinates, centres, circle points, bisectors,
  // circle-plane intersection and extended feet.
  for (const CRuntimeClass* cls :
       {RUNTIME_CLASS(CGVerCommonperpen), RUNTIME_CLASS(CGVerCoordinates), RUNTIME_CLASS(CGVerBarycenter),
        RUNTIME_CLASS(CGVerExcenter), RUNTIME_CLASS(CGVerIncenter), RUNTIME_CLASS(CGVerOrthocenter),
        RUNTIME_CLASS(CGVerEscenter), RUNTIME_CLASS(CGVerInCircleRot), RUNTIME_CLASS(CGVerInCircleFt),
        RUNTIME_CLASS(CGArcInCircle), RUNTIME_CLASS(CGVerBisectorA), RUNTIME_CLASS(CGVerBisectorEA),
        RUNTIME_CLASS(CGVerIntersectionCF), RUNTIME_CLASS(CGVerFootplEx), RUNTIME_CLASS(CGVerFootpfEx)})
    ClassRegistry::Register(cls);
  RegisterButtonClasses();
  RegisterIterationClasses();
  RegisterTrackClasses();
}
