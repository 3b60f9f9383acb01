// Pictures of the command buttons: a rounded tile in the colour of the
// command's family with the first character of its label.  Drawn on demand,
// so the program needs no image files for its buttons.
#pragma once
#include <QIcon>

QIcon CommandIcon(unsigned id);

// Picture `image` of the program's image list as far as commands switch to
// it (the merged line tool's 2 segment, 3 ray, 4 straight line, 5 vector);
// null for any other.
QIcon ImageListIcon(int image);
