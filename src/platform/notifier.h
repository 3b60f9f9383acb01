// Message boxes.  Every failure the user sees is a message box with a fixed
// text; commands show them through this seam so they run without a window.
#pragma once
#include <QString>
#include <memory>

// Button sets and icons (combined with |), and the answers.
enum : unsigned {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_ABORTRETRYIGNORE = 0x2,
  MB_YESNOCANCEL = 0x3,
  MB_YESNO = 0x4,
  MB_RETRYCANCEL = 0x5,
  MB_TYPEMASK = 0xF,
  MB_ICONERROR = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONWARNING = 0x30,
  MB_ICONINFORMATION = 0x40,
  MB_ICONMASK = 0xF0,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

class INotifier {
 public:
  virtual ~INotifier() = default;
  // Shows the text and returns the button chosen.
  virtual int Show(const QString& text, const QString& caption, unsigned type) = 0;
};

// The first button of a button set: what a box answers when nobody can click.
int DefaultAnswer(unsigned type);

INotifier& Notifier();
std::unique_ptr<INotifier> SetNotifier(std::unique_ptr<INotifier> notifier);

// Shorthand used throughout the program.
int KvMessageBox(const QString& text, const QString& caption = QString(), unsigned type = MB_OK);
