#include "math/registers.h"

#include "platform/processstate.h"

double ExpressionRegisters[kExpressionRegisterCount] = {};

namespace {
const ProcessStateReset reset([] {
  for (double& r : ExpressionRegisters) r = 0.0;
});
}  // namespace

double& ExpressionRegister(int k) {
  if (k < 1 || k > kExpressionRegisterCount) k = kExpressionRegisterCount;
  return ExpressionRegisters[k - 1];
}
