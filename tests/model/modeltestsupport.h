// Shared pieces of the model tests: a byte builder for records written by
// hand from the record tables, and a fixture with a current page.
#pragma once
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>

#include "cells/cellclasses.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/modelclasses.h"
#include "platform/archive.h"
#include "support/archiveerrors.h"
#include "support/recorders.h"

// Little-endian record bytes, one field at a time.
class RecordBytes {
 public:
  RecordBytes& u8(unsigned v) { return raw(static_cast<uint8_t>(v)); }
  RecordBytes& u16(unsigned v) { return raw(static_cast<uint16_t>(v)); }
  RecordBytes& u32(uint32_t v) { return raw(v); }
  RecordBytes& i32(int32_t v) { return raw(v); }
  RecordBytes& f64(double v) { return raw(v); }
  RecordBytes& f32(float v) { return raw(v); }
  // FF FE FF, a one-byte length (short strings only), UTF-16LE units.
  RecordBytes& str(const QString& s) {
    u8(0xFF).u16(0xFFFE).u8(static_cast<unsigned>(s.size()));
    for (QChar c : s) u16(c.unicode());
    return *this;
  }
  // Count (short form) and WORDs: the word-array and word-list records.
  RecordBytes& words(std::initializer_list<unsigned> ids) {
    u16(static_cast<unsigned>(ids.size()));
    for (unsigned id : ids) u16(id);
    return *this;
  }
  RecordBytes& bytes(const QByteArray& b) {
    m_bytes += b;
    return *this;
  }
  const QByteArray& get() const { return m_bytes; }

 private:
  template <class T>
  RecordBytes& raw(T v) {
    m_bytes.append(reinterpret_cast<const char*>(&v), sizeof v);
    return *this;
  }
  QByteArray m_bytes;
};

// A fresh process state with the model and cell classes registered and one
// empty current page.  The cell classes are there from the first test on:
// the tests of one program share a registry, which never forgets a class,
// and a stand-in (pagetest.h) registered under a name before its real class
// would make the two clash.
class ModelTest : public ::testing::Test {
 protected:
  ModelTest() {
    RegisterModelClasses();
    RegisterCellClasses();
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
  }

  // Enters a cell under the next id with the given parents, registering it as
  // their child, as cell constructors do.
  template <class T = CGCell>
  T* Add(std::initializer_list<WORD> parents = {}) {
    return Enter(new T, parents);
  }
  // The same for a cell made by the caller.
  template <class T>
  T* Enter(T* cell, std::initializer_list<WORD> parents = {}) {
    cell->m_nId = page->m_nNextId++;
    for (WORD p : parents) {
      cell->m_parents.push_back(p);
      if (CGCell* parent = page->m_cells.Lookup(p)) parent->m_children.push_back(cell->m_nId);
    }
    page->m_cells.SetAt(cell->m_nId, cell);
    return cell;
  }

  CGVertex* AddPoint(float x, float y, float z) {
    auto* point = new CGVertex(page->m_nNextId++, page->m_nNextVertex++, page->GetNewName(1), x, y, z);
    page->m_cells.SetAt(point->m_nId, point);
    return point;
  }

  std::vector<WORD> Collect() {
    std::vector<WORD> ids;
    page->CollectDirtyIds(ids);
    return ids;
  }

  SeamRecorders seams;
  std::unique_ptr<CGPage> page;
};
