// The formula mark-up reader (UTF-8 input): every text form is written, the
// mark-up written reads back and settles after at most one more pass, and
// the formula is drawn.
#include "formula/bintree.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  CBinTree tree;
  tree.SetVod(QString::fromUtf8(FuzzBytes(data, size)));
  for (int mode = 1; mode <= 3; ++mode) (void)tree.GetText(mode);
  CBinTree second;
  second.SetVod(tree.GetText(0));
  const QString settled = second.GetText(0);
  CBinTree third;
  third.SetVod(settled);
  if (third.GetText(0) != settled) FuzzFinding("written mark-up does not settle");
  (void)tree.RenderToBitmap();
  return 0;
}
