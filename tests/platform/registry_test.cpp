#include <gtest/gtest.h>

#include <set>

#include "platform/runtimeclass.h"

namespace KAVREL_FILE_LOCAL {

TEST(ClassRegistry, HoldsTheStorableClassesInRegistrationOrder) {
  const auto& names = ClassRegistry::StorableClassNames();
  ASSERT_EQ(names.size(), 179u);
  EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), 179u);
  struct Spot {
    size_t index;
    const char* name;
  } spots[] = {{0, "CGModel3ds"},  {1, "CGCell"},     {2, "CGVertex"},  {37, "CGButton"},
               {111, "CCondition"}, {112, "CRecord"}, {114, "CGPage"},  {171, "CBinTree"},
               {178, "CGSubassembly"}};
  for (const Spot& s : spots) EXPECT_EQ(names[s.index], s.name) << s.index;
}

}  // namespace
