// Undo commands that change cells in place: a point's parameter, cells
// replaced under their ids by detached copies, and a style copied onto the
// other selected cells of a kind.
#pragma once
#include <map>
#include <memory>
#include <vector>

#include "model/cgcell.h"
#include "model/undo/cmdcells.h"
#include "model/undo/cmdprocessor.h"

class CGPage;

// A point's position or path parameter was edited.  The constructor takes
// the snapshot, so the caller constructs it before the edit.
class CCmdModifiPoint : public CCmd {
 public:
  CCmdModifiPoint(WORD pointId, const QString& name);
  BOOL Undo() override { return Exchange(); }
  BOOL Redo() override { return Exchange(); }

 private:
  // Undo and redo both swap the saved values with the point's and place it;
  // the edit's end computes what depends on it.
  BOOL Exchange();

  WORD m_nPointId;
  float m_vPos[3] = {0, 0, 0};
  float m_fValue = 0;
};

// Cells replaced under their ids by detached copies that take over their
// look and dependants.  The caller adds the copies, submits, then calls Redo.
class CCmdSplit : public CCmd {
 public:
  explicit CCmdSplit(const QString& name) : CCmd(name) {}
  // A copy for the page's cell under copy->m_nId.  A detached copy has no
  // parents; any it was given are dropped.
  void Add(std::unique_ptr<CGCell> copy);
  bool IsEmpty() const { return m_cells.empty(); }
  BOOL Undo() override;
  BOOL Redo() override;

 private:
  std::map<WORD, CHeldCell> m_cells;  // the version not in the page
};

// The part of a cell's look that copying a style changes.
struct CellStyles {
  static CellStyles Of(const CGCell& cell);
  void WriteAll(CGCell& cell) const;

  WORD m_nId = 0;
  RGBA m_rgbaColor;
  RGBA m_rgbaLabel;
  BYTE m_nStyle = 0;
  BYTE m_nSubKind = 0;
  BOOL m_bLabelHidden = 0;
  float m_fSize = 0;
  std::int32_t m_nLabelMode = 0;
  DWORD m_dwParam3 = 0;  // texture number of faces and circles
};

// The style of one selected cell copied onto the other selected cells of
// its kind.  The caller submits it, then calls Redo.
class CCmdMatchprop : public CCmd {
 public:
  enum : int { kPoints = 1, kLines = 2, kFaces = 3, kPaths = 4 };

  explicit CCmdMatchprop(const QString& name) : CCmd(name) {}
  // Filled from the page's selection: the first of the point, line, face and
  // path lists holding two or more cells gives the kind; its last selected
  // cell is the source, the others the targets.  Null when no list qualifies.
  static std::unique_ptr<CCmdMatchprop> FromSelection(const CGPage& page);

  BOOL Undo() override;
  BOOL Redo() override;

  int m_nKind = 0;
  CellStyles m_source;
  std::vector<CellStyles> m_saved;  // the targets' styles before the copy
};
