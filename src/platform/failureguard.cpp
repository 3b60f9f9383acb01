#include "platform/failureguard.h"

#include <exception>
#include <new>

#include "platform/filetexts.h"
#include "platform/notifier.h"

namespace {
void Tell(const QString& reason) {
  KvMessageBox(QString::fromUtf8(kTextActionFailed) + reason, QString(), MB_OK | MB_ICONERROR);
}
}  // namespace

bool RunGuarded(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const std::bad_alloc&) {
    Tell(QString::fromUtf8(kReasonNoMemory));
  } catch (const std::exception& e) {
    Tell(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    Tell(QString());
  }
  return false;
}
