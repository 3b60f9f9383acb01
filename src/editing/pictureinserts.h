// Pictures put on the page from outside the construction: the clipboard's
// picture as a picture text (dark ink on white), following the first
// selected point when there is one, and a picture file as a picture cell.
#pragma once
#include <QString>
#include <vector>

#include "platform/types.h"

// A picture file read for a picture cell: rows of R, G, B padded to 4 bytes,
// the bottom row first.  On failure `failure` holds the message to show and
// there are no rows.  Pictures of fewer than 24 bits per pixel are converted
// in memory; one with a side beyond what a picture cell may have comes
// scaled down to fit, its proportions kept, and a declared size the
// decoder cannot hold fails before the pixels are read.
struct CPictureFile {
  int width = 0;
  int height = 0;
  std::vector<BYTE> rows;
  QString failure;
};
CPictureFile ReadPictureFile(const QString& path);
