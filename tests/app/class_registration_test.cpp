#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/classregistration.h"
#include "platform/runtimeclass.h"

namespace {

// Lists the storable classes the program cannot read yet; every registered
// class must be one of the storable names.
TEST(ClassRegistration, ReportsClassesNotBuiltYet) {
  RegisterAllClasses();
  const auto missing = ClassRegistry::MissingClassNames();
  std::string list;
  for (auto name : missing) list += std::string(name) + " ";
  RecordProperty("missing", list);
  std::printf("%zu of 179 storable classes not built yet: %s\n", missing.size(), list.c_str());
  EXPECT_LT(missing.size(), ClassRegistry::StorableClassNames().size());
  for (auto name : {"CGCell", "CGVertex", "CGPage", "CBinTree", "CGLine", "CGFace", "CGSphere", "CGCylinder",
                    "CGCone", "CGFrustum", "CGSphereCN", "CGCylinderCPC", "CGConeCPV", "CGFrustumCP2",
                    "CGVerFootpl", "CGVerFootpf"})
    EXPECT_NE(ClassRegistry::FromName(name), nullptr) << name;
  EXPECT_TRUE(ClassRegistry::UnlistedClassNames().empty());
}

}  // namespace
