#include "cells/dynamic/buttons/linkopening.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include "cells/dynamic/buttons/buttontexts.h"
#include "model/document/kavreldoc.h"
#include "platform/notifier.h"
#include "platform/shellopen.h"
#include "platform/storedpath.h"

namespace {

// Endings of files that start something when opened: programs, installers,
// scripts, shortcuts and desktop launchers, of Windows and of this system.
const char* const kRunningSuffixes[] = {
    "exe", "com", "bat", "cmd", "msi", "msp", "scr", "pif", "cpl", "hta", "jar", "vbs", "vbe",
    "js", "jse", "wsf", "wsh", "ps1", "psm1", "reg", "lnk", "url", "inf", "msc", "application",
    "sh", "bash", "zsh", "csh", "ksh", "fish", "py", "pyw", "pl", "rb", "php", "desktop",
    "appimage", "run", "bin", "command"};

// Schemes the desktop hands to a browser or mail program.
const char* const kWebSchemes[] = {"http", "https", "ftp", "mailto"};

template <std::size_t N>
bool IsListed(const QString& word, const char* const (&list)[N]) {
  for (const char* entry : list)
    if (word.compare(QLatin1String(entry), Qt::CaseInsensitive) == 0) return true;
  return false;
}

// A program or script of this system whatever its name: executable, and
// beginning as programs and scripts do.
bool IsExecutableFile(const QFileInfo& info) {
  if (!info.isFile() || !info.isExecutable()) return false;
  QFile file(info.filePath());
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(4);
  return head.startsWith("#!") || head == QByteArray("\x7F" "ELF", 4);
}

bool Runs(const QString& path) {
  const QFileInfo info(path);
  if (info.isDir()) return false;
  return IsListed(info.suffix(), kRunningSuffixes) || IsExecutableFile(info);
}

// The scheme of an address ("http" of "http://..."), empty for a path; a
// single letter is a Windows drive, not a scheme.
QString SchemeOf(const QString& text) {
  static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
  const QRegularExpressionMatch match = scheme.match(text);
  return match.hasMatch() ? match.captured(1) : QString();
}

LinkTarget LocalTarget(const QString& path, const QString& documentFolder) {
  const QString folder = LocalStoredPath(documentFolder, QString());
  QString local = LocalStoredPath(path, folder);
  if (!QFileInfo::exists(local)) {
    // A lesson moved from another computer: the file beside the document.
    const QString beside = FindFileInFolder(folder, StoredFileName(path));
    if (!beside.isEmpty()) local = beside;
  }
  return {local, Runs(local)};
}

}  // namespace

LinkTarget ResolveLink(const QString& stored, const QString& documentFolder) {
  const QString text = stored.trimmed();
  if (text.isEmpty()) return {};
  const QString scheme = SchemeOf(text);
  if (scheme.isEmpty()) {
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
      return {QStringLiteral("http://") + text, false};
    return LocalTarget(text, documentFolder);
  }
  if (IsListed(scheme, kWebSchemes)) return {text, false};
  if (scheme.compare(QLatin1String("file"), Qt::CaseInsensitive) == 0)
    return LocalTarget(QUrl(text).toLocalFile(), documentFolder);
  // Any other scheme hands the text to whatever program claims it.
  return {text, true};
}

void OpenStoredLink(const QString& stored) {
  const LinkTarget link = ResolveLink(stored, GetDocumentFolder());
  if (link.target.isEmpty()) return;
  if (link.runs &&
      KvMessageBox(QString::fromUtf8(kTextLinkAskRun).arg(link.target), QString(), MB_YESNO | MB_ICONWARNING) != IDYES)
    return;
  Shell().Open(link.target);
}
