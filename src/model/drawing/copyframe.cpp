#include "model/drawing/copyframe.h"

#include "platform/processstate.h"

namespace {
int g_nOpenFrames = 0;
unsigned g_nCopyFrame = 1;

void SetStartValues() {
  g_nOpenFrames = 0;
  g_nCopyFrame = 1;
}

const ProcessStateReset reset(SetStartValues);
}  // namespace

CCopyFrame::CCopyFrame() {
  if (g_nOpenFrames++ == 0 && ++g_nCopyFrame == 0) g_nCopyFrame = 1;
}

CCopyFrame::~CCopyFrame() { --g_nOpenFrames; }

unsigned CurrentCopyFrame() { return g_nCopyFrame; }
