#include "app/guiseams.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include "app/apptexts.h"
#include "app/localfiledetails.h"
#include "ui/dialogs/dialogwidgets.h"

namespace {
class MessageBoxNotifier final : public INotifier {
 public:
  explicit MessageBoxNotifier(QWidget* parent) : m_parent(parent) {}
  int Show(const QString& text, const QString& caption, unsigned type) override {
    // Without a caption of its own a box says the program's name, as the
    // main window does.
    const QString title = caption.isEmpty() ? QString::fromUtf8(kTextAppTitle) : caption;
    QMessageBox box(IconOf(type), title, text, QMessageBox::NoButton, m_parent);
    const auto add = [&box](QMessageBox::StandardButton button, int answer) {
      box.addButton(button)->setProperty("kvAnswer", answer);
    };
    switch (type & MB_TYPEMASK) {
      case MB_OKCANCEL: add(QMessageBox::Ok, IDOK); add(QMessageBox::Cancel, IDCANCEL); break;
      case MB_ABORTRETRYIGNORE:
        add(QMessageBox::Abort, IDABORT); add(QMessageBox::Retry, IDRETRY); add(QMessageBox::Ignore, IDIGNORE);
        break;
      case MB_YESNOCANCEL: add(QMessageBox::Yes, IDYES); add(QMessageBox::No, IDNO); add(QMessageBox::Cancel, IDCANCEL); break;
      case MB_YESNO: add(QMessageBox::Yes, IDYES); add(QMessageBox::No, IDNO); break;
      case MB_RETRYCANCEL: add(QMessageBox::Retry, IDRETRY); add(QMessageBox::Cancel, IDCANCEL); break;
      default: add(QMessageBox::Ok, IDOK); break;
    }
    box.exec();
    ReturnKeysTo(m_parent.data());
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked) return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;  // closed with Esc
    return clicked->property("kvAnswer").toInt();
  }

 private:
  static QMessageBox::Icon IconOf(unsigned type) {
    switch (type & MB_ICONMASK) {
      case MB_ICONERROR: return QMessageBox::Critical;
      case MB_ICONQUESTION: return QMessageBox::Question;
      case MB_ICONWARNING: return QMessageBox::Warning;
      case MB_ICONINFORMATION: return QMessageBox::Information;
      default: return QMessageBox::NoIcon;
    }
  }
  QPointer<QWidget> m_parent;
};

class FileDialogChooser final : public IFileChooser {
 public:
  explicit FileDialogChooser(QWidget* parent) : m_parent(parent) {}
  QString ChooseOpen(const QString& title, const QString& filter, const QString& folder) override {
    return Choose(QFileDialog::AcceptOpen, title, filter, folder);
  }
  QString ChooseSave(const QString& title, const QString& filter, const QString& suggested) override {
    return Choose(QFileDialog::AcceptSave, title, filter, suggested);
  }

 private:
  // `start` is a folder, or a file name to suggest in its folder.
  QString Choose(QFileDialog::AcceptMode mode, const QString& title, const QString& filter, const QString& start) {
    QFileDialog dialog(m_parent, title, start, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    ShowLocalFileDetails(dialog);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    ReturnKeysTo(m_parent.data());
    return chosen ? dialog.selectedFiles().value(0) : QString();
  }
  QPointer<QWidget> m_parent;
};

class WidgetFocus final : public IViewFocus {
 public:
  explicit WidgetFocus(QWidget* view) : m_view(view) {}
  bool TakeFocus() override {
    if (QApplication::activeModalWidget()) return false;
    if (m_view) m_view->setFocus();
    return true;
  }
  bool HasFocus() override { return !QApplication::activeModalWidget(); }

 private:
  QPointer<QWidget> m_view;
};
}  // namespace

std::unique_ptr<INotifier> MakeMessageBoxNotifier(QWidget* parent) {
  return std::make_unique<MessageBoxNotifier>(parent);
}
std::unique_ptr<IFileChooser> MakeFileDialogChooser(QWidget* parent) {
  return std::make_unique<FileDialogChooser>(parent);
}
std::unique_ptr<IViewFocus> MakeWidgetFocus(QWidget* view) { return std::make_unique<WidgetFocus>(view); }
