// Documents built from real cells for the application-level tests: every
// class registered, a temporary folder, and a two-page document with
// points, lines, faces and circles (the every-class document is in
// support/everyclass.h).
#pragma once
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "support/documentfiles.h"
#include "support/recorders.h"

// Puts `cell` on `page` under its own id.
template <class T>
T* Enter(CGPage& page, T* cell) {
  page.m_cells.SetAt(cell->m_nId, cell);
  return cell;
}

class DocumentFileTest : public ::testing::Test {
 protected:
  DocumentFileTest();

  // Page "one" (id 1): points A(0,0,0), B(4,0,0), C(0,4,0), D(0,0,4), the
  // segment AB, the line AC, the face ABC (picture 2), a positioned circle
  // and the circle through A, B and C.  Page "two" (id 3): points E, F, G,
  // the vector EF and the face EFG.  Page "one" is current.
  void BuildTwoPages(CKavrelDoc& doc);

  static QByteArray Bytes(CKavrelDoc& doc) { return DocumentBytes(doc); }
  QString WriteFile(const QString& name, const QByteArray& bytes) { return WriteTestFile(folder, name, bytes); }
  QString Shown() const;
  // Saves the document to `name`, reopens it and saves it again: the same
  // bytes, which kvdump lists alike.  Returns that listing.
  QString ReopenedListing(CKavrelDoc& doc, const QString& name);

  SeamRecorders seams;
  QTemporaryDir folder;
};
