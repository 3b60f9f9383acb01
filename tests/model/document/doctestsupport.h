// A fresh process with the model and cell classes registered (as for
// ModelTest), an empty document and a temporary folder for its files.
#pragma once
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/modelclasses.h"
#include "model/modeltestsupport.h"
#include "platform/archive.h"
#include "support/documentfiles.h"

// A cell that notes every recalculation: the current page's id and its own.
class CTestLoggedCell : public CGCell {
  DECLARE_SERIAL(CTestLoggedCell)

 public:
  void Recalculate() override;
  static std::vector<std::pair<WORD, WORD>> s_log;
};

class DocTest : public ::testing::Test {
 protected:
  DocTest();

  // A page of the document with the given id and name, not made current.
  CGPage& AppendPage(WORD id, const QString& name);
  // A cell of class T entered under the page's next id.
  template <class T>
  T* AddCell(CGPage& page) {
    auto* cell = new T;
    cell->m_nId = page.m_nNextId++;
    page.m_cells.SetAt(cell->m_nId, cell);
    return cell;
  }
  CGVertex* AddPoint(CGPage& page, float x, float y, float z);

  static QByteArray Bytes(CKavrelDoc& doc) { return DocumentBytes(doc); }
  QString WriteFile(const QString& name, const QByteArray& bytes) { return WriteTestFile(folder, name, bytes); }
  QString Shown(size_t i) const;

  SeamRecorders seams;
  QTemporaryDir folder;
  CKavrelDoc doc;
};
