// The system clipboard: private records by format name ("CF_KAVREL" for
// cells, "DuvoCBFName" for formula mark-up), pictures and plain text.
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  // Replaces the clipboard contents with one record of the named format.
  virtual void SetData(const QString& format, const QByteArray& data) = 0;
  virtual std::optional<QByteArray> Data(const QString& format) const = 0;
  virtual bool HasFormat(const QString& format) const = 0;
  // Replaces the contents with one record of the named format and a picture
  // of the same thing, for programs that take only pictures.  A clipboard
  // that holds one thing at a time keeps the record.
  virtual void SetDataAndImage(const QString& format, const QByteArray& data, const QImage& /*image*/) {
    SetData(format, data);
  }
  virtual void SetImage(const QImage& image) = 0;
  virtual QImage Image() const = 0;
  // Whether a picture can be had, without converting it.
  virtual bool HasImage() const = 0;
  virtual void SetText(const QString& text) = 0;
  virtual QString Text() const = 0;
};

// An in-memory clipboard: the default without a GUI application, and the
// stand-in tests use.  Every change notifies the listener, as the system
// clipboard does.
class MemoryClipboard : public IClipboard {
 public:
  void SetData(const QString& format, const QByteArray& data) override;
  std::optional<QByteArray> Data(const QString& format) const override;
  bool HasFormat(const QString& format) const override;
  void SetDataAndImage(const QString& format, const QByteArray& data, const QImage& image) override;
  void SetImage(const QImage& image) override;
  QImage Image() const override;
  bool HasImage() const override { return !m_image.isNull(); }
  void SetText(const QString& text) override;
  QString Text() const override;

 private:
  QString m_format;
  QByteArray m_data;
  QImage m_image;
  QString m_text;
};

IClipboard& Clipboard();
std::unique_ptr<IClipboard> SetClipboard(std::unique_ptr<IClipboard> clipboard);

// Whoever must hear of every change of the clipboard's contents (made by
// this program or another) registers here; the listener outlives any
// replacement of the clipboard itself.  One listener; `owner` names it for
// the withdrawal.
void SetClipboardListener(const void* owner, std::function<void()> listener);
void WithdrawClipboardListener(const void* owner);
// Called by the clipboards after their contents changed.
void NotifyClipboardChanged();
