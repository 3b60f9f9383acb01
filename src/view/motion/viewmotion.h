// How the view moves as a whole and in time: the wheel zoom, the reset to
// the default position, timer 1 and its tick (running action buttons,
// spinning about an axis, the view's own transitions), the cell commands
// that start and stop buttons, the private messages of the view, and the
// parts of the initial update that need no GL.  The state of the tick is
// the current page's timer job (m_nTimerJob): 0 step the running buttons,
// 1 spin about z, 2 about x, 3 about y, 4 a view transition, 5 and above
// stop at the next tick.
#pragma once
#include <functional>

#include "platform/types.h"
#include "platform/uibridge.h"
#include "view/motion/viewpair.h"

class CCmdUI;
class CGPage;
class CKavrelDoc;
class CMouseTools;
class IViewTimer;

class CViewMotion {
 public:
  // The transition hooks start as the view's own: the plane mode's turn
  // onto a face, run by its rotate and translate buttons.
  CViewMotion(CMouseTools& tools, IViewTimer& timer);
  CViewMotion(const CViewMotion&) = delete;
  CViewMotion& operator=(const CViewMotion&) = delete;

  CMouseTools& Tools() { return m_tools; }
  CKavrelDoc* Document() const;
  void Redraw();

  // --- Timer 1 ---------------------------------------------------------------
  // 1000 / frames per second milliseconds, at least 1; a frame rate below 1
  // counts as 1.
  static int TimerPeriod();
  bool TimerRuns() const { return m_bTimer; }
  // Starts timer 1 unless it runs; stops it if it does.
  void StartTimer();
  void StopTimer();
  // The timer runs a spin or a transition (job not 0).
  bool IsSpinning() const;
  // One tick.  A tick that arrives while one is handled does nothing; Qt
  // never queues ticks of one timer, so missed ticks are not caught up.
  void OnTimer();
  // ID_ANIMA_PLAYSTOP: starts the spin (about z when no axis is chosen) or
  // stops the timer; nothing while action buttons run.
  void OnAnimaPlaystop();
  void OnUpdateAnimaPlaystop(CCmdUI& ui) const;
  // Spin about axis job (1 z, 2 x, 3 y), the step's sign the direction
  // (negative: the negative way), started when stopped.
  void Spin(BYTE job, bool negative);

  // --- Whole-view operations -------------------------------------------------
  // One wheel notch, whatever its size: +-0.05 of scale within 0.01 to 100.
  void OnMouseWheel(int delta);
  // ID_VIEW_TSFM_RESET.
  void OnViewTsfmReset();
  // The ribbon's translation sliders follow the view translation.
  static void UpdateSliders();

  // --- Buttons and messages --------------------------------------------------
  // Starts the action button `id`, or stops it when it runs.
  void OnCellCommand(WORD id);
  // The private messages of the view (WM_COLOR_CHOSEN, WM_GOTO_PAGE,
  // WM_CELL_COMMAND); 0 for any other.
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // The first update of a new or opened document: the undo commands follow
  // its page, its timer job stops, the tool menu and older pages are brought
  // up to date, the page's auto-run button starts, and ink strokes of the
  // previous document go.  Nothing without a document.
  void OnInitialUpdate();

  // A view transition (timer job 4) advances one tick; true when it is
  // complete.  None installed: the transition ends at once.
  std::function<bool()> stepTransition;
  // Plane mode: starts the transition to the plane of a selected section;
  // false when there is none (the top view is taken instead).
  std::function<bool()> startPlaneTransition;
  // While the media player is open the arrow keys are its own (Up stretches
  // the video, Down restores it); true when the player took the key.
  std::function<bool(UINT key)> mediaKey;
  // With one face selected: the selection is cleared and the view's own
  // buttons turn and shift the view onto the face under timer job 4.
  // False when the face view cannot be made.
  bool StartPlaneTransition();
  CViewPair viewPair;
  // Plane-mode word: bit 1 the plane view is on, bit 2 the transition to it
  // is under way.
  int m_nPlaneMode = 0;

 private:
  CMouseTools& m_tools;
  IViewTimer& m_timer;
  bool m_bTimer = false;   // timer 1 runs
  bool m_bInTick = false;  // re-entry guard of the tick
};

// Plane-mode bits.
inline constexpr int kPlaneView = 1;
inline constexpr int kPlaneTransition = 2;
// Bits of the axes display flags (g_nAxesMode).
inline constexpr int kAxesSpatial = 1;
inline constexpr int kAxesPlane = 2;
inline constexpr int kAxesGrid = 4;
// Timer jobs of a page.
enum TimerJob : BYTE {
  kJobButtons = 0, kJobSpinZ = 1, kJobSpinX = 2, kJobSpinY = 3, kJobTransition = 4, kJobStop = 5
};

// The ink strokes not yet saved are dropped.
void EraseInkStrokes();
