// The dialogs of the view buttons (视旋转按钮, 视平移按钮, 视缩放按钮) as data.
// The opener presets the members and builds or rewrites the button on OK.
#pragma once
#include <QString>

#include "editing/dialogs/buttons/viewbuttondialogtexts.h"
#include "platform/dialogprovider.h"
#include "platform/types.h"

// What every view button's dialog holds besides its own values.  The
// pause only matters (and is only shown) for a two-way or looping run.
struct CViewButtonRun {
  QString m_strLabel;
  int m_nDirection = 0;  // 0 单向, 1 双向
  int m_nPlayCount = 0;  // 0 一次, 1 循环
  float m_fDuration = 5.0f;
  float m_fPause = 0;

  bool PauseShown() const { return m_nDirection == 1 || m_nPlayCount == 1; }
};

// A start value beside the value it turns or moves to.
struct CValuePair {
  float start = 0;
  float other = 0;
};

// Pair 0: the start quaternion's w beside the angle in degrees; pairs 1 to
// 3: its x, y, z beside the axis's x, y, z.  The start is only shown.
class CDlgViewRotate : public CDialogDataOf<CDlgViewRotate>, public CViewButtonRun {
 public:
  CDlgViewRotate() { m_strLabel = QString::fromUtf8(kDefaultViewRotate); }
  CValuePair m_pairs[4];
};

// Pairs 0 to 2: the start centre's x, y, z beside the target's.
class CDlgViewTrans : public CDialogDataOf<CDlgViewTrans>, public CViewButtonRun {
 public:
  CDlgViewTrans() { m_strLabel = QString::fromUtf8(kDefaultViewTrans); }
  CValuePair m_centres[3];
};

class CDlgViewScale : public CDialogDataOf<CDlgViewScale>, public CViewButtonRun {
 public:
  CDlgViewScale() { m_strLabel = QString::fromUtf8(kDefaultViewScale); }
  float m_fStart = 0.5f;
  float m_fTarget = 1.0f;
};
