// The print preview's sheets.  The preview records the sheets once and
// shows the recording at its zoom, so each page's picture is recorded
// already scaled to the size it is shown at (see PrintSheet), and recorded
// again when the zoom changes.
#pragma once

class QPrintPreviewWidget;
struct CPrintJob;

// The job's sheets in `preview`, from now on.
void PreviewSheets(QPrintPreviewWidget& preview, const CPrintJob& job);
