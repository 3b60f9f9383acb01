// The file dialog's details (size, type of a folder, date modified) in the
// program's locale: Qt's own list writes them in the system's, which on a
// machine without the Chinese locale is English ("Folder", "8 Dec").
#pragma once

class QFileDialog;

// Gives the dialog's list the program's sizes, folder type and dates.
void ShowLocalFileDetails(QFileDialog& dialog);
