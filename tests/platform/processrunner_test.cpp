// The real process runner: exit codes, output, programs that are missing
// and programs that outlive their time limit.
#include <gtest/gtest.h>

#include "platform/processrunner.h"

namespace KAVREL_FILE_LOCAL {

TEST(ProcessRunner, RunsProgramsWithinTheirTimeLimit) {
  const struct {
    const char* name;
    QStringList arguments;
    int timeoutMs;
    bool started, timedOut;
    int exitCode;
    const char* output;
  } rows[] = {{"exit 3", {"-c", "echo said; exit 3"}, 10000, true, false, 3, "said"},
              {"too slow", {"-c", "sleep 5"}, 200, true, true, -1, ""}};
  IProcessRunner& runner = ProcessRunner();
  const QString shell = runner.FindProgram(QStringLiteral("sh"));
  ASSERT_FALSE(shell.isEmpty());
  for (const auto& row : rows) {
    const CProcessResult result = runner.Run(shell, row.arguments, row.timeoutMs);
    EXPECT_EQ(result.started, row.started) << row.name;
    EXPECT_EQ(result.timedOut, row.timedOut) << row.name;
    EXPECT_EQ(result.exitCode, row.exitCode) << row.name;
    EXPECT_EQ(result.output.trimmed(), QString::fromLatin1(row.output)) << row.name;
  }
  EXPECT_TRUE(runner.FindProgram(QStringLiteral("no-such-program-kavrel")).isEmpty());
  EXPECT_FALSE(runner.Run(QStringLiteral("/no/such/program"), {}, 1000).started);
}

}  // namespace
