#include "editing/tools/toolinstance.h"

#include <utility>

#include "model/cgpage.h"

CToolInstance::CToolInstance(CRecord&& copy) {
  m_strName = std::move(copy.m_strName);
  m_strComment = std::move(copy.m_strComment);
  m_nCellCount = copy.m_nCellCount;
  m_nPointCount = copy.m_nPointCount;
  m_nInputCount = copy.m_nInputCount;
  m_nPointInputCount = copy.m_nPointInputCount;
  m_bDefaultColors = copy.m_bDefaultColors;
  m_conditions = std::move(copy.m_conditions);
  m_cells = std::move(copy.m_cells);
}

CToolInstance* RunningInstance(const CGPage& page) { return dynamic_cast<CToolInstance*>(page.m_pToolRecord.get()); }

bool InstanceAwaitsValue(const CGPage& page) {
  const CToolInstance* instance = RunningInstance(page);
  return instance && instance->m_nPendingIsValue;
}
