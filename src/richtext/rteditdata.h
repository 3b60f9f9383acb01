// The rich-text editor as data (platform/dialogprovider.h): the RTF string
// to edit and the size of the editor's text area going in; after OK the RTF
// string, a short title and the rendered text as a one-bit mask.  Cancel
// leaves every member as it was, so the mask stays empty.
#pragma once
#include <QString>
#include <vector>

#include "platform/dialogprovider.h"
#include "platform/types.h"

class CDlgRtEdit : public CDialogDataOf<CDlgRtEdit> {
 public:
  static constexpr int kDefaultContentWidth = 584;
  static constexpr int kDefaultContentHeight = 135;

  QString m_strTitle = QStringLiteral("Text");
  // The packed RTF string (rtfstring.h); in plain-text mode the plain text.
  QString m_strText;
  // The mask (imageconversions.h) of the text as shown, m_nMaskWidth by
  // m_nMaskHeight pixels; empty unless the dialog ended with OK.
  std::vector<BYTE> m_mask;
  int m_nMaskWidth = 0;
  int m_nMaskHeight = 0;
  // The editor's text area in pixels, in and out.
  int m_nContentWidth = kDefaultContentWidth;
  int m_nContentHeight = kDefaultContentHeight;
  // Plain-text mode: m_strText is plain text, shown all in this face and
  // size (twips).
  BYTE m_bPlainText = 0;
  QString m_strFace;
  int m_nFaceTwips = 0;
};
