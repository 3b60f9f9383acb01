// A hull cut by a series of planes, one plane per unit of the cell's value,
// the pieces drifting apart as the value grows.  The pieces are hulls the
// cell owns; they never enter a page and are rebuilt from the hull on every
// recalculation, so nothing of the animation is stored.
#pragma once
#include <QString>
#include <memory>
#include <vector>

#include "cells/solids/cgpolyhedron.h"
#include "model/cgcell.h"

class CGSplit : public CGCell {
  DECLARE_SERIAL(CGSplit)

 public:
  static constexpr int kMostPlanes = 10;

  // Three built-in planes, no pieces.
  CGSplit();
  // Cuts hull `hullId` (in the current page's map) by `planeCount` planes
  // (at most 10), in the hull's colour.  With `planesFromFaces` the first
  // selected faces of the page (fewer lower the count) give the planes and
  // become parents 1..N; with no face selected the built-in planes serve.
  CGSplit(WORD id, WORD hullId, int planeCount, int planesFromFaces, double distance);

  // The cell record, then int32 plane count, int32 planes from faces and
  // double separation distance.  Loading keeps the count within 1..10 and
  // within the face parents, and fails on a distance that is no number.
  void Serialize(CArchive& ar) override;
  // Back to the hull alone: no cut, no piece, the hull shown again; the
  // planes read from the faces (an undefined face makes the cell undefined).
  void Recalculate() override;
  bool WritesParents() const override { return true; }
  // The next cut or the pieces' drift for the cell's value.
  void ApplyParameter() override;

  void DrawDepthOnly() override;
  void DrawLit() override;
  void DrawVisibleEdges() override;
  void DrawHiddenEdges() override;
  void Draw() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // The plane i (0-based) a cut uses.
  const PolyhedronFace& Plane(int i) const { return m_pPlanes[i]; }
  // The built-in planes for a count: the short table up to 3, else the long.
  static const PolyhedronFace* BuiltInPlanes(int planeCount);
  // The overlay text for the current cut and piece counts.
  QString OverlayText() const;

  int m_nPlanes = 3;
  int m_nCutsDone = 0;
  int m_nPiecesShown = 1;
  const PolyhedronFace* m_pPlanes = nullptr;
  int m_bPlanesFromFaces = 0;
  double m_dDistance = 2.0;
  std::vector<std::unique_ptr<CGPolyhedron>> m_pieces;

 private:
  CGPolyhedron* Hull() const;
  // The planes of the face parents; false at an undefined face.
  bool ReadFacePlanes();
  void Reset();
  // Step 7 of a value change: the start piece, or the next cut.
  void StartOrCut(const CGPolyhedron& hull);
  void CutPieces();
  void DrawPieces(int mode) const;
  void SetEdgeColour() const;

  std::vector<PolyhedronFace> m_facePlanes;  // the planes from faces
};
