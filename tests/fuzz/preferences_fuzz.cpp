// The preferences file: what reads as usable preferences writes bytes that
// read back to the same preferences.
#include "app/preferences.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  const std::optional<CDisplayPrefs> prefs = DisplayPrefsFromBytes(FuzzBytes(data, size));
  if (!prefs) return 0;
  const QByteArray written = DisplayPrefsBytes(*prefs);
  const std::optional<CDisplayPrefs> again = DisplayPrefsFromBytes(written);
  if (!again || DisplayPrefsBytes(*again) != written) FuzzFinding("written preferences do not read back");
  return 0;
}
