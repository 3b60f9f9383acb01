// What every construction command shares: reading the current page's
// selection, making room before the first new id, taking ids, vertex slots
// and automatic names in order, entering each cell in the page's map at
// once, and ending with one undo step, the document modified and the views
// updated.  A command that finds nothing to build returns before it makes
// room, so a refused selection leaves the document untouched.
//
//   CConstruction build(doc);
//   if (!build.MakeRoom(1, 1)) return;           // ids and vertex slots first
//   const CNewPoint p = build.NextPoint();       // id, slot, name
//   build.Add(new CGVerMid(p.id, p.slot, p.name, segment));
//   build.Commit(label);                         // one undo step
#pragma once
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/commandregistry.h"
#include "platform/types.h"

class CCmd;
class CCmdUI;
class CGCell;
class CGPage;
class CKavrelDoc;

// The counts of the selection lists, by the letters the command rules use.
struct CSelectionCounts {
  int P = 0;  // points
  int L = 0;  // lines
  int F = 0;  // faces
  int A = 0;  // circles, arcs and other paths
  int B = 0;  // buttons
  int V = 0;  // values and vectors
  int X = 0;  // texts
  int R = 0;  // solids
  int O = 0;  // all other cells
  int T = 0;  // every selected cell
};
// Of the current page; all 0 without one.  The lists themselves, in
// selection order, are the page's (m_selPoints ... m_selAll).
CSelectionCounts CountSelection();

// The current page's selected points in selection order; none without a page.
std::vector<WORD> SelectedPoints();

// A new point's id, vertex slot and automatic name, taken in that order.
struct CNewPoint {
  WORD id;
  int slot;
  QString name;
};

class CConstruction {
 public:
  // Vertex-array growth when points are coming: by what the command asks
  // for (the number of points, or a fixed 100; ReserveVertexArray rounds).
  static constexpr int kGrowByPoints = -1;
  static constexpr int kGrowBy100 = 100;

  // Works on the current page.
  explicit CConstruction(CKavrelDoc& doc);
  // A construction not committed takes back every cell, id, slot and
  // automatic name it took: the page is as it was.
  ~CConstruction();
  CConstruction(const CConstruction&) = delete;
  CConstruction& operator=(const CConstruction&) = delete;

  // Checks, before anything is taken, that `cells` more ids exist (else
  // the too-many-objects message) and that `points` more points fit the
  // vertex array, growing it when they would not.  False: nothing can be
  // made and nothing was (the message has been shown).
  bool MakeRoom(int cells, int points = 0, int growth = kGrowByPoints);

  // Takes the page's next id.
  WORD NextId();
  // Takes the next id, vertex slot and automatic point name; with a fixed
  // name, the automatic names are left for later points.
  CNewPoint NextPoint(const QString& fixedName = {});
  // The same with an empty name, drawing no automatic name.
  CNewPoint NextNamelessPoint();
  // Enters a cell made with the last id taken in the page's map; later
  // cells of the construction may look it up.
  template <class T>
  T* Add(T* cell) {
    Enter(cell);
    return cell;
  }

  // Takes over the `count` cells a builder of its own (BuildDivisionPoints)
  // just entered in the page's map under the next ids, after MakeRoom.
  void Adopt(int count);

  // Cells entered so far.
  int Count() const { return static_cast<int>(m_entered.size()); }
  // Records the cells as one undo step named `label` (one cell: the
  // single-cell command, unless `asMany`: kinds that make a chosen number
  // of cells record even one as many), marks the document modified and
  // updates the views.  Nothing entered: nothing recorded.
  void Commit(const QString& label, bool asMany = false);
  // The same with a step of the caller's own over the cells entered, made
  // once they all are (one that also undoes what else the command changed).
  void Commit(std::unique_ptr<CCmd> step);

 private:
  void Enter(CGCell* cell);
  void TakeBack();

  CKavrelDoc& m_doc;
  CGPage* m_pPage;
  std::vector<WORD> m_entered;
  int m_nRoom = 0;  // ids checked by MakeRoom
  bool m_bRoomMade = false;
  WORD m_nFirstId = 0;
  WORD m_nFirstVertex = 0;
  BYTE m_nameState[3] = {0, 0, 0};  // point letter, suffix, circle counter
  bool m_bCommitted = false;
};

// Whether every id names a cell of the current page (a selection list may
// name a cell no longer there when a handler is called directly).
bool AllOnPage(std::initializer_list<WORD> ids);

// The construction of one cell that takes no vertex slot: a T made from
// the next id and `parents` (in that order), which must all be on the
// page, recorded as one undo step named `label`.  False: nothing made.
template <class T, class... Parents>
bool BuildOne(CKavrelDoc& doc, const char* label, Parents... parents) {
  if (!AllOnPage({static_cast<WORD>(parents)...})) return false;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return false;
  build.Add(new T(build.NextId(), parents...));
  build.Commit(QString::fromUtf8(label));
  return true;
}

// An update rule that enables its command when `Fits` holds for the
// current selection; the handler asks the same `Fits` before it builds.
template <bool (*Fits)()>
void EnableWhen(CKavrelDoc&, CCmdUI& ui) {
  ui.Enable(Fits());
}

// The one-point commands: room for one cell and, when the next vertex slot
// would not fit, the vertex array grown by 100; then the point `make` builds
// on the id, slot and automatic name taken, recorded as the single-cell step
// `label`.
void BuildOnePoint(CKavrelDoc& doc, const char* label, const std::function<CGCell*(const CNewPoint&)>& make);

// The one selected path when it is a circle or arc; else 0.
WORD SelectedCircle();
// That circle and exactly two selected points.
bool CircleAndTwoPoints();

// Update rules several families share; the point rules count only points.
void OnUpdateSinglePoint(CKavrelDoc& doc, CCmdUI& ui);  // P = 1
void OnUpdateThreePoints(CKavrelDoc& doc, CCmdUI& ui);  // P = 3
void OnUpdateCircleAndTwoPoints(CKavrelDoc& doc, CCmdUI& ui);
// No selected point or two: the ready-made plane shapes and the sphere.
bool NoneOrTwoPoints();
void OnUpdateCreatePlaneRect(CKavrelDoc& doc, CCmdUI& ui);

// The variant without new cells: `change` is applied to each listed cell
// and their descendants are relabelled (the edit's end computes them all),
// the object list renames its items (0x811), the document is modified and
// the views updated.  No undo step.
void ChangeCellsInPlace(CKavrelDoc& doc, const std::vector<WORD>& ids, const std::function<void(CGCell&)>& change);

// The variant that draws with the mouse: the view's tool mode becomes
// `mode` and its construction starts anew.  The document is not touched.
void EnterDrawingTool(int mode);
