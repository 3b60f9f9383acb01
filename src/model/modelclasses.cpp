#include "model/modelclasses.h"

#include "model/cgbutton.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/usertool.h"

void RegisterModelClasses() {
  ClassRegistry::Register(RUNTIME_CLASS(CGCell));
  ClassRegistry::Register(RUNTIME_CLASS(CGVertex));
  ClassRegistry::Register(RUNTIME_CLASS(CGPage));
  ClassRegistry::Register(RUNTIME_CLASS(CGButton));
  ClassRegistry::Register(RUNTIME_CLASS(CGButnPresentat));
  ClassRegistry::Register(RUNTIME_CLASS(CCondition));
  ClassRegistry::Register(RUNTIME_CLASS(CRecord));
}
