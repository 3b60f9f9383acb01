// The base class of every object of a page.  Cells never point at each
// other: parents and children are 16-bit ids resolved through the current
// page's map (g_pCurCells), and ascending ids are a valid recomputation
// order because parents are always created before their children.
#pragma once
#include <QString>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "model/globals.h"
#include "platform/runtimeclass.h"
#include "platform/types.h"

class CArchive;
class CGCell;

// The recalculation mark.  It reads and assigns like a byte; setting it also
// notes the cell with the current page's map, so that collecting the marked
// cells visits only them (CCellMap).
class CMarkFlag {
 public:
  explicit CMarkFlag(const CGCell& owner) : m_pOwner(&owner) {}
  CMarkFlag(const CMarkFlag&) = delete;
  CMarkFlag& operator=(const CMarkFlag& other) { return *this = static_cast<bool>(other); }
  CMarkFlag& operator=(bool on);
  operator bool() const { return m_bOn; }

 private:
  const CGCell* m_pOwner;
  bool m_bOn = false;
};

class CGCell : public CObject {
  DECLARE_SERIAL(CGCell)

 public:
  // Defaults; the colours and the size come from the display preferences.
  CGCell();
  CGCell(const CGCell&) = delete;
  ~CGCell() override = default;
  // Lets a new cell take over another's look, id and dependants: copies the
  // common fields and the child list, keeps this cell's parents, class
  // values, VOD name and label extras, and clears the transient flags.
  CGCell& operator=(const CGCell& other);

  // The common record; every subclass calls it first.  Items added in the
  // newer layout are skipped when the archive's context says older layout.
  void Serialize(CArchive& ar) override;

  virtual void BindVertexIndices() {}
  virtual void DragLabel() {}
  // The defined-flag rule: undefined as soon as one parent is undefined or
  // missing (later parents are not looked at); else defined.
  virtual void Recalculate();
  // Reads the files the record names, once the cell is fresh from a record
  // (an opened document, a pasted one): the one time a cell may read a file
  // or ask the user where one went.  Recalculate uses what was read.
  virtual void ReadFiles() {}
  virtual void UpdateLabel() {}
  virtual void ApplyParameter() {}
  // Drawing passes of the page, in the order it calls them; each draws
  // nothing for a hidden or undefined cell.
  virtual void DrawFill() {}
  virtual void DrawDepthOnly() {}
  virtual void DrawVisibleEdges() {}
  virtual void DrawHiddenEdges() {}
  virtual void Draw() {}
  virtual void DrawLit() {}
  virtual void DrawLitLate(BOOL bLit) {
    if (bLit) DrawLit();
  }
  virtual void DrawTranslucent() {}
  virtual void DrawFlat() {}
  virtual void DrawForPick(int /*mode*/) {}
  virtual QString GetDescription() { return {}; }
  // Recolouring hands every text the background colour (red in the low
  // byte): a text rendered over a backdrop of its own takes it and renders
  // again in its current colour.  Other cells ignore it.
  virtual void TakeBackdrop(COLORREF /*background*/) {}
  // Whether computing this cell writes fields of its parents (a colour
  // modifier colours its targets, a stepwise cut shows its hull):
  // such a cell's parents are computed again, with all that follows, when
  // it comes, changes or goes, so the last writer in id order wins as it
  // does when the document opens.
  virtual bool WritesParents() const { return false; }
  // The offset from a followed point that places this cell's anchor when it
  // is computed; null for a cell placed by its anchor alone.
  virtual float* AnchorOffset() { return nullptr; }
  // Puts the anchor's coordinate `axis` at `to`, moving the offset it is
  // computed from alike, so the new place is the one a computation and a
  // reopen give; an offset that would be no finite number leaves the cell
  // as it was.
  void MoveAnchor(int axis, float to);

  // A digest of the stored record, class and all, less the list of
  // children (a cell is computed from its parents and its own fields, so
  // one that only gained or lost a child computes as before); pictures
  // count by their identity, not their bytes.  0 when the record cannot be
  // written (memory running out), which the caller takes as changed.
  std::uint64_t RecordDigest();

  // Whether what the stored record refers to fits the page it was read into
  // (all its cells are there by then); false fails the load.  Most records
  // are checked while they are read and need nothing here.
  virtual bool FitsLoadedPage(const CCellMap& /*cells*/) const { return true; }

  // Parent i as a cell of class T in the current page; null when there is
  // no such parent, its id is not in the map or the cell is of another class,
  // so a hostile file never gets a cell misread as something it is not.
  template <class T>
  T* ParentAs(size_t i) const;
  // The same, and null too while that parent is undefined: what every
  // construction asks of the parents it reads before it computes.
  template <class T>
  T* DefinedParentAs(size_t i) const;
  // Parent i's name, empty when there is no such cell.
  QString ParentName(size_t i) const;
  // After a load: a record whose parent count differs from `parents`, or
  // that holds a value that is not a finite number, would make every later
  // recalculation read past the parents or spread NaN through the page, so
  // the load fails (BadData).  Nothing happens while storing.
  void CheckLoaded(CArchive& ar, size_t parents, std::initializer_list<float> values) const;

  // Marks every descendant (not this cell) unless this cell is marked; a
  // descendant already marked is not walked again.  Iterative, so a long
  // chain cannot exhaust the stack; ids missing from the map are skipped.
  void MarkDescendants();
  // The same over the parents.
  void MarkAncestors();

  WORD m_nId = 0;
  QString m_strName;
  RGBA m_rgbaColor;
  RGBA m_rgbaLabel;
  BYTE m_nStyle = 0;
  BYTE m_nSubKind = 0;
  float m_fSize;
  float m_vLabelAnchor[3] = {0, 0, 0};
  std::vector<WORD> m_parents;   // in the class's own order
  std::vector<WORD> m_children;  // in order of registration
  bool m_bDefined = true;
  BOOL m_bHidden = 0;
  BOOL m_bLabelHidden = 1;
  bool m_bSelected = false;
  bool m_bHovered = false;
  CMarkFlag m_bMarked{*this};
  bool m_bNameFixed = false;
  bool m_bTraced = false;
  float m_fValue = 0;
  DWORD m_dwParam1 = 0;
  DWORD m_dwParam2 = 0;
  DWORD m_dwParam3 = 0;
  QString m_strText;
  bool m_bLabelStale = true;
  QString m_strLabelLists;  // display-list names of the label's characters (not stored)
  std::int32_t m_nParamA = 0;
  std::int32_t m_nParamB = 0;
  std::int32_t m_nParamC = 0;
  QString m_strVodName;
  std::int32_t m_nLabelMode = 0;
  std::int32_t m_nLabelExtra[4] = {0, 0, 0, 0};
  QString m_strLabelExtra;
  std::vector<WORD> m_auxIds;  // class-defined; not stored by the base record
  std::uint64_t m_nTouchRound = 0;  // the last edit round a map noted this cell in (CCellMap)

 private:
  template <class Link>
  void MarkLinked(Link links);
  CGCell* ParentCell(size_t i) const;
};

template <class T>
T* CGCell::ParentAs(size_t i) const {
  CGCell* cell = ParentCell(i);
  return cell && cell->IsKindOf(T::ThisClass()) ? static_cast<T*>(cell) : nullptr;
}

template <class T>
T* CGCell::DefinedParentAs(size_t i) const {
  T* cell = ParentAs<T>(i);
  return cell && cell->m_bDefined ? cell : nullptr;
}
