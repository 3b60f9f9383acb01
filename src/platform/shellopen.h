// Opening web pages and files with the desktop's default program.
#pragma once
#include <QString>
#include <memory>

class IShell {
 public:
  virtual ~IShell() = default;
  // A URL (with a scheme) or a file path; false when nothing could open it.
  virtual bool Open(const QString& target) = 0;
};

IShell& Shell();
std::unique_ptr<IShell> SetShell(std::unique_ptr<IShell> shell);
