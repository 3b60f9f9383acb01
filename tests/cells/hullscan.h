// Brute-force checks of a hull insertion's result for the validity tests:
// the largest distance of any point in front of any face, found by a scan
// of every face over a tree of boxes (a box whose farthest corner is no
// farther than the best so far holds no better point), and the closed
// surface (every directed edge's reverse in exactly one other face,
// V - E + F = 2).
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numeric>
#include <set>
#include <vector>

#include "cells/solids/hullinsertion.h"

class PointTree {
 public:
  PointTree(const double* xyz, int count) : m_xyz(xyz), m_order(static_cast<size_t>(count)) {
    std::iota(m_order.begin(), m_order.end(), 0);
    if (count > 0) Build(0, count);
  }
  // The largest a x + b y + c z + d over the points, at least `floor`.
  double Farthest(double a, double b, double c, double d, double floor) const {
    double best = floor;
    if (!m_nodes.empty()) Visit(0, a, b, c, d, best);
    return best;
  }

 private:
  struct Node {
    double lo[3], hi[3];
    int begin, end, left, right;
  };
  int Build(int begin, int end) {
    Node node{{0, 0, 0}, {0, 0, 0}, begin, end, -1, -1};
    for (int k = 0; k < 3; ++k) {
      node.lo[k] = node.hi[k] = At(m_order[size_t(begin)])[k];
      for (int i = begin; i < end; ++i) {
        node.lo[k] = std::min(node.lo[k], At(m_order[size_t(i)])[k]);
        node.hi[k] = std::max(node.hi[k], At(m_order[size_t(i)])[k]);
      }
    }
    const int index = int(m_nodes.size());
    m_nodes.push_back(node);
    if (end - begin > 8) {
      int axis = 0;
      for (int k = 1; k < 3; ++k)
        if (node.hi[k] - node.lo[k] > node.hi[axis] - node.lo[axis]) axis = k;
      const int middle = (begin + end) / 2;
      std::nth_element(m_order.begin() + begin, m_order.begin() + middle, m_order.begin() + end,
                       [&](int x, int y) { return At(x)[axis] < At(y)[axis]; });
      const int left = Build(begin, middle), right = Build(middle, end);
      m_nodes[size_t(index)].left = left;
      m_nodes[size_t(index)].right = right;
    }
    return index;
  }
  void Visit(int index, double a, double b, double c, double d, double& best) const {
    const Node& node = m_nodes[size_t(index)];
    const double n[3] = {a, b, c};
    double bound = d;
    for (int k = 0; k < 3; ++k) bound += std::max(n[k] * node.lo[k], n[k] * node.hi[k]);
    if (bound + 1e-9 * (std::fabs(bound) + std::fabs(d) + 1) < best) return;  // rounding of the bound
    if (node.left < 0) {
      for (int i = node.begin; i < node.end; ++i) {
        const double* p = At(m_order[size_t(i)]);
        best = std::max(best, a * p[0] + b * p[1] + c * p[2] + d);
      }
      return;
    }
    Visit(node.left, a, b, c, d, best);
    Visit(node.right, a, b, c, d, best);
  }
  const double* At(int i) const { return m_xyz + 3 * static_cast<std::ptrdiff_t>(i); }

  const double* m_xyz;
  std::vector<int> m_order;
  std::vector<Node> m_nodes;
};

inline double ScannedExcess(const double* xyz, int count, const HullInsertionResult& r) {
  const PointTree tree(xyz, count);
  double excess = 0;
  for (const InsertedFace& f : r.Faces) excess = tree.Farthest(f.a, f.b, f.c, f.d, excess);
  return excess;
}

// Whether the faces form a closed surface of genus 0.
inline bool IsClosedSurface(const HullInsertionResult& r) {
  if (r.Shape != InsertedShape::kSurface || r.Faces.empty()) return false;
  std::map<std::pair<int, int>, int> owner;  // directed edge -> face
  std::set<int> vertices;
  for (size_t f = 0; f < r.Faces.size(); ++f) {
    const InsertedFace& face = r.Faces[f];
    for (int i = 0; i < face.Count; ++i) {
      const int u = r.Vertices[size_t(face.First + i)], v = r.Vertices[size_t(face.First + (i + 1) % face.Count)];
      vertices.insert(u);
      if (!owner.emplace(std::make_pair(u, v), int(f)).second) return false;
    }
  }
  for (const auto& [edge, face] : owner) {
    const auto twin = owner.find({edge.second, edge.first});
    if (twin == owner.end() || twin->second == face) return false;
  }
  return int(vertices.size()) - int(owner.size() / 2) + int(r.Faces.size()) == 2;
}
