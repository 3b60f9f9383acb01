// Running another program and waiting for it, behind a seam so that tests
// answer with a fake instead of starting anything.
#pragma once
#include <QString>
#include <QStringList>
#include <memory>

struct CProcessResult {
  bool started = false;
  bool timedOut = false;  // killed when the limit passed
  int exitCode = -1;
  QString output;  // standard error and output, for messages
};

class IProcessRunner {
 public:
  virtual ~IProcessRunner() = default;
  // The full path of an installed program, empty when there is none.
  virtual QString FindProgram(const QString& name) = 0;
  virtual CProcessResult Run(const QString& program, const QStringList& arguments, int timeoutMs) = 0;
};

// Starts real processes unless a test installed another runner.
IProcessRunner& ProcessRunner();
std::unique_ptr<IProcessRunner> SetProcessRunner(std::unique_ptr<IProcessRunner> runner);
