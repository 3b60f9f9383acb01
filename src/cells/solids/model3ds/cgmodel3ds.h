// A mesh model read from a 3D Studio file, placed in the scene: its box
// centre at Position, scaled uniformly by Scale and turned about the z axis
// by the cell's value (radians).  The style byte is the display mode: 0 a
// wire frame drawn in the line pass, any other value lit with the
// materials' colours and textures.  The document keeps only the path: the
// model is read when the cell is made or read from a record (opened,
// pasted), looked for beside the document or asked of the user when it has
// moved.  The cell keeps what it read: computing reads no file.
#pragma once
#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "cells/solids/model3ds/reader3ds.h"
#include "model/cgcell.h"
#include "render/glrelease.h"
#include "render/gltexture.h"

// One textured or coloured run of triangles of the display list.
struct ModelRun3ds {
  int firstVertex = 0;
  int vertexCount = 0;
  int texture = -1;  // the material whose texture it wears, -1 none
};

struct ModelVertex3ds {
  float position[3];
  float normal[3];
  float uv[2];
  BYTE rgb[3];
};

// What the display list draws, made from the model data without GL.
struct ModelMesh3ds {
  std::vector<ModelRun3ds> runs;
  std::vector<ModelVertex3ds> vertices;
};

// The triangles of every object, in runs of one look each: an object whose
// material texture `hasTexture` says is there wears it in white; any other
// is drawn in its material's colour (untextured material, or a texture past
// the first materials), or white without a usable material.
ModelMesh3ds BuildModelMesh(const Scene3ds& scene, const std::function<bool(int material)>& hasTexture);

class CGModel3ds : public CGCell {
  DECLARE_SERIAL(CGModel3ds)

 public:
  static constexpr int kTextureCount = 100;
  static constexpr BYTE kWire = 0;
  static constexpr BYTE kLit = 1;

  // For loading: position (0, 0, -10), scale 1.
  CGModel3ds();
  // Names the cell after the file, reads it and sizes it so that its box
  // diagonal is 30 units long, centred at the origin.
  CGModel3ds(WORD id, const QString& path, BYTE displayMode);
  ~CGModel3ds() override;

  // The cell record, then the path, the position and the scale.
  void Serialize(CArchive& ar) override;
  // Finds and reads the file, then its box, textures and mesh.
  void ReadFiles() override;
  // The model has no parents and nothing to compute: it stays as the last
  // read left it, defined or not.
  void Recalculate() override {}
  void DrawVisibleEdges() override;
  void DrawLit() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // The part of the model data the cell builds without GL once the reader
  // has filled it: box, radius, box centre, the texture pictures of the
  // first kTextureCount materials and the mesh.  False when a texture
  // picture could not be read.
  bool TakeModel();
  const ModelMesh3ds& Mesh() const { return m_mesh; }
  // Applies M: the box centre to the position, the turn, the scale.
  void ApplyTransform() const;

  Scene3ds Model;
  std::array<CGlTexture, kTextureCount> TextureNames;
  CGlListBlock DisplayList;
  QString FilePath;
  float Position[3] = {0, 0, -10};
  float Scale = 1.0f;
  double Box[6] = {0, 0, 0, 0, 0, 0};  // x min, x max, y min, y max, z min, z max
  double Radius = 0;
  double BoxCentre[3] = {0, 0, 0};

 private:
  // The file of FilePath on this system, else beside the document, else
  // chosen by the user; empty when the user cancelled.
  QString FindModelFile();
  // The texture picture of a material, as RGBA rows from the bottom up.
  bool LoadTexture(int material, const QString& folder);
  void MakeBox();
  void CompileList();
  bool IsShown() const { return m_bDefined && !m_bHidden; }

  ModelMesh3ds m_mesh;
  std::array<QImage, kTextureCount> m_pictures;
  bool m_bListStale = true;
};
