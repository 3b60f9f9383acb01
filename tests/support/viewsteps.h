// What a user does in the view, for the drawn edits (documentsteps.h): an
// action button clicked and the timer ticking, a free point dragged, the
// construction tools clicked; with the wide set also the colour button,
// the preferences, drags of labels, buttons, captions, texts, picture
// corners and sliders, and a link's page change.  The mouse tools and the
// view's motion run as the view runs them, on a scripted surface: no
// window and no GL, the draws say what lies under the pointer and where it
// meets space.
#pragma once
#include <string>
#include <vector>

#include "support/documentsteps.h"
#include "support/scriptedview.h"
#include "view/motion/viewmotion.h"
#include "view/tools/mousetools.h"

class ViewSteps {
 public:
  // The tool commands (ID_CREATE_POINT ...) are entered in the command
  // registry while it lives, as the view enters them; `wide`, the
  // preferences and the colour button too, as the view and the main frame
  // enter them.
  ViewSteps(CKavrelDoc& doc, StepDraw& draw, bool wide = false);
  ~ViewSteps();
  ViewSteps(const ViewSteps&) = delete;
  ViewSteps& operator=(const ViewSteps&) = delete;

  // A show/hide, animation, move or series button of the current page
  // pressed (started, or stopped when it runs), then timer ticks while the
  // timer runs the buttons.  What was done, for the report.
  std::string ClickButton();
  // A free point pressed, moved over one to three places and released.
  std::string DragPoint();
  // A construction tool chosen, clicks on points, lines, circles or empty
  // space, and the right button until the select tool is back.
  std::string Construct();
  // The colour button pressed with a drawn colour: the selection takes it,
  // or else the ink.
  std::string ColorButton();
  // A label, button, caption or value, text, picture corner, slider, ink
  // mark or body pressed with the select tool, dragged over one to three
  // places and released.
  std::string DragCell();
  // A page link of the current page clicked and its page change run as the
  // view runs a posted message, outside any edit; with no link, the change
  // a link to a drawn page posts.
  std::string FollowLink();

 private:
  // One press and release of a construction tool.
  std::string ConstructionClick();
  // Shown, defined cells of the current page of one of the classes.
  std::vector<WORD> Pickable(std::initializer_list<std::string_view> classes) const;
  // A coordinate for the pointer: often one of a point of the page (so
  // that what is made meets it), else a drawn number.
  double Coordinate(int axis);
  ToolInput Input(bool left, bool ctrl = false);
  // Timer ticks after a click while the timer runs the buttons, a drawn
  // few or many; how many ran.
  unsigned Ticks();

  CKavrelDoc& m_doc;
  StepDraw& m_draw;
  ScriptedSurface m_surface;
  CMouseTools m_tools{m_surface};
  RecordingTimer m_timer;
  CViewMotion m_motion{m_tools, m_timer};
  int m_nPointer = 0;  // the pointer's pixel, moved by every event
  COLORREF m_nColor = 0;  // what the colour button shows
};
