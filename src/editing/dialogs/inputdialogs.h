// The small dialogs a construction command opens for the numbers it needs
// (platform/dialogprovider.h): the opening command presets the members,
// reads them back on IDOK and builds the cells itself.  The members start
// with the values the dialogs are constructed with.
//
// Numeric edits go through ExchangeNumber / ExchangeInteger: a refused text
// leaves the member as it was and yields the message to show; the dialog
// then stays open.
#pragma once
#include <QString>

#include "commands/shapes/inscribedpolygon.h"
#include "platform/dialogprovider.h"
#include "platform/types.h"

// Reads a number typed in an edit (spaces around it allowed) into `member`
// and answers an empty text.  Otherwise (not a number, empty, too large for
// a float) the message to show, and the member is untouched.
QString ExchangeNumber(const QString& text, float& member);
QString ExchangeNumber(const QString& text, double& member);
// The same for an integer that must lie in lo..hi inclusive.
QString ExchangeInteger(const QString& text, int lo, int hi, int& member);
// The refusal of a number outside the range a field takes ("%1" .. "%2"),
// for whole numbers or any number.
QString RangeMessage(double low, double high, bool integer);

// Angles typed in degrees are kept as float radians: beyond this many
// degrees either way the conversion would overflow the float range
// (from about 1.08e38 on).
inline constexpr float kMaxTypedDegrees = 1e38f;
// Empty for an angle in degrees that fits, else the range message.
QString RefusedDegrees(float degrees);

// A direction.  The opening command sets all three to 1.
class CDlgVector : public CDialogDataOf<CDlgVector> {
 public:
  float m_x = 0;
  float m_y = 0;
  float m_z = 0;
};

// An angle in degrees (unit 0) or radians (unit 1); the command converts.
class CDlgAngle : public CDialogDataOf<CDlgAngle> {
 public:
  float m_fAngle = 0;
  int m_nUnit = 0;
};

class CDlgValue : public CDialogDataOf<CDlgValue> {
 public:
  float m_fValue = 0.5f;
};

// The number of intersections found now (preset by the caller) and, on
// IDOK, the number to add.
class CDlgIntersectionNum : public CDialogDataOf<CDlgIntersectionNum> {
 public:
  static constexpr int kMaxCount = 32;
  int m_nCount = 0;
  // The prompt shown above the edit for the preset count.
  QString Prompt() const;
};

// The N of an N-division and whether only the first point is wanted.
class DlgDivPoint : public CDialogDataOf<DlgDivPoint> {
 public:
  static constexpr int kMinN = 2;
  static constexpr int kMaxN = 256;
  int m_nN = 2;
  BOOL m_bOnlyFirst = 0;
};

// The number of vertices of a polygon to build; the opening command presets
// it and reads it back on IDOK.
class CDlgNumber : public CDialogDataOf<CDlgNumber> {
 public:
  static constexpr int kMinCount = kMinPolygonVertices;
  static constexpr int kMaxCount = kMaxPolygonVertices;
  int m_nCount = 0;
};

// A parameter cell's settings.  Integer values and showing as an angle
// exclude each other: setting one through its setter clears the other.
class CDlgParameter : public CDialogDataOf<CDlgParameter> {
 public:
  QString m_strName;
  float m_fValue = 1.0f;
  BOOL m_bHideName = 0;
  BOOL m_bShowSlider = 1;
  float m_fStart = -10.0f;
  float m_fEnd = 10.0f;
  BOOL m_bInteger = 0;
  BOOL m_bAngle = 0;

  void SetInteger(BOOL on);
  void SetAngle(BOOL on);
};
