// User-defined tools: a recorded construction (CRecord) whose cells without
// parents became inputs (CCondition) that the user matches later by clicking
// objects.  Documents carry their tools right after the file header; the
// program also reads the tools of every document in its Tools folder.
#pragma once
#include <QString>
#include <memory>
#include <vector>

#include "model/cgcell.h"
#include "platform/runtimeclass.h"
#include "platform/types.h"

class CArchive;

// One input of a tool.
class CCondition : public CObject {
  DECLARE_SERIAL(CCondition)

 public:
  // WORD id, comment, one byte for the kind.
  void Serialize(CArchive& ar) override;

  WORD m_nId = 0;           // index of the input's cell in the record's cell list
  QString m_strComment;     // status-bar prompt while the input is awaited
  bool m_bIsPoint = false;  // a point input (else a value)
};

class CRecord : public CObject {
  DECLARE_SERIAL(CRecord)

 public:
  CRecord();
  CRecord(const CRecord&) = delete;
  CRecord& operator=(const CRecord&) = delete;
  ~CRecord() override;

  // The record; the input count is stored before the point count.  Loading
  // checks what replay relies on (BadData otherwise): every parent lies
  // before its cell in the list; the inputs are the cells without parents,
  // in list order, a point input exactly where the cell is a free point;
  // the four stored counts are those of the lists.
  void Serialize(CArchive& ar) override;

  // Recolours every cell with the current default colours; false, changing
  // nothing, when the record keeps its own colours.
  bool ApplyDefaultColors();

  QString m_strName;
  QString m_strComment;
  std::int32_t m_nCellCount = 0;
  std::int32_t m_nPointCount = 0;  // cells that are points: the vertex array grows by this before replay
  std::int32_t m_nInputCount = 0;
  std::int32_t m_nPointInputCount = 0;
  BOOL m_bDefaultColors = 1;
  // Kept and stored; nothing reads them.
  std::int32_t m_nReservedA = 1;
  std::int32_t m_nReservedB = 0;
  QString m_strReserved;
  std::vector<std::unique_ptr<CCondition>> m_conditions;  // one per input, in cell-list order
  std::vector<std::unique_ptr<CGCell>> m_cells;           // ids 0, 1, 2 ... in list order
};

// A deep copy, made by storing the record and loading it again.
std::unique_ptr<CRecord> CopyRecord(const CRecord& record);

// The tool list of a document: an object list of CRecord.
using CToolList = std::vector<std::unique_ptr<CRecord>>;
// The command id of the document tool listed at `position` (from 0) after
// the folder tools; 0 when it would pass the end of the tool ids.
unsigned DocumentToolCommandId(int position);
void WriteToolList(CArchive& ar, const CToolList& tools);
CToolList ReadToolList(CArchive& ar);
