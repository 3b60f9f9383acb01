// The dialog provider of the drawn edits (support/documentsteps.h): every
// dialog answered from the draws, cancelled, taken as preset, or with its
// numbers drawn where the dialog is known here.  A drawn number is one the
// dialog's edit accepts (a finite float), often at the edge of the range;
// a choice stays within its list.  With all steps a label's name is typed
// too; with the wide set also its colour and switches, a caption's form and
// the preferences (a preset or drawn colours and sizes, for the page or
// every page, applied now up to twice before OK).
#pragma once
#include <QString>
#include <string>
#include <utility>

#include "platform/dialogprovider.h"
#include "platform/types.h"
#include "support/documentsteps.h"

class CDlgPreferonces;

// Names a user types for a cell: some read like a parent written short.
QString TypedName(StepDraw& draw);

class DrawnDialogs : public IDialogProvider {
 public:
  DrawnDialogs(StepDraw& draw, StepSet set) : m_draw(draw), m_set(set) {}
  int DoModal(CDialogData& data) override;
  // How the dialog shown since this was last asked was answered, for the
  // report: "no dialog" when none was.
  std::string TakeAnswer() { return std::exchange(m_answer, "no dialog"); }

 private:
  float Number();
  int Choice(int low, int high) { return low + static_cast<int>(m_draw(static_cast<unsigned>(high - low + 1))); }
  // A colour word (red in the low byte).
  COLORREF Colour();
  void Fill(CDialogData& data);
  void FillPreferences(CDlgPreferonces& d);

  StepDraw& m_draw;
  StepSet m_set;
  std::string m_answer = "no dialog";
};
