// Documents name Windows font faces.  Linux has none of them, so each is
// mapped to a face the install script provides; documents keep the names.
#pragma once
#include <QString>
#include <QStringList>
#include <vector>

struct FontSubstitution {
  QString face;             // the name documents use
  QStringList replacements; // tried in order
};

// Whether documents name the face as one of the Chinese faces.
bool IsChineseFace(const QString& face);

// The mapping installed at start-up.
const std::vector<FontSubstitution>& FontSubstitutions();

// Registers FontSubstitutions() with QFont.  Needs the application object.
void InstallFontSubstitutions();
// Installs them unless this process already has: the text code calls it
// before it makes a font, so glyphs look the same with or without the app.
void EnsureFontSubstitutions();
