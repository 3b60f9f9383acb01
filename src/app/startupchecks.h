// Checks made before the application object exists, with messages for
// standard error: there is no window yet to show them in.
#pragma once
#include <QString>

// Why Qt would find no display (empty when it will find one).  Qt aborts
// without a display; this says what to do instead.  Empty variables count as
// unset; a chosen platform (QT_QPA_PLATFORM) is trusted.
QString NoDisplayReason(const QString& display, const QString& waylandDisplay, const QString& platform);
QString NoDisplayReason();  // from the environment
