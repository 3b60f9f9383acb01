// Qt's own texts (the buttons of message boxes, the file chooser with its
// sizes and dates, the page set-up) in Chinese, like the rest of the program.
#pragma once

class QCoreApplication;

// Makes Chinese (China) the default locale and installs Qt's Chinese
// translations from Qt's translations folder; false when they are not
// installed (Qt then speaks English, with Chinese numbers and dates).
bool InstallQtTranslations(QCoreApplication& app);
