// The track: the whole trace of a drawing.  While a driver (a user
// parameter or a point with a path parameter) steps through a range, the
// cells that depend on it are recomputed and the chosen ones drawn again at
// every step, so that the page shows all their positions at once.  Unlike a
// locus it keeps no samples: every drawing pass replays the construction
// and puts the driver and the chain back before it returns.
//
// Parents: the driver; with range values the values giving the lower and
// the upper end; then the cells recomputed at each step, ascending.
// Fields of the common record with a meaning here: the style byte is the
// colouring of the copies (0 their own colours, 1 all in the track colour,
// 2 and above none set), the sub-kind byte the depth of drawing (0 lines,
// points and labels; 1 also hidden lines, fills and depth; 2 and above
// also lit and translucent surfaces).
#pragma once
#include <QString>
#include <vector>

#include "model/cgcell.h"

class CGTrack : public CGCell {
  DECLARE_SERIAL(CGTrack)

 public:
  // The drawing passes and the slot each calls on the drawn cells.
  enum Pass { kVisiblePass = 1, kHiddenPass, kDrawPass, kFillPass, kDepthPass, kLitPass, kTranslucentPass };
  // The most copies one pass draws, whatever range and step say: a full
  // turn at the smallest step the dialog takes stays whole.  A range that
  // would take more is drawn whole with this many copies spread evenly
  // over it, as curves and loci thin their samples.
  static constexpr int kCopyBudget = 100000;

  CGTrack();
  // `flags` holds one entry per parent, 1 for a cell drawn at each step.
  // Orders min and max, joins every parent's child list, takes the colour
  // for arcs and solids and recalculates.
  CGTrack(WORD id, const std::vector<WORD>& parents, const std::vector<WORD>& flags, int rangeFromValues, float min,
          float max, float step, BYTE depth, BYTE colouring);

  // The common record, then the range, the step, the range-values flag and
  // the drawn positions.  Loading refuses a position outside the parents,
  // a count beyond the record and range values without their parents.
  void Serialize(CArchive& ar) override;
  // With range values the swept range is theirs, undefined outside the
  // limits; otherwise always defined (the parents are not consulted).
  void Recalculate() override;
  void DrawFill() override;
  void DrawDepthOnly() override;
  void DrawVisibleEdges() override;
  void DrawHiddenEdges() override;
  void Draw() override;
  void DrawLit() override;
  void DrawTranslucent() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // Replays the construction over the swept range and draws the drawn cells
  // in one pass (1 to 7); the page stands as it stood afterwards.  No
  // copies for a step that is not a positive finite number; the stepping
  // also ends when the value stops growing, and an endless range after
  // kCopyBudget copies.  A finite range of more than kCopyBudget steps is
  // swept in kCopyBudget copies, the step widened to range / kCopyBudget.
  void DrawAtSamples(int pass);
  // How many copies DrawAtSamples draws with the present range and step.
  int CopyCount() const;

  float RangeMin = 0;
  float RangeMax = 1;
  float TrackStep = 0.5f;
  std::int32_t RangeFromValues = 0;
  std::vector<WORD> DrawnParents;
  std::int32_t ChainStart = 1;  // not stored
  float SweepFrom = 0;
  float SweepTo = 1;

 private:
  // The colour and own-colour switch around one pass.
  void DrawColoured(int pass);
  void SetChainStart() { ChainStart = RangeFromValues != 0 ? 3 : 1; }
  bool ResolveParents();
  void RecalculateChain();
  void DrawCopy(int pass);
  // The driver at v, the chain recalculated, one copy drawn.
  void DrawCopyAt(float v, int pass);
  // Whether the range is spread over kCopyBudget copies.
  bool Spread() const;

  std::vector<CGCell*> m_parentCells;  // resolved for one pass; reused
};

void RegisterTrackClasses();
