// The property dialogs of a single point, line, face, circle or arc, and
// solid, as data.  The property command presets the members from the cell,
// and on IDOK writes them back; the dialogs touch no cell.  The enabling
// rules of their controls are functions of the members, so the widgets only
// mirror them.
//
// Numeric edits go through ExchangeNumber; the size and width edits also
// refuse numbers outside their ranges (kMin.. / kMax..), and so do angles
// typed in degrees (kMaxTypedDegrees), and the dialog stays open.
#pragma once
#include <QString>

#include "platform/dialogprovider.h"
#include "platform/types.h"

// The texture lists: "不使用" then the pictures 1 to 15.
inline constexpr int kTextureListItems = 16;

// What every one of the five shows first.
struct CPropertyCommon {
  QString m_strDescription;
  BOOL m_bHideLabel = 1;
  BOOL m_bHideObject = 0;
  QString m_strLabel;
};

class CDlgPropertyPoint : public CDialogDataOf<CDlgPropertyPoint>, public CPropertyCommon {
 public:
  static constexpr float kMinSize = 0.5f;
  static constexpr float kMaxSize = 20.0f;

  float m_x = 0, m_y = 0, m_z = 0;
  float m_fValue1 = 0;
  // 0: the coordinates are read-only; otherwise x and y are editable, and
  // z too in mode 1 (a free point).
  int m_nCoordMode = 0;
  // 0 to 3: how many of the values 1 to 3 are shown.
  int m_nValueMode = 0;
  float m_fSize = 4.5f;
  BOOL m_bApplyToPage = 0;
  int m_nShape = 0;       // 0 circle, 1 invisible, 2 lit ball
  int m_nVisibility = 0;  // 0 always visible, 1 hidden when covered
  QString m_strValueCaption;
  float m_fValue2 = 0, m_fValue3 = 0;
  // Value 1 is an angle in degrees that the point keeps in radians: the
  // edit takes it only within ±kMaxTypedDegrees.
  BOOL m_bValue1Degrees = 0;

  CDlgPropertyPoint();

  // The state of the coordinate and value edits for the two modes.
  struct Controls {
    bool xyEditable = false;
    bool zEditable = false;
    bool value1Enabled = false;
    bool value1Editable = false;
    bool value2Shown = false;
    bool value2Editable = false;
    bool value3Shown = false;
    bool value3Editable = false;
  };
  Controls ControlStates() const;
};

class CDlgPropertyLine : public CDialogDataOf<CDlgPropertyLine>, public CPropertyCommon {
 public:
  static constexpr float kMinWidth = 0.5f;
  static constexpr float kMaxWidth = 20.0f;
  static constexpr int kDashedMode = 3;

  int m_nDisplayMode = 0;  // 0 automatic dashes, 1 visible only, 2 solid, 3 dashed, 4 lit
  int m_nLineKind = 0;     // 0 segment, 1 ray, 2 line, 3 vector
  float m_fWidth = 1.5f;
  BOOL m_bApplyToPage = 0;
  int m_nDashPattern = 0;

  // The dash-pattern list is for dashed lines only.
  static bool DashListEnabled(int displayMode) { return displayMode == kDashedMode; }
};

class CDlgPropertyFace : public CDialogDataOf<CDlgPropertyFace>, public CPropertyCommon {
 public:
  static constexpr int kStippledMode = 2;

  int m_nDisplayMode = 0;  // 0 hiding, 1 filled, 2 pattern, 3 lit, 4 translucent
  BOOL m_bApplyToPage = 0;
  int m_nTexture = 0;
  int m_nFillPattern = 0;

  static bool TextureListEnabled(int displayMode) { return displayMode > kStippledMode; }
  static bool PatternListEnabled(int displayMode) { return displayMode == kStippledMode; }
};

class CDlgPropertyCircle : public CDialogDataOf<CDlgPropertyCircle>, public CPropertyCommon {
 public:
  static constexpr float kMinWidth = 1.0f;
  static constexpr float kMaxWidth = 20.0f;

  int m_nKind = 0;  // 0 circle, 1 arc, 2 disc, 3 sector, 4 segment
  float m_fStart = 0;
  float m_fEnd = 360;
  int m_nRangeMode = 0;  // 0 automatic, 1 as typed in degrees
  float m_fWidth = 1.5f;
  int m_nDisplayMode = 0;  // 0 automatic dashes, 1 lit, 2 translucent, 3 solid, 4 dashed, 5 visible only
  int m_nTexture = 0;

  static bool ArcEditsEnabled(int rangeMode) { return rangeMode == 1; }
  // Pictures go on the filled kinds, lit or translucent.
  static bool TextureListEnabled(int kind, int displayMode) {
    return kind > 1 && (displayMode == 1 || displayMode == 2);
  }
};

class CDlgPropertySolid : public CDialogDataOf<CDlgPropertySolid> {
 public:
  int m_nDisplayMode = 0;  // 0 wire frame, 1 solid mesh, 2 lit, 3 translucent
  QString m_strDescription;
  BOOL m_bHideObject = 0;
  int m_nTexture = 0;

  static bool TextureListEnabled(int displayMode) { return displayMode > 1; }
};
