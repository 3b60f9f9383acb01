// Pictures of the command buttons: a rounded tile in the colour of the
// command's family with the first character of its label.  Drawn on demand,
// so the program needs no image files for its buttons.
#pragma once
#include <QIcon>

QIcon CommandIcon(unsigned id);
