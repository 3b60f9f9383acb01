// An iteration: a piece of the construction repeated on itself.
//
// n source cells (the first p of them points, the rest values) and, for
// each of b mappings, one image cell per source that the construction
// derives from the sources.  Drawing applies the mappings again and again:
// the sources are moved to their images, the cells between them (the
// chain) recomputed and drawn, and so on to the depth; with several
// mappings the copies branch into a tree.  The copies exist only while the
// iteration draws: the sources and the chain are put back afterwards.
//
// Fields of the common record with a meaning here: the option word that
// vectors use as their form flag (m_nParamA) takes the depth from the last
// parent, a value, when set; style 1 colours the levels by hue, style 2
// draws the copies in the iteration's own colour; the first label-extra
// word (m_nLabelExtra[0]) is the table's orientation (0 one row per level,
// else one row per table cell).
#pragma once
#include <QString>
#include <array>
#include <map>
#include <vector>

#include "model/cgcell.h"
#include "model/document/docservices.h"

class CGVertex;
class CGTmVariable;

class CGIterate : public CGCell, public IDepthStepping {
  DECLARE_SERIAL(CGIterate)

 public:
  using SourceRecord = std::array<float, 4>;  // x, y, z, value
  static constexpr int kTableRows = 22;
  // Recalculations of chain cells one pass may spend on copies, whatever the
  // depth asked for (ten times what the suggested depths keep to).
  static constexpr long long kCopyBudget = 320000;
  // The most passes one frame asks of an iteration: the trace layer's full
  // trace of a traced one.
  static constexpr int kPassesPerFrame = 11;
  // What the copies may cost in one frame, all its passes together: enough
  // for every pass of a frame to draw the same levels, while an iteration
  // drawn among the copies of another, which asks for its copies again with
  // each of them, still keeps the frame bounded.
  static constexpr long long kFrameCopyBudget = kCopyBudget * kPassesPerFrame;
  // The deepest an iteration goes: what a value driving the depth gives at
  // most, and what a stored depth is brought down to.
  static constexpr int kDepthLimit = 10000;
  // The most mappings a stored record may name.
  static constexpr int kMaxMappings = 0xFFFF;

  CGIterate();
  // Takes the id arrays over (`arrays` is left empty): the sources first,
  // then one array of images per mapping.  Collects the chain, the drawn
  // and the table cells among the sources' descendants, becomes a child of
  // the chain's end cells and recalculates.
  CGIterate(WORD id, int n, int p, int depth, std::vector<std::vector<WORD>>& arrays);

  // The common record, then n, p, b, depth, the table cell count, the three
  // flags, the b + 1 id arrays and the chain, drawn and table lists.
  // Loading checks every count against what is left to read and brings the
  // depth into 0 .. kDepthLimit.
  void Serialize(CArchive& ar) override;
  // Every id it holds comes before its own, as its parents do.  The cells
  // it draws for each copy then come before it, and so do those an
  // iteration or a track among them draws in turn (a track draws its
  // parents): drawing a copy never comes back to the iteration.  An id that
  // names no cell (one deleted after the iteration was built) is kept and
  // left out when drawing.
  bool FitsLoadedPage(const CCellMap& cells) const override;
  // The depth from the last parent when it drives it; the sources saved,
  // table row 0 written.  The defined flag is left as it is.
  void Recalculate() override;

  void DrawFill() override;
  void DrawDepthOnly() override;
  void DrawVisibleEdges() override;
  void DrawHiddenEdges() override;
  void Draw() override;
  void DrawLit() override;
  void DrawLitLate(BOOL bLit) override;
  void DrawTranslucent() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;
  // The name and table follow the mouse (g_nMouseDeltaX, g_nMouseDeltaY).
  void DragLabel() override;

  // Every id held besides the parents through the map; an id it does not
  // hold becomes 0.
  void RemapIds(const std::map<WORD, WORD>& newIds);
  // Every occurrence of one id held besides the parents.
  void ReplaceId(WORD oldId, WORD newId);
  // The largest depth whose copies stay under 32000 recalculations (at most
  // 1000); 1000 when there is no chain or no mapping to divide by.
  int MaxDepth() const override;
  int& Depth() override { return m_nDepth; }
  // The depth the copies are drawn to: the stored one, lowered until their
  // recalculations fit `budget`.
  int DrawnDepth(long long budget) const;
  bool DepthFromValue() const { return m_nParamA != 0; }
  int TableOrientation() const { return m_nLabelExtra[0]; }
  // Rows of the table buffer recorded so far (row 0 included).
  int RecordedRows() const;
  const float* TableRow(int row) const { return m_tableBuffer.data() + row * TableColumns(); }

  int m_nSources = 0;       // n
  int m_nPointSources = 0;  // p
  int m_nMappings = 0;      // b
  int m_nDepth = 0;
  std::vector<std::vector<WORD>> m_idArrays;  // b + 1 arrays of n ids
  std::vector<WORD> m_chain;
  std::vector<WORD> m_drawn;
  std::vector<WORD> m_table;
  std::vector<SourceRecord> m_savedSources;
  std::vector<float> m_tableBuffer;  // kTableRows rows of (table cells + 1) floats
  int m_nTableCells = 0;
  int m_nNextRow = 1;
  BYTE m_bShowAllLevels = 1;
  BYTE m_bTableShown = 0;
  BYTE m_bSolidLinesOnly = 0;
  float m_fTableRight = 0;

 private:
  // One drawing pass of the copies: the cell operation and its argument.
  struct CopyPass {
    void (*draw)(CGCell& cell, BOOL arg);
    BOOL arg;
    bool recordsRows;
  };
  static const CopyPass kFillPass, kDepthPass, kVisiblePass, kHiddenPass, kDrawPass, kLitPass, kTranslucentPass;
  static CopyPass LateLitPass(BOOL bLit);

  int TableColumns() const { return m_nTableCells + 1; }
  // Recalculations one copy costs: the chain, or the drawn cells when a
  // stored list names more of them.
  long long CopyCost() const;
  // Copies made down to `depth`: b + b^2 + ... + b^depth.
  long long CopiesTo(int depth) const;
  // The table buffer sized for the table list, which may change at any time.
  void FitTableBuffer();
  void WriteRow(int row, int level);
  void SaveSources();
  // The passes: a shown, defined iteration in its pass colour, the own
  // colours of the copies switched off while they draw.
  void DrawPass(const CopyPass& pass, bool skippedBySolidLines);
  void RunCopies(const CopyPass& pass);
  void DrawLevel(int level, int depth, const CopyPass& pass);
  void ApplyMapping(const std::vector<SourceRecord>& snapshot, int mapping);
  void RecalculateChain();
  void RestoreSources();
  // Resolves the ids into cells; false when a source or image is missing
  // or of the wrong kind, and then nothing is drawn.
  bool ResolveCells();
  void DrawTable();
  void PickTable() const;

  // Resolved for one run of the copies (kept to avoid allocating per frame).
  std::vector<CGCell*> m_sourceCells;
  std::vector<CGCell*> m_imageCells;  // mapping-major, n per mapping
  std::vector<CGCell*> m_chainCells;
  std::vector<CGCell*> m_drawnCells;
  std::vector<std::array<float, 3>> m_savedAnchors;
  std::vector<std::vector<SourceRecord>> m_snapshots;  // one per level
  // The frame being drawn (CurrentCopyFrame) and what is left of its budget.
  unsigned m_nFrame = 0;
  long long m_nFrameCopiesLeft = 0;
};

// Registers the iteration class; calling it again is harmless.
void RegisterIterationClasses();
