// The new-tool dialog as data (platform/dialogprovider.h): the name of a
// tool just recorded and whether its script view should open.
#pragma once
#include <QString>

#include "platform/dialogprovider.h"
#include "platform/types.h"

class CDlgTool : public CDialogDataOf<CDlgTool> {
 public:
  QString m_strName;         // kept exactly as typed, whatever its length
  BOOL m_bShowScript = 0;
};
