// Qt's own texts (the buttons of message boxes, the file chooser, the page
// set-up) in Chinese, like the rest of the program.
#pragma once

class QCoreApplication;

// Installs Qt's Chinese translations from Qt's translations folder; false
// when they are not installed (Qt then speaks English).
bool InstallQtTranslations(QCoreApplication& app);
