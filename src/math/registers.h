// The six registers of the expression language.  Formulas write them with
// set1 ... set6 and accum and read them with get, and the presentation
// buttons' loops set and test the same values, so they live for the whole
// process and keep their values between evaluations and between formulas.
#pragma once

constexpr int kExpressionRegisterCount = 6;

// Register k (1 to 6) is ExpressionRegisters[k - 1]; all are 0 at start.
extern double ExpressionRegisters[kExpressionRegisterCount];

// Register k; any k outside 1 to 6 means register 6, as the expression
// functions accum and get read their argument.
double& ExpressionRegister(int k);
