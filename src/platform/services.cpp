// Headless defaults of the seams whose real versions need a running GUI.
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "platform/clipboard.h"
#include "platform/filechooser.h"
#include "platform/processstate.h"
#include "platform/seam.h"
#include "platform/shellopen.h"
#include "platform/uibridge.h"

namespace {
class CancellingFileChooser final : public IFileChooser {
 public:
  QString ChooseOpen(const QString&, const QString&, const QString&) override { return {}; }
  QString ChooseSave(const QString&, const QString&, const QString&) override { return {}; }
};

class DesktopShell final : public IShell {
 public:
  bool Open(const QString& target) override {
    if (target.isEmpty() || !qGuiApp) return false;
    QUrl url(target);
    // "C:\x.kv" parses with the scheme "c"; only real schemes count as URLs.
    const bool isUrl = url.isValid() && url.scheme().size() > 1;
    return QDesktopServices::openUrl(isUrl ? url : QUrl::fromLocalFile(target));
  }
};

// The system clipboard through Qt; private formats travel as MIME data under
// their Windows format name, so the name stays recognisable.
class SystemClipboard final : public IClipboard {
 public:
  SystemClipboard() {
    // Our own changes notify as they are made (below); the system's signal
    // stands for other programs, and may come again later for ours.
    m_connection = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, [] {
      if (!QGuiApplication::clipboard()->ownsClipboard()) NotifyClipboardChanged();
    });
  }
  ~SystemClipboard() override { QObject::disconnect(m_connection); }
  static QString Mime(const QString& format) {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(format);
  }
  void SetData(const QString& format, const QByteArray& data) override {
    auto* mime = new QMimeData;
    mime->setData(Mime(format), data);
    QGuiApplication::clipboard()->setMimeData(mime);
    NotifyClipboardChanged();
  }
  std::optional<QByteArray> Data(const QString& format) const override {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(Mime(format))) return std::nullopt;
    return mime->data(Mime(format));
  }
  bool HasFormat(const QString& format) const override {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasFormat(Mime(format));
  }
  void SetDataAndImage(const QString& format, const QByteArray& data, const QImage& image) override {
    auto* mime = new QMimeData;
    mime->setData(Mime(format), data);
    if (!image.isNull()) mime->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(mime);
    NotifyClipboardChanged();
  }
  void SetImage(const QImage& image) override {
    QGuiApplication::clipboard()->setImage(image);
    NotifyClipboardChanged();
  }
  QImage Image() const override { return QGuiApplication::clipboard()->image(); }
  bool HasImage() const override {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasImage();
  }
  void SetText(const QString& text) override {
    QGuiApplication::clipboard()->setText(text);
    NotifyClipboardChanged();
  }
  QString Text() const override { return QGuiApplication::clipboard()->text(); }

 private:
  QMetaObject::Connection m_connection;
};

struct ClipboardListener {
  const void* owner = nullptr;
  std::function<void()> listener;
};
ClipboardListener s_clipboardListener;

class NullUiBridge final : public IUiBridge {
 public:
  LRESULT Send(UiTarget, UINT, WPARAM, LPARAM) override { return 0; }
  void Post(UiTarget, UINT, WPARAM, LPARAM) override {}
  void SetStatusText(int, const QString&) override {}
  void UpdateAllViews() override {}
};

SeamSlot<IFileChooser>& ChooserSlot() {
  static SeamSlot<IFileChooser> slot([] { return std::make_unique<CancellingFileChooser>(); });
  return slot;
}
SeamSlot<IShell>& ShellSlot() {
  static SeamSlot<IShell> slot([] { return std::make_unique<DesktopShell>(); });
  return slot;
}
SeamSlot<IClipboard>& ClipboardSlot() {
  static SeamSlot<IClipboard> slot([]() -> std::unique_ptr<IClipboard> {
    if (qGuiApp && QGuiApplication::platformName() != QLatin1String("offscreen"))
      return std::make_unique<SystemClipboard>();
    return std::make_unique<MemoryClipboard>();
  });
  return slot;
}
SeamSlot<IUiBridge>& BridgeSlot() {
  static SeamSlot<IUiBridge> slot([] { return std::make_unique<NullUiBridge>(); });
  return slot;
}

const ProcessStateReset reset([] {
  ChooserSlot().Set(nullptr);
  ShellSlot().Set(nullptr);
  ClipboardSlot().Set(nullptr);
  BridgeSlot().Set(nullptr);
  s_clipboardListener = ClipboardListener();
});
}  // namespace

void MemoryClipboard::SetData(const QString& format, const QByteArray& data) {
  *this = MemoryClipboard();
  m_format = format;
  m_data = data;
  NotifyClipboardChanged();
}
std::optional<QByteArray> MemoryClipboard::Data(const QString& format) const {
  if (!HasFormat(format)) return std::nullopt;
  return m_data;
}
bool MemoryClipboard::HasFormat(const QString& format) const {
  return !m_format.isEmpty() && m_format == format;
}
void MemoryClipboard::SetDataAndImage(const QString& format, const QByteArray& data, const QImage& image) {
  SetData(format, data);
  m_image = image;
}
void MemoryClipboard::SetImage(const QImage& image) {
  *this = MemoryClipboard();
  m_image = image;
  NotifyClipboardChanged();
}
QImage MemoryClipboard::Image() const { return m_image; }
void MemoryClipboard::SetText(const QString& text) {
  *this = MemoryClipboard();
  m_text = text;
  NotifyClipboardChanged();
}
QString MemoryClipboard::Text() const { return m_text; }

IFileChooser& FileChooser() { return ChooserSlot().Get(); }
std::unique_ptr<IFileChooser> SetFileChooser(std::unique_ptr<IFileChooser> c) {
  return ChooserSlot().Set(std::move(c));
}
IShell& Shell() { return ShellSlot().Get(); }
std::unique_ptr<IShell> SetShell(std::unique_ptr<IShell> s) { return ShellSlot().Set(std::move(s)); }
IClipboard& Clipboard() { return ClipboardSlot().Get(); }
std::unique_ptr<IClipboard> SetClipboard(std::unique_ptr<IClipboard> c) {
  return ClipboardSlot().Set(std::move(c));
}
void SetClipboardListener(const void* owner, std::function<void()> listener) {
  s_clipboardListener = {owner, std::move(listener)};
}
void WithdrawClipboardListener(const void* owner) {
  if (s_clipboardListener.owner == owner) s_clipboardListener = ClipboardListener();
}
void NotifyClipboardChanged() {
  // A copy: the listener may replace itself while it runs.
  const std::function<void()> listener = s_clipboardListener.listener;
  if (listener) listener();
}
IUiBridge& UiBridge() { return BridgeSlot().Get(); }
std::unique_ptr<IUiBridge> SetUiBridge(std::unique_ptr<IUiBridge> b) {
  return BridgeSlot().Set(std::move(b));
}
