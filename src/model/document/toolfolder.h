// The tool sets of the program's Tools folder: every document file in it and
// its subfolders lends the user tools stored after its header.  The records
// go to the process-wide list g_globalTools, in the order found.
#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

#include "model/document/usertool.h"

// One file's tools, at positions first .. first + count - 1 of g_globalTools.
struct CToolSet {
  QString title;  // the file name without its extension
  int first = 0;
  int count = 0;
};

// The tools of one document file's bytes.  Nothing when the file does not
// start with the two header words; from a damaged list, the records read
// before the damage.
CToolList ReadToolSetBytes(const QByteArray& bytes);

// Walks the folder and its subfolders (names in case-blind order, each
// folder once) and appends the tools of every ".kv" file to g_globalTools.
// Files that cannot be read or hold no tools add no set.
std::vector<CToolSet> LoadToolFolder(const QString& folder);

// Deletes the records of g_globalTools and empties it.
void ClearGlobalTools();
