#include "editing/presentation/pptconverter.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "editing/presentation/presentationtexts.h"
#include "platform/processrunner.h"

bool IsBinaryPresentation(const QString& path) { return path.endsWith(QLatin1String(".ppt"), Qt::CaseInsensitive); }

QString ConvertToPptx(const QString& path, const QString& folder, QString* failure) {
  IProcessRunner& runner = ProcessRunner();
  QString office = runner.FindProgram(QStringLiteral("soffice"));
  if (office.isEmpty()) office = runner.FindProgram(QStringLiteral("libreoffice"));
  if (office.isEmpty()) {
    *failure = QString::fromUtf8(kTextNeedsLibreOffice);
    return {};
  }
  const QString profile = QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("profile"))).toString();
  const QStringList arguments{QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                              QStringLiteral("--convert-to"), QStringLiteral("pptx"), QStringLiteral("--outdir"),
                              folder, path};
  const CProcessResult result = runner.Run(office, arguments, kConversionTimeoutMs);
  const QString converted = QDir(folder).filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".pptx"));
  if (result.timedOut) {
    *failure = QString::fromUtf8(kTextConversionTimedOut);
    return {};
  }
  if (!result.started || result.exitCode != 0 || !QFileInfo::exists(converted)) {
    *failure = QString::fromUtf8(kTextConversionFailed)
                   .arg(result.output.trimmed().isEmpty() ? QString::number(result.exitCode) : result.output.trimmed());
    return {};
  }
  return converted;
}
