// The picture dialog (图片属性) as data: a picture's two zoom factors (a
// negative one mirrors it) and, above them, the size text its opener gives.
#pragma once
#include <QString>

#include "platform/dialogprovider.h"

class CDlgImagePropy : public CDialogDataOf<CDlgImagePropy> {
 public:
  float m_fWidthScale = 1.0f;
  float m_fHeightScale = 1.0f;
  QString m_strSize;
};
