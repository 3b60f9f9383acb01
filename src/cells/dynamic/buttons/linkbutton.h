// The link button: goes to another page of the document (mode 0, the
// sub-kind byte) or hands its path to the desktop (any other mode): a web
// address, a folder, a document.  The action is done within one tick.
#pragma once
#include <QString>

#include "model/cgbutton.h"

class CGButnLink : public CGButton {
  DECLARE_SERIAL(CGButnLink)

 public:
  enum : BYTE { kPageLink = 0, kShellLink = 1 };

  CGButnLink() = default;
  // At the page's next button position.
  CGButnLink(WORD id, const QString& caption, BYTE mode, WORD pageId, const QString& path);

  // The button record, then the page id (WORD) and the path, as typed.
  void Serialize(CArchive& ar) override;
  // A page link posts the page jump to the view, which switches after the
  // tick (also to the page shown now); a shell link opens its path (see
  // OpenStoredLink).
  bool Step() override;
  QString GetDescription() override;

  bool IsPageLink() const { return m_nSubKind == kPageLink; }

  WORD m_nPageId = 0;
  QString m_strPath;
};
