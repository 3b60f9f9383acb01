// The pages' pictures of one preview, each drawn by the view once and kept
// for showing its sheet again at another zoom and for printing from the
// preview.  Kept compressed: a construction's page on its plain background,
// 838 x 648 device pixels (2.2 MB as drawn), keeps in some 30 KB.
#pragma once
#include "ui/printing/sheetprinter.h"

// `job`, asking `job` for a page's picture the first time only and
// afterwards giving back the one it drew.
CPrintJob KeepPagePictures(const CPrintJob& job);
