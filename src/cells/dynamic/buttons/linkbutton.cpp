#include "cells/dynamic/buttons/linkbutton.h"

#include "cells/dynamic/buttons/buttontexts.h"
#include "cells/dynamic/buttons/linkopening.h"
#include "platform/archive.h"
#include "platform/uibridge.h"

IMPLEMENT_SERIAL(CGButnLink, CGButton)

CGButnLink::CGButnLink(WORD id, const QString& caption, BYTE mode, WORD pageId, const QString& path)
    : m_nPageId(pageId), m_strPath(path) {
  m_nId = id;
  PlaceAtNextPosition();
  m_strName = caption;
  m_nSubKind = mode;
}

void CGButnLink::Serialize(CArchive& ar) {
  CGButton::Serialize(ar);
  if (ar.IsStoring())
    ar << m_nPageId << m_strPath;
  else
    ar >> m_nPageId >> m_strPath;
}

QString CGButnLink::GetDescription() {
  return QString::fromUtf8(IsPageLink() ? kTextPageLinkDescription : kTextLinkDescription);
}

bool CGButnLink::Step() {
  if (IsPageLink())
    UiBridge().Post(UiTarget::View, WM_GOTO_PAGE, 0, m_nPageId);
  else
    OpenStoredLink(m_strPath);
  return true;
}
