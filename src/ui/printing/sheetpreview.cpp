#include "ui/printing/sheetpreview.h"

#include <cmath>

#include <QEvent>
#include <QGraphicsView>
#include <QPaintEngine>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "ui/printing/pagepictures.h"
#include "ui/printing/sheetprinter.h"

namespace {
// A new recording for a zoom that shows the pictures this much larger or
// smaller than the last one did.
constexpr double kRescaleTolerance = 0.005;

// Records the sheets for the preview's zoom.  Zooming tells of itself by no
// signal (fitting a resized window does, zooming in does not), so every
// repaint of the preview's view checks the scale it shows the sheets at.
class CSheetRecorder : public QObject {
 public:
  CSheetRecorder(QPrintPreviewWidget& preview, const CPrintJob& job)
      : QObject(&preview),
        m_preview(preview),
        m_view(preview.findChild<QGraphicsView*>()),
        m_job(KeepPagePictures(job)) {
    connect(&preview, &QPrintPreviewWidget::paintRequested, this, &CSheetRecorder::Paint);
    if (m_view) m_view->viewport()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) FollowZoom();
    return QObject::eventFilter(watched, event);
  }

 private:
  // The screen pixels one device unit of the sheets is shown as (0 with
  // no view of them: the whole picture then).
  double Scale() const {
    return m_view ? std::sqrt(std::abs(m_view->transform().determinant())) * m_view->devicePixelRatioF() : 0;
  }

  void Paint(QPrinter* printer) {
    if (!printer) return;
    // The preview's print command paints the printer itself: that gets
    // the whole picture.
    const QPaintEngine* engine = printer->paintEngine();
    const bool recorded = engine && engine->type() == QPaintEngine::Picture;
    if (recorded) m_scale = Scale();
    PrintSheets(*printer, m_job, recorded ? m_scale : 0);
  }

  // A new recording waits for the event loop, out of the view's paint.
  void FollowZoom() {
    const double scale = Scale();
    if (m_asked || std::abs(scale - m_scale) <= kRescaleTolerance * scale) return;
    m_asked = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          m_asked = false;
          m_preview.updatePreview();
        },
        Qt::QueuedConnection);
  }

  QPrintPreviewWidget& m_preview;
  QGraphicsView* m_view;  // the preview's own, a child of it
  const CPrintJob m_job;  // the view draws each page once for the preview
  double m_scale = 0;  // what the shown sheets were recorded for
  bool m_asked = false;
};
}  // namespace

void PreviewSheets(QPrintPreviewWidget& preview, const CPrintJob& job) { new CSheetRecorder(preview, job); }
