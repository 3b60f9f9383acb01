// Open and save file dialogs.  An empty result means the user cancelled.
#pragma once
#include <QString>
#include <memory>

class IFileChooser {
 public:
  virtual ~IFileChooser() = default;
  // filter: "Kavrel 文件 (*.kv);;所有文件 (*)" style.
  virtual QString ChooseOpen(const QString& title, const QString& filter, const QString& folder) = 0;
  virtual QString ChooseSave(const QString& title, const QString& filter, const QString& suggested) = 0;
};

IFileChooser& FileChooser();
// A filter in the "name|patterns|name|patterns||" form (patterns separated
// by ';') as a Qt filter.  A name that already shows its patterns in
// brackets is taken as it is, with ';' between them turned into spaces.
QString QtFileFilter(const char* filter);
std::unique_ptr<IFileChooser> SetFileChooser(std::unique_ptr<IFileChooser> chooser);
