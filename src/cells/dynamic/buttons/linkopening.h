// Opening what a link button names, without letting a document start a
// program behind the user's back.  Web addresses, folders and documents
// go to the desktop at once; a program, a script or a desktop launcher
// only after the user said yes.  Stored paths may be Windows paths or
// relative to the document's folder.
#pragma once
#include <QString>

struct LinkTarget {
  QString target;     // what the desktop is asked to open; empty: nothing
  bool runs = false;  // it would start a program: ask first
};

// What `stored` names, resolved against `documentFolder` (which may be a
// Windows folder, with or without its last separator).
LinkTarget ResolveLink(const QString& stored, const QString& documentFolder);

// Resolves against the current document's folder, asks when it runs, and
// opens it through the shell.
void OpenStoredLink(const QString& stored);
