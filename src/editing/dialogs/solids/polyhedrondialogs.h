// The hull, net and cut dialogs as data (platform/dialogprovider.h).  The
// creating commands and the property command preset the members and read
// them back on IDOK; the enabling rules are functions of the members, so
// the widgets only mirror them.
#pragma once
#include <QString>

#include "editing/dialogs/solids/polyhedrondialogtexts.h"
#include "platform/dialogprovider.h"
#include "platform/types.h"

// How a hull-based solid is shown: 0 automatic dashes, 1 solid lines only,
// 2 lit faces.
inline constexpr int kHullDisplayModes = 3;

class CDlgPolyhedron : public CDialogDataOf<CDlgPolyhedron> {
 public:
  static constexpr int kVertexSets = 10;

  int m_nVertexSet = 0;
  QString m_strLabel = QString::fromUtf8(kTextDefaultHullLabel);
  int m_nDisplay = 0;
  BOOL m_bNew = 1;
  BOOL m_bHideObject = 0;

  // A new hull chooses its vertex set; an existing one only shows it.
  const char* Caption() const { return m_bNew ? kCaptionNewHull : kCaptionHull; }
  bool VertexSetEnabled() const { return m_bNew != 0; }
};

class CDlgFold : public CDialogDataOf<CDlgFold> {
 public:
  int m_nDisplay = 2;
  int m_nUnfolding = 1;  // 0 all at once, 1 level by level
  QString m_strLabel = QString::fromUtf8(kTextDefaultFoldLabel);
  BOOL m_bHideObject = 0;
};

class CDlgSplit : public CDialogDataOf<CDlgSplit> {
 public:
  static constexpr int kMinPlanes = 1;
  static constexpr int kMaxPlanes = 10;

  int m_nPlanes = 3;
  QString m_strInfo = QString::fromUtf8(kTextAutoPlanes);
  QString m_strLabel = QString::fromUtf8(kTextDefaultSplitLabel);
  int m_nDisplay = 0;
  BYTE m_bNew = 1;
  BYTE m_bCountFixed = 0;
  double m_dShift = 2.0;

  const char* Caption() const { return m_bNew ? kCaptionNewSplit : kCaptionSplit; }
  // An existing cut whose planes follow its faces keeps their number.
  bool CountEditable() const { return m_bNew || !m_bCountFixed; }
};
