// The document options dialog (文档选项) and the table size dialog (添加表格)
// as data.  The opener presets the members and applies them on OK.
#pragma once
#include <QString>
#include <QStringList>

#include "platform/dialogprovider.h"
#include "platform/types.h"

// The page names are only shown; the author is shown read-only.  The
// document text, the picture option and the renaming are the answer.
class CDlgPage : public CDialogDataOf<CDlgPage> {
 public:
  QStringList m_pageNames;  // in page order; the first is selected
  QString m_strAuthor;
  QString m_strText;
  BOOL m_bSaveVodPictures = 0;
  BOOL m_bRenamePages = 0;
};

// Rows and columns of a new table, each 1 to 20.
class CDlgTable : public CDialogDataOf<CDlgTable> {
 public:
  static constexpr int kMin = 1;
  static constexpr int kMax = 20;

  int m_nRows = 2;
  int m_nCols = 2;
};
