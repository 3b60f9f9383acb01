// Registration of the action-button classes, so that documents can create
// them by name.
#include "cells/cellclasses.h"
#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/dynamic/buttons/commandbutton.h"
#include "cells/dynamic/buttons/linkbutton.h"
#include "cells/dynamic/buttons/movebutton.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/dynamic/buttons/viewbuttons.h"

void RegisterButtonClasses() {
  for (const CRuntimeClass* cls : {RUNTIME_CLASS(CGButnAnimation), RUNTIME_CLASS(CGButnMove), RUNTIME_CLASS(CGButnSHide), RUNTIME_CLASS(CGButnLink),
                                   RUNTIME_CLASS(CGButnCommand), RUNTIME_CLASS(CGButnRotate), RUNTIME_CLASS(CGButnTranslate),
                                   RUNTIME_CLASS(CGButnScale)})
    ClassRegistry::Register(cls);
}
