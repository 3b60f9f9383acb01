// The command button replays a list of program commands, one every so many
// ticks, as if chosen from the ribbon; the wait command holds the list
// while the page's media player is open.  All command buttons share one
// tick counter, so two running at once share one delay.
#pragma once
#include <QString>
#include <vector>

#include "model/cgbutton.h"

class CGButnCommand : public CGButton {
  DECLARE_SERIAL(CGButnCommand)

 public:
  CGButnCommand() = default;
  // At the page's next button position.
  CGButnCommand(WORD id, const QString& caption, std::vector<std::int32_t> commands, std::int32_t delay);

  // The button record, then the count, the delay, the two reserved words
  // and the command ids.  A negative count, or one the remaining bytes
  // cannot hold, fails the load.
  void Serialize(CArchive& ar) override;
  // Posts the next command to the main window (only commands the button
  // offers; others are passed over), then waits the delay.  Finished on
  // the tick that posts or passes the last command, or at once without
  // commands.
  bool Step() override;
  // The caption.
  QString GetDescription() override { return m_strName; }

  std::vector<std::int32_t> m_commands;
  std::int32_t m_nDelay = 12;  // ticks after each posted command
  float m_fReserved = 0;
  std::int32_t m_nReserved = 0;
  size_t m_nNext = 0;  // the next command (not stored)
};

// Ticks since the last command any command button posted.
extern int g_nCommandTicks;
