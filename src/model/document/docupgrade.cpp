// Documents written by older versions of the program: their cells and page
// fields are brought up to the current version once, when shown.
#include "math/quaternion.h"
#include "model/cgpage.h"
#include "model/document/docservices.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/viewstate.h"
#include "platform/editscope.h"
#include "platform/uibridge.h"

void CGPage::UpgradeCells(int version) {
  if (const auto& upgradeCell = DocumentServices().upgradeCell) {
    for (auto [id, cell] : m_cells) upgradeCell(*cell, version);
  }
  if (version < 320) {
    // The rotation was kept as three angles in degrees in the x, y, z places.
    Quaternion q;
    QuatFromAngles(q, m_qRotate[0], m_qRotate[1], m_qRotate[2]);
    m_qRotate[0] = static_cast<float>(q.x);
    m_qRotate[1] = static_cast<float>(q.y);
    m_qRotate[2] = static_cast<float>(q.z);
    m_qRotate[3] = static_cast<float>(q.w);
  }
  if (version < 350) m_nPixelsPerUnit = 20;
}

void CKavrelDoc::UpgradePages() {
  if (m_nVersion >= kDocumentVersion) return;
  // An edit of every page: what the upgrade rewrote is computed on its own
  // page, with all that follows, as a reopen of the upgraded save computes it.
  const CEditScope upgrading;
  for (const auto& page : m_pages) page->UpgradeCells(m_nVersion);
  m_nVersion = kDocumentVersion;
  SetModifiedFlag();
  // The loader put the current page's view state in force before its
  // rotation was converted; without this the old angles would show, and
  // the next save would write them back as a quaternion.
  if (CGPage* page = CurrentPage()) LoadViewStateFromPage(*page);
  UiBridge().UpdateAllViews();
}
