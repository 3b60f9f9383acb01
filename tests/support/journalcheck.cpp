#include "support/journalcheck.h"

#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "platform/editscope.h"

JournalCheck::JournalCheck(CKavrelDoc& doc) : m_doc(doc), m_previous(CCellMap::Watch()) {
  CCellMap::SetWatch(this);
  EndStep();  // the records as they stand
}

JournalCheck::~JournalCheck() { CCellMap::SetWatch(m_previous); }

JournalCheck::Key JournalCheck::KeyOf(const CGPage& page, WORD id) {
  return {&page, std::uint32_t(page.m_nId) << 16 | id};
}

void JournalCheck::StartStep() {
  m_bStep = true;
  m_settled.clear();
  m_computed.clear();
}

const CGPage* JournalCheck::PageOf(const CCellMap& map) const {
  if (!m_bStep) return nullptr;
  for (const auto& page : m_doc.m_pages)
    if (&page->m_cells == &map) return page.get();
  return nullptr;  // a page of another document (one opened to compare), or of none
}

void JournalCheck::Settled(const CCellMap& map, WORD id) {
  const CGPage* page = PageOf(map);
  if (!page) return;
  const CReadingPass reading;
  CGCell* cell = map.LookupUntouched(id);
  m_settled[KeyOf(*page, id)] = {cell, cell ? cell->RecordDigest() : 0};
}

void JournalCheck::Computed(const CCellMap& map, WORD id) {
  if (const CGPage* page = PageOf(map)) m_computed.insert(KeyOf(*page, id));
}

std::string JournalCheck::EndStep() {
  m_bStep = false;
  // Reading the records is no part of any edit.
  const CReadingPass reading;
  std::map<Key, Record> now;
  std::string missed;
  for (const auto& page : m_doc.m_pages)
    for (auto [id, cell] : page->m_cells) {
      const Record& record = now[KeyOf(*page, id)] = {cell, cell->RecordDigest()};
      if (missed.empty()) missed = Unseen(*page, id, record);
    }
  m_before = std::move(now);
  return missed;
}

std::string JournalCheck::Unseen(const CGPage& page, WORD id, const Record& now) const {
  const Key key = KeyOf(page, id);
  const auto before = m_before.find(key);
  if ((before != m_before.end() && before->second == now) || m_computed.count(key)) return {};
  const auto settled = m_settled.find(key);
  if (settled != m_settled.end() && settled->second == now) return {};
  const bool same = before != m_before.end() && before->second.cell == now.cell;
  return "page " + std::to_string(page.m_nId) + " cell " + std::to_string(id) + " (" +
         now.cell->GetRuntimeClass()->m_lpszClassName + " " + now.cell->m_strName.toStdString() + "): " +
         (before == m_before.end() ? "it came" : same ? "its record changed" : "another cell came in its place") +
         (settled == m_settled.end() ? " but the journal never saw it" : " after a settle took it");
}
