// Class tests by name.  Most cell classes live in the layers above the model,
// which knows them only by their registered names; a class that is not
// registered has no cells, so the test is simply false.
#pragma once
#include <initializer_list>
#include <string_view>

class CObject;

// True when object is of the named class or of a class derived from it.
bool IsKindOfClassName(const CObject* object, std::string_view className);
// True when it is of any of the named classes.
bool IsKindOfAnyClassName(const CObject* object, std::initializer_list<std::string_view> classNames);
