// The coordinates dialog as data: one point whose axes take typed numbers
// or selected values, or many points typed or pasted as text, one line per
// point.  CCoordinatesForm is the behaviour of its controls, so that the
// widgets only mirror it.
#pragma once
#include <QString>
#include <QStringList>

#include "platform/dialogprovider.h"
#include "platform/types.h"

class CDlgCoordinates : public CDialogDataOf<CDlgCoordinates> {
 public:
  enum { kSinglePoint = 0, kManyPoints = 1 };

  BYTE m_bFromList[3] = {0, 0, 0};  // the axis takes the value chosen in its list
  int m_nListIndex[3] = {0, 0, 0};
  QStringList m_names;              // the selected values' names, offered by every axis list
  QString m_strAxis[3] = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
  QStringList m_numbers;            // filled by SplitNumbers
  int m_nMode = kSinglePoint;
  QString m_strPoints;

  // Every maximal run of digits, '.', '-' and '+' in m_strPoints, in order;
  // all other characters only separate runs.
  void SplitNumbers();
  // A token's value: its leading decimal number ("1-2" reads 1; none: 0).
  static float TokenValue(const QString& token);
  // Whether a many-points text holds at least one point and no fault.
  // One pass; a number too large for a float is a fault.
  static bool ValidatePoints(QStringView text);
};

// The enabled state of the controls and the status line.
struct CCoordinatesControls {
  bool axisLists = true;
  bool pointsEdit = false;
  bool presets = false;
  bool clear = false;
  bool tab = false;
  bool paste = false;
  bool ok = true;
  QString status;
};

class CCoordinatesForm {
 public:
  // As the dialog opens: in single-point mode.
  explicit CCoordinatesForm(CDlgCoordinates& data);

  const CCoordinatesControls& Controls() const { return m_controls; }
  void ChooseSinglePoint();
  // Paste is offered while the clipboard holds plain text.
  void ChooseManyPoints();
  // axis: 0, 1, 2 for x, y, z.
  void ChooseAxisEntry(int axis, int index);
  void EditAxisText(int axis, const QString& text);
  // Every change of the points text.
  void PointsChanged(const QString& text);
  void Clear();
  // The clipboard's plain text to put in place of the edit's selection;
  // none: the message has been shown and paste is disabled.
  bool Paste(QString& text);

  // The preset sets' names, in the order of the list, and their texts.
  static QStringList PresetNames();
  static QString PresetText(int index);

 private:
  void Validate();

  CDlgCoordinates& m_data;
  CCoordinatesControls m_controls;
};
