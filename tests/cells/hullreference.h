// The hull insertion as first written down, for the differential tests:
// every point walks the whole face list in order, marks the edges of the
// faces it does not lie behind in a table, and reads the horizon from it.
// Slow and plain on purpose; the engine must give exactly what it gives.
#pragma once
#include <algorithm>
#include <cmath>
#include <vector>

#include "cells/solids/hullinsertion.h"

inline void ReferenceInsertion(const double* xyz, int count, const std::vector<int>& order, HullInsertionResult& out) {
  out = HullInsertionResult();
  const double eps = HullTolerance(xyz, count);
  struct Face { std::vector<int> v; double a, b, c, d; int side = 0; };
  auto pt = [xyz](int i) { return xyz + 3 * i; };
  auto offset = [&](const Face& f, int p) { return f.a * pt(p)[0] + f.b * pt(p)[1] + f.c * pt(p)[2] + f.d; };
  auto make = [&](int i, int j, int k) {
    const double *A = pt(i), *B = pt(j), *C = pt(k);
    const double ux = B[0] - A[0], uy = B[1] - A[1], uz = B[2] - A[2], vx = C[0] - A[0], vy = C[1] - A[1], vz = C[2] - A[2];
    Face f{{i, j, k}, uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx, 0};
    const double length = std::sqrt(f.a * f.a + f.b * f.b + f.c * f.c);
    if (length > 0) f.a /= length, f.b /= length, f.c /= length;
    f.d = -(f.a * A[0] + f.b * A[1] + f.c * A[2]);
    return f;
  };
  auto turn = [&](const Face& f, int u, int v, int p) {  // w of edge u -> v
    const double n[3] = {f.a, f.b, f.c};
    return HullTurnSign(n, pt(u), pt(v), pt(p), eps);
  };
  int a = order[0], b = a;
  const int c = order.size() < 2 ? -1 : FindFirstTriangle(xyz, order, eps, &a, &b);
  out.Line[0] = a;
  if (order.size() < 2) return;
  out.Line[1] = b;
  out.Shape = InsertedShape::kLine;
  if (c < 0) return;
  const int C = order[size_t(c)];
  std::vector<Face> faces{make(a, b, C), make(a, C, b)};
  std::vector<int> mark(size_t(count) * size_t(count), -1);
  for (size_t i = size_t(c) + 1; i < order.size(); ++i) {
    const int p = order[i];
    const size_t n0 = faces.size();
    bool dropped = false;
    for (size_t f = 0; f < n0 && !dropped; ++f) {
      Face& face = faces[f];
      face.side = HullSign(offset(face, p), eps);
      if (face.side < 0) continue;
      const size_t n = face.v.size();
      int pos = 0, neg = 0;
      for (size_t k = 0; k < n; ++k) {
        mark[size_t(face.v[k]) * size_t(count) + size_t(face.v[(k + 1) % n])] = p;
        const int w = turn(face, face.v[k], face.v[(k + 1) % n], p);
        pos += w > 0;
        neg += w < 0;
      }
      dropped = face.side == 0 && (pos == 0 || neg == 0);
    }
    if (dropped) continue;
    std::vector<Face> kept, added;
    for (size_t f = 0; f < n0; ++f) {
      Face face = faces[f];
      const int n = int(face.v.size());
      auto at = [&](int k) { return face.v[size_t(k % n)]; };
      if (face.side > 0) {
        for (int k = 0; k < n; ++k)
          if (mark[size_t(at(k + 1)) * size_t(count) + size_t(at(k))] != p) added.push_back(make(at(k), at(k + 1), p));
        continue;
      }
      if (face.side == 0) {  // widened in its plane
        auto positive = [&](int k) { return turn(face, at(k), at(k + 1), p) > 0; };
        int k = 0;
        while (!positive(k)) ++k;
        const int K = at(k);
        std::vector<int> list{K};
        for (; positive(k) && at(k + 1) != K; ++k) list.push_back(at(k + 1));
        list.push_back(p);
        for (int j = k + 1; at(j) != K; ++j)
          if (positive(j)) list.push_back(at(j));
        face.v = list;
      }
      kept.push_back(face);
    }
    kept.insert(kept.end(), added.begin(), added.end());
    faces = kept;
  }
  out.Shape = InsertedShape::kSurface;
  for (const Face& f : faces) {
    out.Faces.push_back({int(out.Vertices.size()), int(f.v.size()), f.a, f.b, f.c, f.d, f.side});
    out.Vertices.insert(out.Vertices.end(), f.v.begin(), f.v.end());
  }
  for (int p = 0; p < count; ++p)
    for (const Face& f : faces) out.WitnessExcess = std::max(out.WitnessExcess, offset(f, p));
}
