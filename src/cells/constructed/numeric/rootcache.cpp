#include "cells/constructed/numeric/rootcache.h"

#include <algorithm>
#include <vector>

#include "cells/constructed/numeric/curvesolvers.h"
#include "model/globals.h"

namespace {
std::vector<RootCache*>& Caches() {
  static std::vector<RootCache*> caches;
  return caches;
}
}  // namespace

RootCache::RootCache() {
  Clear();
  Caches().push_back(this);
}

RootCache::~RootCache() { std::erase(Caches(), this); }

void RootCache::KeepCounted(WORD first, WORD second) {
  for (RootCache* cache : Caches()) {
    const bool counted = cache->m_first == first && cache->m_second == second && cache->m_nLastIndex == 0 &&
                         cache->m_page == g_pCurPage && cache->m_nPass == g_nRecalcPass;
    if (counted) cache->m_nLastIndex = -1;
  }
}

void RootCache::Clear() {
  for (auto& root : m_roots) root[0] = root[1] = root[2] = 0;
  m_nCount = 0;
  m_first = m_second = 0;
  m_nLastIndex = 256;
  m_page = nullptr;
  m_nPass = 0;
}

bool RootCache::Answers(WORD first, WORD second, int k) {
  const bool same = first == m_first && second == m_second && m_page == g_pCurPage && m_nPass == g_nRecalcPass;
  const bool cached = same && k > m_nLastIndex;
  m_nLastIndex = k;
  if (cached) return true;
  m_first = first;
  m_second = second;
  m_page = g_pCurPage;
  m_nPass = g_nRecalcPass;
  m_nCount = 0;
  return false;
}

void RootCache::Add(double x, double y, double z) {
  if (Full()) return;
  float* root = m_roots[m_nCount++];
  root[0] = static_cast<float>(x);
  root[1] = static_cast<float>(y);
  root[2] = static_cast<float>(z);
}

int RootCache::Result(int k, float out[3]) const {
  if (k < 0 || k >= m_nCount) return 0;
  for (int i = 0; i < 3; ++i) out[i] = m_roots[k][i];
  return m_nCount;
}

void KeepCountedRoots(WORD first, WORD second) { RootCache::KeepCounted(first, second); }
