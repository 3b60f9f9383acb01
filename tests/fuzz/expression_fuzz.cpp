// The expression parser (UTF-8 input) over the variables calculations
// declare: check, parse, evaluate, and the mark-up it renders must read.
#include "formula/bintree.h"
#include "fuzzsupport.h"
#include "math/funparser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  CFunParser parser;
  parser.SetVariables(QStringLiteral("t,u,v,no1,no2"));
  for (int i = 0; i < parser.VariableCount(); ++i) parser.Values()[i] = 0.5 + i;
  parser.SetText(QString::fromUtf8(FuzzBytes(data, size)));
  parser.Check();
  if (parser.State() != kFunChecked) return 0;
  parser.Parse();
  double value = 0;
  parser.Evaluate(value);
  CBinTree tree;
  tree.SetVod(parser.GetVodText());
  if (!tree.m_pRoot) FuzzFinding("the expression's mark-up does not read");
  return 0;
}
