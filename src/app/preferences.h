// The preferences file: the display preferences (g_prefs) as a headerless
// archive stream, Nurv/config420.dat in the user's data folder.  Read at
// start-up and for every new document, written at exit.
#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

#include "model/globals.h"

class CArchive;

// Reads (save = false) or writes (save = true) the file, creating its folder
// when needed.  Values are applied only from a complete read of usable
// values; otherwise false and the current values stay.
bool LoadSaveConfig(bool save);
// The same under another data folder (the user's is the default above).
bool LoadSaveConfigIn(const QString& dataFolder, bool save);

// The file's path under a data folder.
QString ConfigFilePath(const QString& dataFolder);

// The record itself, both directions.
void SerializeDisplayPrefs(CArchive& ar, CDisplayPrefs& prefs);
QByteArray DisplayPrefsBytes(const CDisplayPrefs& prefs);
// The preferences in bytes, or nothing when they end early or hold a value
// the program cannot work with (a font height or frame rate of 0 or less, a
// colour component outside 0 to 1, a size of 0, ...).
std::optional<CDisplayPrefs> DisplayPrefsFromBytes(const QByteArray& bytes);
