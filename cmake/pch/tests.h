// Precompiled for the test programs and the fuzzing harnesses; see core.h.
#include "widgets.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
