// The environment a test starts the whole program in: its data and
// settings in a temporary folder, the build's program folder.
#pragma once
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/kavrelapp.h"

inline CAppEnvironment TestAppEnvironment(const QTemporaryDir& folder) {
  CAppEnvironment env;
  env.dataFolder = folder.filePath(QStringLiteral("data"));
  env.settingsFile = folder.filePath(QStringLiteral("settings.ini"));
  env.programFolder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(".."));
  return env;
}
