// The working record of a user-tool instance running on a page (the page
// owns it as CGPage::m_pToolRecord): a private copy of the tool whose cell
// list still holds the cells not yet placed, with what the instance needs
// between clicks.
#pragma once
#include <memory>
#include <vector>

#include "model/document/usertool.h"
#include "platform/types.h"

class CGPage;

class CToolInstance : public CRecord {
 public:
  // Takes over the contents of `copy`.
  explicit CToolInstance(CRecord&& copy);

  WORD m_nPendingRecordId = 0;   // the record's id of the awaited input
  int m_nPendingIsValue = 0;     // 1 a value input, 0 a point input
  int m_nNextCondition = 0;
  float m_vLastPos[3] = {0, 0, 0};  // where the last placeholder point stood
  std::vector<WORD> m_followers;    // recomputed, ascending, while the placeholder follows the mouse
};

// The instance running on the page; null when none.
CToolInstance* RunningInstance(const CGPage& page);

// Whether an instance runs on the page and awaits a value (not a point).
bool InstanceAwaitsValue(const CGPage& page);
