// The record of a button written from the record tables: the common cell
// record of a new button (tab 51, 102, 255, a black caption shown, at the
// page's first button place) with the fields given, then the speed.
#pragma once
#include <QString>
#include <initializer_list>

#include "modeltestsupport.h"

struct ButtonFields {
  WORD id;
  QString caption;
  BYTE style = 0;
  BYTE subKind = 0;
  std::int32_t paramC = 0;
  std::initializer_list<unsigned> parents = {};
  float speed = 0.01f;
  std::uint32_t value2 = 0;  // second and third value words
  std::uint32_t value3 = 0;
  std::int32_t paramA = 0;  // first option word
};

inline RecordBytes ButtonRecord(const ButtonFields& f) {
  RecordBytes b;
  b.u16(f.id).str(f.caption).u8(1).u32(0).u32(0).u8(f.style).u8(f.subKind).f32(-18).f32(12).f32(0);
  b.u8(51).u8(102).u8(255).u8(255).u8(0).u8(0).u8(0).u8(255).f32(0).u32(f.value2).u32(f.value3).u32(0).str("");
  b.u8(0).f32(2.0f).u8(0).i32(f.paramA).i32(0).i32(f.paramC).str("");
  b.i32(0).i32(0).i32(0).i32(0).i32(0).str("").words(f.parents).words({});
  return b.f32(f.speed);
}
