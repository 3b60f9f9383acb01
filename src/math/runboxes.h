// Boxes in the plane over runs of consecutive items of a sequence (the
// pieces of a polyline, say), joined in pairs up to one box round them all.
// A query walks only the runs whose boxes meet its own, in the order of the
// sequence, so the first item it accepts is the first a plain walk of every
// item would accept, as long as every item it could accept lies in its box.
#pragma once
#include <algorithm>
#include <cstddef>
#include <limits>
#include <vector>

// An axis-aligned box, empty (meeting nothing) until it takes a point.
struct Box2 {
  double lo[2] = {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
  double hi[2] = {-std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
  void Take(double x, double y);
  void Take(const Box2& b);
  void Grow(double margin);
  bool Meets(const Box2& b) const {
    return lo[0] <= b.hi[0] && b.lo[0] <= hi[0] && lo[1] <= b.hi[1] && b.lo[1] <= hi[1];
  }
};

class RunBoxes {
 public:
  static constexpr int kRun = 8;
  // itemBox(i, box) widens box to hold item i, for i from 0 to count - 1.
  template <class ItemBox>
  RunBoxes(int count, ItemBox itemBox) : m_nCount(count > 0 ? count : 0) {
    m_levels.emplace_back((m_nCount + kRun - 1) / kRun);
    for (int i = 0; i < m_nCount; ++i) itemBox(i, m_levels[0][i / kRun]);
    JoinLevels();
  }
  // visit(i) on every item of the runs whose boxes meet `query`, in
  // ascending order, until it answers true: that item, else -1.
  template <class Visit>
  int First(const Box2& query, Visit visit) const {
    if (m_nCount == 0) return -1;
    return Descend(static_cast<int>(m_levels.size()) - 1, 0, query, visit);
  }

 private:
  void JoinLevels();
  template <class Visit>
  int Descend(int level, std::size_t k, const Box2& query, Visit& visit) const {
    if (k >= m_levels[level].size() || !m_levels[level][k].Meets(query)) return -1;
    if (level > 0) {
      const int found = Descend(level - 1, 2 * k, query, visit);
      return found >= 0 ? found : Descend(level - 1, 2 * k + 1, query, visit);
    }
    const int end = std::min(m_nCount, static_cast<int>(k + 1) * kRun);
    for (int i = static_cast<int>(k) * kRun; i < end; ++i)
      if (visit(i)) return i;
    return -1;
  }

  int m_nCount;
  // [0]: one box per run; [l + 1][k] holds [l][2k] and [l][2k + 1].
  std::vector<std::vector<Box2>> m_levels;
};
