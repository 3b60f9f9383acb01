// One page of a document: its cells in an id-to-cell map, the counters that
// hand out cell ids, vertex slots and automatic names, the page's own view
// position and display settings, and the id lists the selection, the running
// buttons, the recomputation and the trace layer work on.  Exactly one page
// is current (g_pCurPage, g_pCurCells).
#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "model/cellmap.h"
#include "model/transformmarks.h"
#include "model/undo/cmdprocessor.h"
#include "platform/runtimeclass.h"
#include "platform/types.h"

class CArchive;
class CGCell;

// The held ids as they were before ForgetIdsFrom and as it left them.
struct CForgottenIds {
  CTransformMarks marksBefore, marksAfter;
  std::int32_t autoButtonBefore = 0, autoButtonAfter = 0;
};

class CGPage : public CObject {
  DECLARE_SERIAL(CGPage)

 public:
  // An empty page; its view fields are copied from the current view state.
  CGPage();
  CGPage(const CGPage&) = delete;
  CGPage& operator=(const CGPage&) = delete;
  // Deletes every cell and the working tool record.
  ~CGPage() override;

  // The page record.  Loading also checks what it read (ValidateLoaded).
  void Serialize(CArchive& ar) override;

  // --- Ids and names ------------------------------------------------------
  // The last id a cell may have: m_nNextId must stay above every id.
  static constexpr WORD kMaxCellId = 0xFFFE;
  // True when `count` more cells can be given ids; otherwise tells the user
  // and returns false, and the caller creates nothing.
  bool HasRoomForCells(int count) const;
  // The next automatic name: kind 1 points ("A" ... "Z", then with the
  // suffixes "1" ... "9", "'", "0", then around again), other kinds "c%d".
  QString GetNewName(int kind);
  // Gives the last automatic point name back (the exact reverse of a step).
  void RollBackPointName();
  // Ends the user-tool instance being applied: removes its unfinished
  // cells and returns the number of finished ones for one creation command,
  // -1 when cells were created outside the instance, 0 when none is pending.
  int EndToolInstance();
  // The ids from `first` on were given back: their cells are gone and the
  // next cells made take them.  The transformation marks and the automatic
  // button that named one of them name nothing.  Returns what it cleared,
  // for the undo step that brings the ids back (GiveBackIds).
  CForgottenIds ForgetIdsFrom(WORD first);
  // The forgotten ids are back: what ForgetIdsFrom cleared holds them
  // again, unless it was set anew since.
  void GiveBackIds(const CForgottenIds& forgotten);

  // --- Vertex array and recomputation ------------------------------------
  // Numbers the points from slot 1, refills the vertex array from them
  // (growing it when fewer than 5 slots would stay free) and lets every
  // cell bind its corners' new slots.  False when the array could not grow;
  // the points then keep slots only as far as the array reaches.
  bool RebuildVertexArray();
  // The ids of all marked cells, ascending; their marks are cleared.
  void CollectDirtyIds(std::vector<WORD>& out);
  void RecalculateCells(const std::vector<WORD>& ids);
  // Those cells, fresh from a record, read the files it names (ReadFiles).
  void ReadCellFiles(const std::vector<WORD>& ids);
  // The marked cells computed again in ascending id order, as opening the
  // document computes them; the marks are cleared.  Returns their ids.
  std::vector<WORD> RecalculateMarked();
  // Every cell of the current page, fresh from a record (an opened
  // document, a pasted page), reads its files and is computed in ascending
  // id order; what an edit noted of the page is computed with it.  Returns
  // the ids computed.
  std::vector<WORD> ComputeAsOpened();
  void UpdateLabels(const std::vector<WORD>& ids);
  // Of those cells, in this order, the measured values and vectors whose
  // name or mark-up may not be what their parents give now write their
  // parents in again (unless the user fixed the name): one longer than a
  // name written in from parents now grows (kLongestWrittenIn), as a file
  // or a pasted record can bring it, and one that writes a parent in short,
  // by an id that a paste or a renumbering changed or a file brought stale.
  void RewriteWrittenInNames(const std::vector<WORD>& ids);
  // The selected cells with all their descendants (ancestors) get marked.
  void MarkSelectionWithDescendants();
  void MarkSelectionWithAncestors();
  // Marks the dependants of the points that running animation and move
  // buttons drive (not the points themselves).
  void MarkDrivenPointsDirty();
  // Text maps drawn from mark-up (style 1) render their text again.
  void MarkTextmapsChanged();
  // Every cell whose stored record the edits changed since the page last
  // settled (CCellMap notes what they touched), or that came since, is
  // computed again with all that follows from it, in ascending id order,
  // as opening the saved document computes it; a page that is not current
  // is made current meanwhile when it has anything to compute.  Whatever
  // an edit changed, the page shows what a reopen of its save shows.
  // Returns the ids computed.
  std::vector<WORD> SettleEdits();
  // Moves texts, pictures and buttons placed outside a window of the given
  // half size (pixels) back inside; returns how many moved.
  int BringPlanarCellsIntoView(float halfWidth, float halfHeight);

  // --- Selection ---------------------------------------------------------
  // Selects one cell of this page: its selected byte, m_selAll and the list
  // of its kind.  False when the id is not in the map.  A selected cell is
  // listed again; callers test the byte first.
  bool SelectCell(WORD id);
  // Deselects every listed cell, empties the lists, clears m_bSelected and
  // tells the main frame.
  void ClearSelection();
  // The lists again from the cells' selected bytes (map order).
  void RebuildSelectionLists();
  // No cell of the page is drawn as the one under the pointer.
  void ClearHover();
  // The cells for which `wanted` holds, in ascending ids.  Searching is no
  // part of an edit: only the cells found are noted, as cells the edit is
  // about to change, so an edit costs what it changes, not the page.
  std::vector<CGCell*> CellsWhere(const std::function<bool(const CGCell&)>& wanted);
  // The ids of the selected cells, ascending, taken from the selection
  // lists (which list every selected cell) rather than from a walk of the
  // page, and noting nothing.
  std::vector<WORD> SelectedIds() const;
  // Those cells, noted as cells the edit is about to change.
  std::vector<CGCell*> SelectedCells();
  // Every cell's colours and sizes from the colour scheme of the preferences.
  void ApplyColorScheme();

  // --- Action buttons and default placement ------------------------------
  // Starts or stops one button (a series button with its children); false
  // when it is already so, or a series button's start check refuses.
  bool SetButtonRunning(bool run, WORD id);
  // The next default screen position of a text `rows` rows high, and of an
  // action button (world units).
  void NextTextPosition(float position[2], int rows);
  void NextButtonPosition(float position[2]);
  // Makes (x, y), in grid units, the last button position, so the next new
  // button goes one row below it (a button was placed or dragged there).
  void NoteButtonPosition(float x, float y);

  // Checks a page just read: structural errors (a cell under a key that is
  // not its id, a parent not below its child, a child not above its parent)
  // throw CArchiveException; dangling ids make the cell undefined (parents)
  // or are dropped (children); counters and view values are put back into
  // their ranges.
  void ValidateLoaded();
  // The view's scale, shift and turn put into the ranges a loaded page
  // keeps (a scale of 0 would be read back as 0.01); whether any moved.
  bool KeepViewInRange();
  // Brings the cells (through the document services' upgradeCell) and the
  // page's own view fields of a document written by program version
  // `version` up to the current one.
  void UpgradeCells(int version);

  WORD m_nId = 0;
  QString m_strName;
  WORD m_nNextId = 1;
  WORD m_nNextVertex = 1;
  BOOL m_bSelected = 0;
  BYTE m_chNameLetter = 'A';
  BYTE m_chNameSuffix = ' ';
  BYTE m_nCircleCounter = 1;
  BYTE m_nTextSlot = 0;
  BYTE m_nButtonSlot = 0;
  float m_ptLastButton[2] = {-1000.0f, 11.2f};
  float m_ptLastText[2] = {1000.0f, 11.2f};
  float m_vTranslate[3];
  float m_qRotate[4];  // x, y, z, w
  float m_fScale;
  float m_rgbaBackground[4];
  std::int32_t m_nProjection;  // 0 central, 1 orthographic, 2 oblique
  bool m_bLockView;
  bool m_bLockDrag;
  BOOL m_bExtended = 1;  // the record carries the extension block
  BOOL m_bLitHidesDashed = 1;  // lit solids are drawn before the edge passes
  std::int32_t m_nPixelsPerUnit = 20;  // 5 to 200
  std::int32_t m_nAxisOrientation = 1;  // 0 to 2
  std::int32_t m_nReserved1 = 0;
  std::int32_t m_nReserved2 = 0;
  QString m_strReserved;
  std::int32_t m_nAutoButton = 0;  // button started when the page is shown; 0 none
  QString m_strMedia;
  CCellMap m_cells{this};  // owns the cells

  // Selection lists (ids in selection order).
  std::vector<WORD> m_selPoints, m_selLines, m_selFaces, m_selSolids, m_selPaths, m_selTexts,
      m_selValues, m_selButtons, m_selOthers, m_selAll;
  int m_nStepKind = 0;
  std::vector<WORD> m_stepList;

  std::vector<WORD> m_runningButtons;
  std::vector<WORD> m_dirtyIds;   // ids of the last recomputation, ascending
  std::vector<WORD> m_buttonIds;  // ids recomputed by the last animation step
  std::vector<WORD> m_traceList;
  BYTE m_nTimerJob = 1;
  BOOL m_bThreeView = 0;
  bool m_bFourthQuadrant = true;

  // The user tool being applied (owned) and its id remapping.
  std::unique_ptr<CObject> m_pToolRecord;
  std::map<WORD, WORD> m_toolIdMap;
  int m_nToolPendingId = -1;
  WORD m_nToolFirstId = 0;
  int m_nToolDone = 0;

  BOOL m_bFullTrace = 0;
  int m_nPasteCount = 0;

  CCmdProcessor m_undo;  // this page's history; not stored
  CTransformMarks m_marks;  // set by the mark commands; not stored
};

// Makes a page current: g_pCurPage and g_pCurCells point at it (both null
// for no page).
void SetCurrentPage(CGPage* page);

// Runs `edit` on `page` and settles it, the page made current meanwhile,
// for a command that changes every page (the current one settles when the
// command ends); the current page is put back after.
void EditPageAndSettle(CGPage& page, const std::function<void(CGPage&)>& edit);

// Refills the current page's trace list: mode 1 after an animation step,
// any other mode after a drag or a command.
void BuildTraceList(int mode);
