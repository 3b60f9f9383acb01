// What every measured value shares.  A measured value is a caption whose
// number is computed from its parents: it places itself at the page's next
// text position, names itself after its parents by its class's row of
// measuretexts.h, and on every recomputation either finds its number or,
// when a parent it reads is missing, of another kind or undefined, becomes
// undefined and keeps its last number.  Degenerate geometry is no failure:
// each class gives a fixed number for it.  The record is the caption's.
#pragma once
#include <QString>
#include <cstddef>
#include <initializer_list>
#include <span>

#include "cells/dynamic/measures/measuretexts.h"
#include "cells/texts/cgtextmap.h"

class CGFace;

// The cell's name and VOD name by its row of texts, from its parents'
// current names.
void NameAfterParents(CGCell& cell, const MeasureTexts& texts);
// Its description by its row, with its parents' names.
QString DescribeAfterParents(const CGCell& cell, const MeasureTexts& texts);
// What stands for a parent whose whole name or mark-up would make a name
// written in from it too long (kLongestWrittenIn): the parent's number, as
// the object list shows it, plain or as mark-up.
QString ShortLabel(const CGCell& parent);
QString ShortVodLabel(const CGCell& parent);

class CGTmMeasure : public CGTmVariable {
 public:
  // The caption record.  A loaded record that names more or fewer parents
  // than the class reads fails the load (BadData); a class that reads as
  // many as it was given takes any number.
  void Serialize(CArchive& ar) override;
  // The number and the defined flag from the parents, then the value text.
  void Recalculate() override;
  // Unless the user fixed the name: the name and its mark-up from the
  // parents' current names, then the value text.
  void UpdateLabel() override;
  QString GetDescription() override;

  // The class's row of the texts table.
  const MeasureTexts& Texts() const;

 protected:
  // Dynamic creation: the caption defaults, no parents.
  CGTmMeasure() = default;
  // The caption defaults at the page's next text position, the parents in
  // order, the new id registered as the last child of each.  Every
  // constructor then calls Finish.
  CGTmMeasure(WORD id, std::span<const WORD> parents);
  CGTmMeasure(WORD id, std::initializer_list<WORD> parents)
      : CGTmMeasure(id, std::span<const WORD>(parents.begin(), parents.size())) {}
  void Finish() {
    UpdateLabel();
    Recalculate();
  }

  // The number, or false when a parent it reads is not there as the kind it
  // needs or is undefined.
  virtual bool Measure(float& value) const = 0;

  // The number `formula` gives of the one parent when it is a defined T.
  template <class T, class Formula>
  bool MeasureParent(float& value, Formula formula) const {
    const T* parent = DefinedParentAs<T>(0);
    if (!parent) return false;
    value = formula(*parent);
    return true;
  }
  // Parent i when it is a defined point: its coordinates.
  const float* PointParent(std::size_t i) const;
  // Parent i when it is a defined line whose two points are there.
  bool LineParent(std::size_t i, const float*& a, const float*& b) const;
  // Parent i when it is a defined face with its first three corners there.
  const CGFace* FaceParent(std::size_t i, const float* corners[3]) const;
};

// The angles: radians held, always shown in degrees.
class CGTmAngleMeasure : public CGTmMeasure {
 public:
  bool ShowsDegrees() const override { return true; }

 protected:
  using CGTmMeasure::CGTmMeasure;
};

// Registers every measured-value class; calling it again is harmless.
void RegisterMeasureClasses();
