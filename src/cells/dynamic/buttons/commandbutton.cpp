#include "cells/dynamic/buttons/commandbutton.h"

#include <algorithm>
#include <utility>

#include "cells/dynamic/buttons/buttontexts.h"
#include "platform/archive.h"
#include "platform/processstate.h"
#include "platform/uibridge.h"
#include "render/viewglobals.h"

IMPLEMENT_SERIAL(CGButnCommand, CGButton)

int g_nCommandTicks = 0;

namespace {
const ProcessStateReset reset([] { g_nCommandTicks = 0; });

constexpr UINT kWmCommand = 0x0111;
// The wait tests the player again this many ticks before the delay ends.
constexpr int kMediaRetest = 5;
// A delay beyond this (about a week at 25 frames a second) waits this long.
constexpr std::int32_t kLongestDelay = 1 << 24;

bool Offered(std::int32_t id) {
  return std::any_of(std::begin(kButtonCommands), std::end(kButtonCommands),
                     [id](const ButtonCommand& c) { return static_cast<std::int32_t>(c.id) == id; });
}
}  // namespace

CGButnCommand::CGButnCommand(WORD id, const QString& caption, std::vector<std::int32_t> commands,
                             std::int32_t delay)
    : m_commands(std::move(commands)), m_nDelay(delay) {
  m_nId = id;
  m_strName = caption;
  PlaceAtNextPosition();
}

void CGButnCommand::Serialize(CArchive& ar) {
  CGButton::Serialize(ar);
  if (ar.IsStoring()) {
    ar << static_cast<std::int32_t>(m_commands.size()) << m_nDelay << m_fReserved << m_nReserved;
    for (std::int32_t command : m_commands) ar << command;
    return;
  }
  const std::int32_t count = ar.ReadInt();
  ar >> m_nDelay >> m_fReserved >> m_nReserved;
  if (count < 0 || count > ar.Remaining() / 4)
    throw CArchiveException(ArchiveError::BadData, "a command list of " + std::to_string(count) + " commands");
  m_commands.assign(static_cast<size_t>(count), 0);
  for (std::int32_t& command : m_commands) ar >> command;
  m_nNext = 0;
}

bool CGButnCommand::Step() {
  if (m_commands.empty()) return true;
  const int delay = std::clamp(m_nDelay, 0, kLongestDelay);
  const int old = g_nCommandTicks++;
  if (old != 0) {
    if (g_nCommandTicks > delay) g_nCommandTicks = 0;
    return false;
  }
  if (m_nNext < m_commands.size()) {  // a restart after a stop goes on with the next command
    const std::int32_t id = m_commands[m_nNext];
    if (id == static_cast<std::int32_t>(kCmdWaitForMedia) && g_bMediaOpen) {
      g_nCommandTicks = delay - kMediaRetest;
      return false;
    }
    if (id == static_cast<std::int32_t>(kCmdWaitForMedia) || !Offered(id)) {
      g_nCommandTicks = 0;  // passed over: the next command goes on the next tick
    } else {
      UiBridge().Post(UiTarget::Frame, kWmCommand, static_cast<WPARAM>(id), 0);
    }
    ++m_nNext;
  }
  if (m_nNext < m_commands.size()) return false;
  m_nNext = 0;
  return true;
}
