#include "model/kindtests.h"

#include "platform/runtimeclass.h"

bool IsKindOfClassName(const CObject* object, std::string_view className) {
  const CRuntimeClass* cls = ClassRegistry::FromName(className);
  return object && cls && object->IsKindOf(cls);
}

bool IsKindOfAnyClassName(const CObject* object, std::initializer_list<std::string_view> classNames) {
  for (std::string_view name : classNames)
    if (IsKindOfClassName(object, name)) return true;
  return false;
}
