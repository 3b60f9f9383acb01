#include "support/viewsteps.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <utility>

#include "cells/dynamic/buttons/linkbutton.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"
#include "view/pickchoice.h"
#include "view/tools/viewcommands.h"

namespace {
// Ticks a click lets run at most: an animation at the least speed takes a
// hundred.
constexpr unsigned kMostTicks = 200;

std::string Number(double v) { return QString::number(v).toStdString(); }

std::string Place(const double* p, int axes) {
  std::string text = "(";
  for (int i = 0; i < axes; ++i) text += (i ? ", " : "") + Number(p[i]);
  return text + ")";
}

// What the select tool drags, by the pick kind that grips it.
struct Grip {
  const char* name;
  int kind;
  std::initializer_list<std::string_view> classes;
};
const Grip kGrips[] = {
    {"label", kPickLabel, {"CGVertex", "CGLine", "CGFace", "CGArc", "CGIterate"}},
    {"button", kPickButton, {"CGButton"}},
    {"caption or value", kPickValue, {"CGTextmap"}},
    {"text", kPickText, {"CGTextbit"}},
    {"picture corner", kPickImageCorner, {"CGTbImage"}},
    {"slider", kPickSlider, {"CGTmVarParameter"}},
    {"ink", kPickPath, {"CGInkmarks"}},
    {"body", kPickOther, {"CGSubassembly"}},
};

// The select tool, as the user takes it before pressing on a cell.
void TakeSelectTool() {
  if (g_nToolMode != 1) CommandRegistry().Run(ID_EDIT_SELECT);
}
}  // namespace

ViewSteps::ViewSteps(CKavrelDoc& doc, StepDraw& draw, bool wide) : m_doc(doc), m_draw(draw) {
  m_tools.SetDocument(&doc);
  RegisterCommandRows(ToolCommandRows(), m_tools, this);
  // A construction tool stops the view's timer.
  m_surface.stopSpin = [this] { m_motion.StopTimer(); };
  if (!wide) return;
  for (const CViewCommandRow& row : CaptureCommandRows())
    if (row.id == ID_EDIT_PREFERONCES) RegisterCommandRows({row}, m_tools, this);
  // The main frame's colour button sends the view the colour it shows.
  CommandRegistry().Register(
      ID_VIEW_COLOR, [this](unsigned) { m_motion.OnMessage(WM_COLOR_CHOSEN, m_nColor, 0); }, {}, this);
}

ViewSteps::~ViewSteps() { CommandRegistry().Withdraw(this); }

std::vector<WORD> ViewSteps::Pickable(std::initializer_list<std::string_view> classes) const {
  std::vector<WORD> ids;
  for (auto [id, cell] : g_pCurPage->m_cells)
    if (cell->m_bDefined && !cell->m_bHidden && IsKindOfAnyClassName(cell, classes)) ids.push_back(id);
  return ids;
}

double ViewSteps::Coordinate(int axis) {
  static constexpr double kNumbers[] = {0, 1, -1, 0.5, 2, 3, -2.5, 4, 7, -12.25, 40, -1000, 1e-6};
  if (m_draw(3) == 0)
    if (const std::vector<WORD> points = Pickable({"CGVertex"}); !points.empty())
      return static_cast<const CGVertex*>(g_pCurPage->m_cells.Lookup(points[m_draw(points.size())]))->m_vPos[axis];
  return kNumbers[m_draw(std::size(kNumbers))];
}

ToolInput ViewSteps::Input(bool left, bool ctrl) {
  m_nPointer = (m_nPointer + 7) % 400;
  return {100 + m_nPointer, 300 - m_nPointer / 2, left, false, false, ctrl};
}

std::string ViewSteps::ClickButton() {
  const std::vector<WORD> buttons = Pickable({"CGButnSHide", "CGButnAnimation", "CGButnMove", "CGButnPresentat"});
  if (buttons.empty()) return "no button to click";
  const WORD id = buttons[m_draw(buttons.size())];
  TakeSelectTool();
  // The press on the face posts the cell command, which the view runs.
  m_surface.pick = {true, kPickButtonHandle, id};
  m_tools.OnLButtonDown(Input(true));
  m_tools.OnLButtonUp(Input(false));
  m_motion.OnMessage(WM_CELL_COMMAND, id, 0);
  return "click of button " + std::to_string(id) + ", " + std::to_string(Ticks()) + " ticks";
}

unsigned ViewSteps::Ticks() {
  const unsigned most = m_draw(4) == 0 ? kMostTicks : m_draw(12);
  unsigned ticks = 0;
  for (; ticks < most && m_motion.TimerRuns() && g_pCurPage->m_nTimerJob == kJobButtons; ++ticks) m_motion.OnTimer();
  return ticks;
}

std::string ViewSteps::DragPoint() {
  std::vector<WORD> points = Pickable({"CGVerFree"});
  // A press on a selected point deselects it first, which the view's pick does.
  std::erase_if(points, [](WORD id) { return g_pCurPage->m_cells.Lookup(id)->m_bSelected; });
  if (points.empty()) return "no free point to drag";
  const WORD id = points[m_draw(points.size())];
  TakeSelectTool();
  m_surface.pick = {true, kPickPoint, id};
  m_tools.OnLButtonDown(Input(true));
  // Ctrl held while moving: up and down instead of across.
  const bool ctrl = m_draw(4) == 0;
  std::string done = "drag of point " + std::to_string(id) + (ctrl ? " up and down to" : " to");
  for (unsigned n = 1 + m_draw(3); n > 0; --n) {
    m_surface.aim = {Coordinate(0), Coordinate(1)};
    m_tools.OnMouseMove(Input(true, ctrl));
    done += " " + Place(m_surface.aim.data(), 2);
  }
  m_tools.OnLButtonUp(Input(false, ctrl));
  return done;
}

std::string ViewSteps::ConstructionClick() {
  struct Target {
    const char* name;
    std::string_view className;
    int kind;
  };
  static constexpr Target kTargets[] = {
      {"point", "CGVertex", kPickPoint}, {"line", "CGLine", kPickLine}, {"circle", "CGArc", kPickPath}};
  const unsigned what = m_draw(std::size(kTargets) + 1);
  const std::vector<WORD> under = what < std::size(kTargets) ? Pickable({kTargets[what].className}) : std::vector<WORD>();
  std::string done;
  if (under.empty()) {
    m_surface.pick = {};
  } else {
    m_surface.pick = {true, kTargets[what].kind, under[m_draw(under.size())]};
    done = kTargets[what].name + std::string(" ") + std::to_string(m_surface.pick.id) + " ";
  }
  // Where the pointer meets the grid, the polygon's plane and the ray a
  // point made on a path follows.
  for (int i = 0; i < 3; ++i) m_surface.grid[i] = Coordinate(i);
  for (int i = 0; i < 3; ++i) m_surface.plane[i] = Coordinate(i);
  m_surface.planeAt = {static_cast<float>(Coordinate(0)), static_cast<float>(Coordinate(1))};
  // The view finds no place on the plane for a pointer whose plane
  // coordinates are no numbers (drawn from a point the file holds at NaN).
  m_surface.planeOk = m_draw(8) != 0 && std::isfinite(m_surface.planeAt[0]) && std::isfinite(m_surface.planeAt[1]) &&
                      std::all_of(m_surface.plane.begin(), m_surface.plane.end(), [](double v) { return std::isfinite(v); });
  m_surface.aim = {Coordinate(0), Coordinate(1)};
  done += Place(m_surface.grid.data(), 3);
  m_tools.OnLButtonDown(Input(true));
  // Held, the pointer sets a new point's height.
  if (m_draw(2) == 0) {
    m_surface.height = Coordinate(2);
    m_tools.OnMouseMove(Input(true));
    done += " height " + Number(m_surface.height);
  }
  m_tools.OnLButtonUp(Input(false));
  return done;
}

std::string ViewSteps::Construct() {
  static constexpr unsigned kTools[] = {ID_CREATE_POINT, ID_CREATE_LINE, ID_CREATE_POLYGON, ID_CREATE_CIRCLE};
  const unsigned tool = kTools[m_draw(std::size(kTools))];
  CommandRegistry().Run(tool);
  std::string done = "tool " + std::to_string(tool) + ":";
  for (unsigned n = 1 + m_draw(6); n > 0 && g_nToolMode != 1; --n) done += " [" + ConstructionClick() + "]";
  // The right button finishes a polygon or a flat circle and ends the
  // tool; the circle tool stays after its circle.
  for (int k = 0; k < 2 && g_nToolMode != 1; ++k) {
    m_tools.OnRButtonDown(Input(false));
    done += " right";
  }
  return done;
}

std::string ViewSteps::ColorButton() {
  // A few colours, the automatic one among them (the ink's red).
  static constexpr COLORREF kColors[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00CCFF, 0x0099FF, 0x808000, 0xFF000000};
  m_nColor = kColors[m_draw(std::size(kColors))];
  CommandRegistry().Run(ID_VIEW_COLOR);
  return "colour button " + QString::number(m_nColor, 16).toStdString();
}

std::string ViewSteps::DragCell() {
  // What the page shows of each kind; a press on a selected cell deselects
  // it first, which the view's pick does.
  std::vector<std::pair<const Grip*, std::vector<WORD>>> shown;
  for (const Grip& grip : kGrips) {
    std::vector<WORD> ids = Pickable(grip.classes);
    std::erase_if(ids, [](WORD id) { return g_pCurPage->m_cells.Lookup(id)->m_bSelected; });
    if (!ids.empty()) shown.emplace_back(&grip, std::move(ids));
  }
  if (shown.empty()) return "nothing to drag";
  const auto& [grip, ids] = shown[m_draw(shown.size())];
  const WORD id = ids[m_draw(ids.size())];
  TakeSelectTool();
  m_surface.pick = {true, grip->kind, id};
  m_tools.OnLButtonDown(Input(true));
  std::string done = std::string("drag of ") + grip->name + " " + std::to_string(id) + " by";
  for (unsigned n = 1 + m_draw(3); n > 0; --n) {
    // Anywhere in the view, or beyond its edge.
    m_nPointer = static_cast<int>(m_draw(400));
    m_surface.aim = {Coordinate(0), Coordinate(1)};
    const ToolInput to = Input(true);
    m_tools.OnMouseMove(to);
    done += " (" + std::to_string(to.x) + ", " + std::to_string(to.y) + ")";
  }
  m_tools.OnLButtonUp(Input(false));
  return done;
}

std::string ViewSteps::FollowLink() {
  const std::vector<WORD> links = Pickable({"CGButnLink"});
  std::vector<WORD> pageLinks;
  for (WORD id : links)
    if (static_cast<const CGButnLink*>(g_pCurPage->m_cells.Lookup(id))->IsPageLink()) pageLinks.push_back(id);
  std::string done;
  WORD pageId = 0;
  if (!pageLinks.empty()) {
    const WORD id = pageLinks[m_draw(pageLinks.size())];
    pageId = static_cast<const CGButnLink*>(g_pCurPage->m_cells.Lookup(id))->m_nPageId;
    TakeSelectTool();
    m_surface.pick = {true, kPickButtonHandle, id};
    m_tools.OnLButtonDown(Input(true));
    m_tools.OnLButtonUp(Input(false));
    m_motion.OnMessage(WM_CELL_COMMAND, id, 0);
    // Its first step posts the page change.
    if (m_motion.TimerRuns()) m_motion.OnTimer();
    done = "click of link " + std::to_string(id) + ", then ";
  } else {
    pageId = m_doc.m_pages[m_draw(m_doc.m_pages.size())]->m_nId;
  }
  // The page change the link posted, run as the view runs it: no edit.
  m_motion.OnMessage(WM_GOTO_PAGE, 0, pageId);
  return done + "link to page " + std::to_string(pageId) + ", on page " + std::to_string(g_pCurPage->m_nId);
}
