// The print preview's sheets.  The preview records the sheets once and
// shows the recording at its zoom, so each page's picture is recorded
// already scaled to the size it is shown at (see PrintSheet), and recorded
// again when the zoom changes: scaled anew from the picture the view drew
// when the preview opened (ui/printing/pagepictures.h), which its print
// command prints too.
#pragma once

class QPrintPreviewWidget;
struct CPrintJob;

// The job's sheets in `preview`, from now on.
void PreviewSheets(QPrintPreviewWidget& preview, const CPrintJob& job);
