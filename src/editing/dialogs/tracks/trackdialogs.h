// The locus dialog (轨迹属性), the track dialog (形迹属性, or 构建图形轨迹 for
// a new track) and the trace dialog (追踪属性) as data.  The opener presets the members and applies
// them on OK.
#pragma once
#include <QString>
#include <vector>

#include "formula/calculator/calculatordata.h"
#include "platform/dialogprovider.h"
#include "platform/types.h"

class CDlgLocus : public CDialogDataOf<CDlgLocus> {
 public:
  static constexpr float kMinStep = 0.0001f;
  static constexpr float kMaxStep = 0.5f;

  // The colour function and its button show only while segments are coloured.
  bool ColourShown() const { return m_bSegmentColouring != 0; }
  // The colour function edited in the calculation dialog; true when OK
  // replaced it.
  bool EditColour();

  QString m_strDescription;
  BOOL m_bHidden = 0;
  QString m_strLabel;
  float m_fStep = 0.1f;
  float m_fStart = 0;
  float m_fEnd = 6.3f;
  int m_nDisplay = 0;
  float m_fBreakDistance = 4.0f;
  BOOL m_bFollow = 0;
  BOOL m_bSegmentColouring = 0;
  QString m_strColour;
  CDlgCalculator m_variables;  // the values the colour function may name
};

class CDlgTrack : public CDialogDataOf<CDlgTrack> {
 public:
  // A step outside this is refused: none or a vanishing one would keep a
  // drawing pass stepping for ever.
  static constexpr float kMinStep = 0.0001f;
  static constexpr float kMaxStep = 1000.0f;

  // One row of the check list: the cell's name and the index of its id.
  struct CItem {
    QString name;
    int index = 0;
  };

  // Fills the check list from the ids: a driving point first, then the
  // cells after the driver (and the two range parameters), leaving out
  // texts, buttons and modifiers.  For a new track the driver and every
  // visible cell listed are flagged 1.  One flag per id is kept.
  void ListCells();
  // Whether row `row` of the check list is ticked.
  bool Ticked(size_t row) const;
  // Ticks or unticks a row: the flag of the id the row names.
  void Tick(size_t row, bool on);

  float m_fStart = 0;
  float m_fEnd = 1.0f;
  BOOL m_bTwoParameters = 0;
  float m_fStep = 0.02f;
  int m_nDisplay = 0;
  int m_nColour = 0;
  std::vector<WORD> m_ids;
  std::vector<WORD> m_flags;
  BOOL m_bNewTrack = 0;
  std::vector<CItem> m_items;
};

// 0 trace only points and lines without hidden-line removal, 1 every cell.
class CDlgTrace : public CDialogDataOf<CDlgTrace> {
 public:
  int m_nMode = 0;
};
