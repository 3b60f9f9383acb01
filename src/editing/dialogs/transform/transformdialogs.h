// The dialogs of the transformation commands as data: the command presets
// the members (descriptions of the marked elements it found, the fixed
// values used last, which marked choices exist) and reads them back on
// IDOK.  The dialogs never look at the page.
//
// Each also says which of its controls are enabled when it opens and after
// a click on one of its radio buttons, so the widgets and the tests follow
// one rule.
#pragma once
#include <QString>

#include "platform/dialogprovider.h"
#include "platform/types.h"

struct CTranslateControls {
  bool markedRadio = true;  // "标志向量"
  bool fields = true;       // x, y, z
};

class CDlgTransTranslate : public CDialogDataOf<CDlgTransTranslate> {
 public:
  static constexpr int kMarked = 0, kFixed = 1;
  float m_fX = 0, m_fY = 0, m_fZ = 1.0f;
  int m_nChoice = kMarked;
  QString m_strMarked;  // the marked vector, read-only

  // Opened on the fixed choice there is no marked vector: its radio is off;
  // otherwise the fields are.
  CTranslateControls Opening() const;
  static void Click(int choice, CTranslateControls& controls) { controls.fields = choice == kFixed; }
};

struct CRotateControls {
  bool axisRadio[3] = {true, true, true};  // marked axis, fixed axis, marked centre
  bool axisFields = true;                  // vx, vy, vz, px, py, pz
  bool markedAngleRadio = true;
  bool angleField = true;
};

class CDlgTransRotate : public CDialogDataOf<CDlgTransRotate> {
 public:
  static constexpr int kMarkedAxis = 0, kFixedAxis = 1, kCentreAxis = 2;
  static constexpr int kMarkedAngle = 0, kFixedAngle = 1;
  // The marked choices that exist.
  static constexpr int kNoMarks = 0, kAxisOnly = 1, kCentreOnly = 2, kAxisAndCentre = 3;
  int m_nAxisChoice = kMarkedAxis;
  int m_nAngleChoice = kMarkedAngle;
  float m_fVx = 0, m_fVy = 0, m_fVz = 0;
  float m_fPx = 0, m_fPy = 0, m_fPz = 0;
  float m_fDegrees = 0;
  QString m_strAxis, m_strAngle, m_strCentre;  // read-only
  int m_nMarks = kNoMarks;

  CRotateControls Opening() const;
  static void ClickAxis(int choice, CRotateControls& controls) { controls.axisFields = choice == kFixedAxis; }
  static void ClickAngle(int choice, CRotateControls& controls) { controls.angleField = choice == kFixedAngle; }
};

struct CScaleControls {
  bool markedRadio = true;  // "标志比"
  bool factorField = true;
};

class CDlgTransScale : public CDialogDataOf<CDlgTransScale> {
 public:
  static constexpr int kMarked = 0, kFixed = 1;
  float m_fFactor = 0.5f;
  int m_nChoice = kMarked;
  QString m_strRatio, m_strCentre;  // read-only

  CScaleControls Opening() const;
  static void Click(int choice, CScaleControls& controls) { controls.factorField = choice == kFixed; }
};

struct CDeflectControls {
  bool radio[3] = {true, true, true};  // point, axis, face
  bool list = true;
};

class CDlgTransDeflect : public CDialogDataOf<CDlgTransDeflect> {
 public:
  static constexpr int kPoint = 0, kAxis = 1, kFace = 2, kFixed = 3;
  static constexpr int kElements = 7;
  int m_nChoice = kFixed;
  BYTE m_nMask = 7;  // the fixed element: bit 0 negates x, bit 1 y, bit 2 z
  BYTE m_bPoint = 0, m_bAxis = 0, m_bFace = 0;  // which marks exist
  QString m_strPoint, m_strAxis, m_strFace;    // read-only

  CDeflectControls Opening() const;
  static void Click(int choice, CDeflectControls& controls) { controls.list = choice == kFixed; }
  // The list position showing `mask` (a mask outside 1 to 7: the origin's)
  // and the mask of a list position.
  static int ListPosition(int mask);
  static BYTE MaskAt(int position);
  // Choosing a list entry stores its mask at once.
  void ChooseElement(int position) { m_nMask = MaskAt(position); }
};
