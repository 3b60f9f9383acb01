// Vector values: captions holding a vector computed from their parents
// (points, the three points of a plane, other vectors, a number), shown as
// a bracketed list of components after the name.  Vectors are parents of
// further vectors, of the vector measurements (vectormeasures.h) and of
// points translated by a vector.
//
// Fields of the common record with a meaning here: the value word holds x,
// so that whatever reads a cell's value reads a vector's x; the first
// option word (a measured value's kind) shows x and y only when not 0 (the
// computation keeps z); style 1 shows the name as its mark-up followed by
// "=(...)"; the precision step chooses each component's decimals.
//
// A kind that finds a parent missing, of another kind or undefined, or a
// result a float cannot hold, becomes undefined and keeps its components;
// its value text says so in the same recomputation.
#pragma once
#include <QString>
#include <cstddef>
#include <initializer_list>

#include "cells/texts/cgtextmap.h"

struct MeasureTexts;

class CGTmVector : public CGTextmap {
  DECLARE_SERIAL(CGTmVector)

 public:
  // The caption defaults and the vector (1, 0, 0).
  CGTmVector() = default;

  // The common record, then x, y, z; the value text is not stored.  A
  // loaded kind naming more or fewer parents than it reads, or components
  // or an anchor that are not finite numbers, fails the load (BadData).
  void Serialize(CArchive& ar) override;
  // The kind's vector, the defined flag and the value word; then the value
  // text, defined or not.  A vector of no kind follows the defined rule of
  // every cell and keeps its components.
  void Recalculate() override;
  // A kind, unless the user fixed the name: the name and mark-up from the
  // parents' current names.  Then, in style 1, the value text alone with
  // the mark-up to be laid out again at the next value text; otherwise the
  // value text and its lists.
  void UpdateLabel() override;
  // Captions of the text layer in pick modes 3 and above.
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // The value text composed without allocating and shown.
  virtual void UpdateValueText();

  bool ShowsTwoComponents() const { return m_nParamA != 0; }

  float m_vVector[3] = {1, 0, 0};

 protected:
  // A kind: at the page's next text position, its first value text that of
  // (1, 0, 0), the parents in order, the new id the last child of each.
  // Every kind's constructor then calls Finish.
  CGTmVector(WORD id, std::initializer_list<WORD> parents);
  void Finish() {
    UpdateLabel();
    Recalculate();
  }

  // The kind's vector, or false when a parent it reads is not there as the
  // kind it needs or is undefined.
  virtual bool Compute(float v[3]);

  // Parent i while it is a defined vector.
  const CGTmVector* VectorParent(std::size_t i) const;

 private:
  // The row of a kind's texts, null for a vector of no kind.
  const MeasureTexts* Texts() const;
  // The value text as the form and the defined flag give it.
  void ComposeValue(ValueTextBuffer& out) const;
  // The value text and lists as the plain form shows them, or only the
  // value text in the formula form.
  void ShowValue();
};

// Whether the cell is one whose value others read: a measured value or a
// vector.
bool IsValueCell(const CGCell& cell);
// Whether x, y and z are finite numbers, which a float can store and a file
// load back.
bool IsFiniteVector(const float v[3]);

// The position vector of a point.
class CGTmVectorPoint : public CGTmVector {
  DECLARE_SERIAL(CGTmVectorPoint)
 public:
  CGTmVectorPoint() = default;
  CGTmVectorPoint(WORD id, WORD point) : CGTmVector(id, {point}) { Finish(); }
 protected:
  bool Compute(float v[3]) override;
};

// B - A.
class CGTmVectorPP : public CGTmVector {
  DECLARE_SERIAL(CGTmVectorPP)
 public:
  CGTmVectorPP() = default;
  CGTmVectorPP(WORD id, WORD a, WORD b) : CGTmVector(id, {a, b}) { Finish(); }
 protected:
  bool Compute(float v[3]) override;
};

// The unit normal (B - A) x (C - A) of the plane ABC; the zero vector,
// defined, when A, B and C are collinear or coincide.
class CGTmVectorNface : public CGTmVector {
  DECLARE_SERIAL(CGTmVectorNface)
 public:
  CGTmVectorNface() = default;
  CGTmVectorNface(WORD id, WORD a, WORD b, WORD c) : CGTmVector(id, {a, b, c}) { Finish(); }
 protected:
  bool Compute(float v[3]) override;
};

// a + b.
class CGTmVectorAdd : public CGTmVector {
  DECLARE_SERIAL(CGTmVectorAdd)
 public:
  CGTmVectorAdd() = default;
  CGTmVectorAdd(WORD id, WORD a, WORD b) : CGTmVector(id, {a, b}) { Finish(); }
 protected:
  bool Compute(float v[3]) override;
};

// a - b.
class CGTmVectorMinus : public CGTmVector {
  DECLARE_SERIAL(CGTmVectorMinus)
 public:
  CGTmVectorMinus() = default;
  CGTmVectorMinus(WORD id, WORD a, WORD b) : CGTmVector(id, {a, b}) { Finish(); }
 protected:
  bool Compute(float v[3]) override;
};

// a x b.
class CGTmVectorCross : public CGTmVector {
  DECLARE_SERIAL(CGTmVectorCross)
 public:
  CGTmVectorCross() = default;
  CGTmVectorCross(WORD id, WORD a, WORD b) : CGTmVector(id, {a, b}) { Finish(); }
 protected:
  bool Compute(float v[3]) override;
};

// k a, k the value word of a measured value or vector as it is held (an
// angle scales by its radians).
class CGTmVectorScaled : public CGTmVector {
  DECLARE_SERIAL(CGTmVectorScaled)
 public:
  CGTmVectorScaled() = default;
  CGTmVectorScaled(WORD id, WORD k, WORD a) : CGTmVector(id, {k, a}) { Finish(); }
 protected:
  bool Compute(float v[3]) override;
};
