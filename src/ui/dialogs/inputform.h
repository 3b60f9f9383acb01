// A small modal dialog of labelled fields exchanged with a dialog's data
// members: numeric edits are read on OK in the order they were added, and
// the first refused text shows its message, takes the focus and keeps the
// dialog open.  Nothing is stored unless every field is read.
#pragma once
#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "platform/types.h"

class QCheckBox;
class QFormLayout;
class QLineEdit;

class CInputForm {
 public:
  CInputForm(QWidget* parent, const char* caption);

  QDialog& Dialog() { return m_dialog; }
  QFormLayout& Form() { return *m_pForm; }
  QLineEdit* AddText(const char* label, QString& member);
  QLineEdit* AddNumber(const char* label, float& member);
  QLineEdit* AddInteger(const char* label, int& member, int lo, int hi);
  QCheckBox* AddCheck(const char* text, BOOL& member);
  // Radio buttons for the values 0, 1, ... of member.
  void AddChoice(std::initializer_list<const char*> texts, int& member);
  // Runs the dialog; true when it closed with OK and every member was stored.
  bool Run();

 private:
  // Checks its field (an empty answer) and, on the second call, stores it.
  using Field = std::function<QString(bool store)>;
  QLineEdit* AddEdit(const char* label, const QString& shown, QString objectName);
  void TryAccept();

  QDialog m_dialog;
  QFormLayout* m_pForm;
  std::vector<std::pair<QLineEdit*, Field>> m_fields;
  std::vector<std::function<void()>> m_stores;  // fields that cannot be refused
};
