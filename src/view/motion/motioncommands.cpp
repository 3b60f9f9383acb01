#include "view/motion/motioncommands.h"

#include "platform/commandids.h"
#include "view/motion/viewmotion.h"

void RegisterMotionCommands(CViewMotion& motion, const void* owner) {
  for (auto rows : {ProjectionCommandRows, DisplayCommandRows, MotionKeyRows})
    RegisterCommandRows(rows(), motion, owner);
  // Command buttons stored in documents still start action buttons through
  // the old command range (3024 + the button's id).
  CommandRegistry().RegisterRange(
      ID_CELL_COMMAND_BASE, ID_CELL_COMMAND_LAST,
      [&motion](unsigned id) { motion.OnCellCommand(static_cast<WORD>(id - ID_CELL_COMMAND_BASE)); }, {}, owner);
}
