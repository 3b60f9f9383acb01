// What the solid commands share on top of the construction frame: points
// named automatically, by a fixed name or not at all; an automatic name
// drawn before the point that takes it; segments, faces in the automatic
// colours, and the cells a solid builder adds, all in one undo step.
//
//   CSolidConstruction build(doc);
//   if (!build.MakeRoom(26, 8)) return;           // the array grows by 100
//   const WORD a = build.Point<CGVerFreeXyz>(Auto(), -6.0f, -4.0f, -4.0f);
//   const QString c = build.DrawName();           // for a point made later
//   ...
//   build.Adopt(BuildPrism(e, face));
//   build.Commit(kCmdNameCuboid);
#pragma once
#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

#include "commands/commandframe.h"
#include "platform/types.h"

// How a new point is named: the next automatic name, a fixed name (which
// draws nothing and may repeat a name of the page), or none.
struct CPointName {
  enum Kind { kAuto, kFixed, kNone } kind;
  QString text;
};
inline CPointName Auto() { return {CPointName::kAuto, {}}; }
inline CPointName Named(const QString& text) { return {CPointName::kFixed, text}; }
inline CPointName Named(const char* text) { return {CPointName::kFixed, QString::fromUtf8(text)}; }
inline CPointName Nameless() { return {CPointName::kNone, {}}; }

class CSolidConstruction {
 public:
  explicit CSolidConstruction(CKavrelDoc& doc) : m_build(doc) {}

  // Room for `cells` ids, `points` of them points: when the next vertex
  // slot plus `points` exceeds the array, it grows by 100 first.  False:
  // nothing can be made (the message has been shown).
  bool MakeRoom(int cells, int points) { return m_build.MakeRoom(cells, points, CConstruction::kGrowBy100); }

  // The next automatic point name, drawn now for a point made later.
  QString DrawName();

  // A point of class T on the next id and slot: (id, slot, name, args...).
  template <class T, class... Args>
  WORD Point(const CPointName& name, Args&&... args) {
    const CNewPoint p = Take(name);
    return m_build.Add(new T(p.id, p.slot, p.name, std::forward<Args>(args)...))->m_nId;
  }
  // Any other cell of class T: (id, args...).
  template <class T, class... Args>
  WORD Cell(Args&&... args) {
    return m_build.Add(new T(m_build.NextId(), std::forward<Args>(args)...))->m_nId;
  }
  // Segments between the two points of each pair, in this order.
  void Segments(std::initializer_list<std::pair<WORD, WORD>> ends);
  // Segments from each corner to the next, the last back to the first.
  void Loop(const std::vector<WORD>& corners);
  // A face in the next colour of the automatic cycle.
  WORD Face(const std::vector<WORD>& corners);
  // Sets the value (the distance along its line) of point `id`, made here,
  // and places the point for it.
  void SetDistance(WORD id, float distance);
  // Hides point `id` (`label`: only its label).
  void Hide(WORD id, bool label = false);

  // Takes over the `count` cells a solid builder just added; false when it
  // added none.
  bool Adopt(int count);

  int Count() const { return m_build.Count(); }
  void Commit(const char* label) { m_build.Commit(QString::fromUtf8(label)); }
  CConstruction& Frame() { return m_build; }

 private:
  CNewPoint Take(const CPointName& name);

  CConstruction m_build;
};

// The regular pyramids' apex height over the base centre, 4 sqrt 6: over
// an equilateral base of edge 12 every edge is 12.
inline constexpr float kRegularApexHeight = 9.797959f;

// Cell `id` of the current page when it is a point; 0 otherwise (also for 0).
WORD PointOnPage(WORD id);
// A place in world units, single precision.
struct CPosition {
  float x, y, z;
};
// A point's current place; the origin for a cell that is none.
CPosition PositionOf(WORD point);
