// A small modal dialog of labelled fields exchanged with a dialog's data
// members: numeric edits are read on OK in the order they were added, and
// the first refused text shows its message, takes the focus and keeps the
// dialog open.  Nothing is stored unless every field is read.  A form too
// tall for the screen continues in a second column.
#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>
#include <charconv>
#include <functional>
#include <vector>

#include "platform/types.h"

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

// The shortest text that reads back as the same number, so that confirming
// an untouched field never changes its member.
template <class Real>
QString ShownNumber(Real value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return QString::fromLatin1(text, result.ptr - text);
}

class CInputForm {
 public:
  CInputForm(QWidget* parent, const char* caption);

  QDialog& Dialog() { return m_dialog; }
  QFormLayout& Form() { return *m_pForm; }
  QLineEdit* AddText(const char* label, QString& member);
  QLineEdit* AddNumber(const char* label, float& member);
  // A number that must lie in low..high: anything else is refused with the
  // range message.
  QLineEdit* AddNumber(const char* label, float& member, float low, float high);
  QLineEdit* AddNumber(const char* label, double& member, double low, double high);
  // A double edit without a range.
  QLineEdit* AddNumber(const char* label, double& member);
  QLineEdit* AddInteger(const char* label, int& member, int lo, int hi);
  QCheckBox* AddCheck(const char* text, BOOL& member);
  // Radio buttons for the values 0, 1, ... of member (a button's id is its
  // value), on one row, or in a box with a title.
  QButtonGroup* AddChoice(std::initializer_list<const char*> texts, int& member);
  QButtonGroup* AddChoice(const char* title, const char* const* texts, int count, int& member);
  // A drop-down list whose index is member; a member that names no item
  // shows none and is kept unless an item is chosen.
  QComboBox* AddList(const char* label, const QStringList& items, int& member);
  // The rows added from now on go into a framed group with this title,
  // until EndGroup.
  void BeginGroup(const char* title);
  void EndGroup();
  // Runs the dialog; true when it closed with OK and every member was stored.
  bool Run();

 private:
  // Checks its field (an empty answer) and, on the second call, stores it.
  using Field = std::function<QString(bool store)>;
  QLineEdit* AddEdit(const char* label, const QString& shown, QString objectName);
  QButtonGroup* AddRadios(const char* const* texts, int count, int& member, QBoxLayout& layout);
  void TryAccept();
  // A dialog taller than a classroom screen leaves room for continues its
  // rows in a second column.
  void FitToScreen();

  QDialog m_dialog;
  QBoxLayout* m_pOuterLayout;  // the columns, then OK and Cancel
  QBoxLayout* m_pColumns;
  QFormLayout* m_pForm;
  QFormLayout* m_pOuter = nullptr;  // the dialog's own rows while a group is open
  std::vector<std::pair<QLineEdit*, Field>> m_fields;
  std::vector<std::function<void()>> m_stores;  // fields that cannot be refused
};
