#include "doctestsupport.h"

#include "cells/cellclasses.h"

IMPLEMENT_SERIAL(CTestLoggedCell, CGCell)

std::vector<std::pair<WORD, WORD>> CTestLoggedCell::s_log;

void CTestLoggedCell::Recalculate() {
  s_log.emplace_back(g_pCurPage ? g_pCurPage->m_nId : 0, m_nId);
  CGCell::Recalculate();
}

DocTest::DocTest() {
  RegisterModelClasses();
  RegisterCellClasses();
  ClassRegistry::Register(RUNTIME_CLASS(CTestLoggedCell));
  CTestLoggedCell::s_log.clear();
}

CGPage& DocTest::AppendPage(WORD id, const QString& name) {
  auto page = std::make_unique<CGPage>();
  page->m_nId = id;
  page->m_strName = name;
  doc.m_pages.push_back(std::move(page));
  return *doc.m_pages.back();
}

CGVertex* DocTest::AddPoint(CGPage& page, float x, float y, float z) {
  auto* point = new CGVertex(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, z);
  page.m_cells.SetAt(point->m_nId, point);
  return point;
}

QString DocTest::Shown(size_t i) const {
  return i < seams.notifier->shown.size() ? seams.notifier->shown[i].text : QStringLiteral("<none>");
}
