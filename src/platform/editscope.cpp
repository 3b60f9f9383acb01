#include "platform/editscope.h"

namespace {
int g_nEditDepth = 0;
void (*g_pfnBegin)() = nullptr;
void (*g_pfnSettle)() = nullptr;
}  // namespace

CEditScope::CEditScope() {
  if (g_nEditDepth++ == 0 && g_pfnBegin) g_pfnBegin();
}

CEditScope::~CEditScope() {
  // The span stays open while the page settles: a message the computation
  // shows runs its own event loop, and the click that closes it opens an
  // inner span, which settles nothing and begins no other settle.
  if (g_nEditDepth == 1 && g_pfnSettle) g_pfnSettle();
  --g_nEditDepth;
}

void SetEditSettler(void (*begin)(), void (*settle)()) {
  g_pfnBegin = begin;
  g_pfnSettle = settle;
}

bool InEditScope() { return g_nEditDepth > 0; }

void SettleEditNow() {
  if (g_nEditDepth > 0) return;
  const CEditScope edit;
}
