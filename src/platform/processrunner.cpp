#include "platform/processrunner.h"

#include <QProcess>
#include <QStandardPaths>

#include "platform/seam.h"

namespace {
class CSystemProcessRunner final : public IProcessRunner {
 public:
  QString FindProgram(const QString& name) override { return QStandardPaths::findExecutable(name); }

  CProcessResult Run(const QString& program, const QStringList& arguments, int timeoutMs) override {
    CProcessResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs)) return result;
    result.started = true;
    if (!process.waitForFinished(timeoutMs)) {
      result.timedOut = true;
      process.kill();
      process.waitForFinished(5000);
    }
    result.output = QString::fromLocal8Bit(process.readAll()).left(2000);
    if (!result.timedOut && process.exitStatus() == QProcess::NormalExit) result.exitCode = process.exitCode();
    return result;
  }
};

SeamSlot<IProcessRunner>& Slot() {
  static SeamSlot<IProcessRunner> slot([] { return std::make_unique<CSystemProcessRunner>(); });
  return slot;
}
}  // namespace

IProcessRunner& ProcessRunner() { return Slot().Get(); }
std::unique_ptr<IProcessRunner> SetProcessRunner(std::unique_ptr<IProcessRunner> runner) {
  return Slot().Set(std::move(runner));
}
