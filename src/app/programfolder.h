// The program folder: the base of the program's own data (Images, Samples,
// Models, Tools).  Resolved once at start-up, never by changing the current
// directory.
#pragma once
#include <QString>

// The executable's folder when it holds an Images folder (a build or a copy
// run in place); otherwise the installed data folder share/kavrel beside the
// executable's bin folder when that holds one; otherwise the executable's
// folder.
QString ResolveProgramFolder(const QString& executableFolder);
