// A small writer of 3D Studio mesh files, our own: the tests build every
// .3ds file they read with it (well-formed or broken on purpose), and
// tools/makemodels writes the shipped models with it.  Chunks nest: Open
// starts one, Close writes its length; Raw puts any bytes.
#pragma once
#include <QByteArray>
#include <cstdint>
#include <string>
#include <vector>

class C3dsWriter {
 public:
  C3dsWriter& Open(std::uint16_t id);
  C3dsWriter& Close();
  // A chunk with a length of our choosing: nothing is checked.
  C3dsWriter& Header(std::uint16_t id, std::uint32_t length);
  C3dsWriter& Word(std::uint16_t v);
  C3dsWriter& Dword(std::uint32_t v);
  C3dsWriter& Float(float v);
  // The bytes and a NUL.
  C3dsWriter& Text(const std::string& text);
  C3dsWriter& Raw(const QByteArray& bytes);
  // Every chunk closed.
  QByteArray Bytes() const;

 private:
  QByteArray m_bytes;
  std::vector<int> m_open;
};

struct Material3dsSpec {
  std::string name;
  std::uint8_t rgb[3] = {255, 255, 255};
  std::string texture;  // empty: none
};

inline Material3dsSpec Material3ds(const std::string& name, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                   const std::string& texture = {}) {
  return {name, {r, g, b}, texture};
}

struct Mesh3dsSpec {
  std::string name;
  std::vector<float> vertices;       // x, y, z
  std::vector<std::uint16_t> faces;  // a, b, c per face
  std::vector<float> uv;             // u, v per vertex; empty: none
  std::string material;              // face material list naming it
  bool materialList = true;          // false: no face material list
};

// The file a modelling program writes: main, version, editor data (mesh
// version first), the materials, then one named object per mesh.
QByteArray Write3ds(const std::vector<Material3dsSpec>& materials, const std::vector<Mesh3dsSpec>& meshes,
                    std::uint32_t version = 3);

// Shapes for the files: an axis-aligned box of 12 triangles (outward
// winding, texture coordinates per corner), and a regular icosahedron of
// circumradius r.
Mesh3dsSpec Box3ds(const std::string& name, float x0, float y0, float z0, float x1, float y1, float z1);
Mesh3dsSpec Icosahedron3ds(const std::string& name, float r);
// A grid of `columns` x `rows` squares (two triangles each) in z = 0.
Mesh3dsSpec Grid3ds(const std::string& name, int columns, int rows, float cell);
