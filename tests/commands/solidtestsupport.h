// What the solid command tests share: a solid made by a command id or a
// direct call, checked as one undo step, and the places of its points.
#pragma once
#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/commandpage.h"

// The command `id` through the registry, or a direct call.
struct SolidEntry {
  SolidEntry(unsigned command) : id(command) {}
  SolidEntry(std::function<void(CKavrelDoc&)> direct) : call(std::move(direct)) {}
  unsigned id = 0;
  std::function<void(CKavrelDoc&)> call;
  void Run(CommandPage& p) const {
    if (call)
      call(p.doc);
    else
      EXPECT_TRUE(p.Run(id)) << "command " << id << " did not run";
  }
};

// Runs `entry` and checks that it made `n` cells under `label` as one
// step: undo takes exactly them back with the next id and vertex slot and
// leaves every older record as it was (names included), redo brings the
// same ids, classes and names; the selection stays.  Leaves the solid made
// and the selection as it was; returns the solid's ids.
std::vector<WORD> ExpectSolid(CommandPage& p, const SolidEntry& entry, int n, const char* label);

// The names of the points among `ids`, in id order, joined by spaces; an
// empty name is "-".
std::string PointNames(const CommandPage& p, const std::vector<WORD>& ids);

inline float Distance(const CommandPage& p, WORD a, WORD b) {
  const std::vector<float> u = p.At(a), v = p.At(b);
  return std::hypot(u[0] - v[0], u[1] - v[1], u[2] - v[2]);
}
inline float Distance(const CommandPage& p, const char* a, const char* b) {
  return Distance(p, p.Named(QString::fromUtf8(a)), p.Named(QString::fromUtf8(b)));
}
// Every coordinate within `tolerance`.
::testing::AssertionResult Near(const std::vector<float>& at, const std::vector<float>& expected,
                                float tolerance = 1e-4f);
