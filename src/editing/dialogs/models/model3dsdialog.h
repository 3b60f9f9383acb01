// The 3DS model's property dialog as data (platform/dialogprovider.h): the
// file is shown only; the centre, display mode, scale and hidden flag are
// edited.
#pragma once
#include <QString>

#include "editing/dialogs/models/model3dsdialogtexts.h"
#include "platform/dialogprovider.h"
#include "platform/types.h"

class CDlg3ds : public CDialogDataOf<CDlg3ds> {
 public:
  static constexpr int kResourceId = 355;

  QString m_strFilePath;
  float m_fX = 0;
  float m_fY = 0;
  float m_fZ = 0;
  float m_fScale = 0;
  int m_nDisplayMode = 0;  // 0 "线框模式", 1 "光照贴图"
  BOOL m_bHidden = 0;
};
