// The roots of one pair of carriers, kept for that pair's root cells.  The
// cells of a pair hold ascending ids and ascending root indices, so a
// page's recalculation asks root 0 first, which computes the roots, and
// reads the later ones from here.  A cache answers only within the
// recalculation pass and on the page that filled it, so another page (or
// document) with the same id pair never reads stale roots.
#pragma once
#include "platform/types.h"

inline constexpr int kMaxRoots = 32;

class RootCache {
 public:
  RootCache();
  ~RootCache();
  RootCache(const RootCache&) = delete;
  RootCache& operator=(const RootCache&) = delete;
  // A command that has just counted the roots of (first, second) (root 0,
  // the last index asked) and builds the root cells at once, nothing moving
  // in between, lets the cache answer root 0 once more: the cells read
  // every root from the count, root 0 included.
  static void KeepCounted(WORD first, WORD second);
  // Whether root k of (first, second) is to be read from the cache: the
  // same pair, page and pass, and k above the last index asked.  If not,
  // the cache is taken for this pair and emptied, to be filled afresh.
  // Either way k becomes the last index asked.
  bool Answers(WORD first, WORD second, int k);
  bool Full() const { return m_nCount >= kMaxRoots; }
  void Add(double x, double y, double z);
  // Drops the roots found; the pair stays answered, with none.
  void Forget() { m_nCount = 0; }
  // The root count when k is below it, root k in out; else 0.
  int Result(int k, float out[3]) const;
  int Count() const { return m_nCount; }
  // Forgets every pair: what a new process starts with.
  void Clear();

 private:
  float m_roots[kMaxRoots][3];
  int m_nCount;
  WORD m_first, m_second;
  int m_nLastIndex;
  const void* m_page;
  unsigned m_nPass;
};
