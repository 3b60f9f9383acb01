#include "writer3ds.h"

#include <cmath>
#include <cstring>

namespace {
enum : std::uint16_t {
  kMain = 0x4D4D,
  kVersion = 0x0002,
  kEditor = 0x3D3D,
  kMeshVersion = 0x3D3E,
  kMaterial = 0xAFFF,
  kMaterialName = 0xA000,
  kDiffuse = 0xA020,
  kColour24 = 0x0011,
  kTextureMap = 0xA200,
  kTextureFile = 0xA300,
  kObject = 0x4000,
  kMesh = 0x4100,
  kVertices = 0x4110,
  kFaces = 0x4120,
  kFaceMaterial = 0x4130,
  kTexCoords = 0x4140,
};
}  // namespace

C3dsWriter& C3dsWriter::Open(std::uint16_t id) {
  m_open.push_back(static_cast<int>(m_bytes.size()));
  return Header(id, 0);
}

C3dsWriter& C3dsWriter::Close() {
  const int at = m_open.back();
  m_open.pop_back();
  const std::uint32_t length = static_cast<std::uint32_t>(m_bytes.size() - at);
  for (int k = 0; k < 4; ++k) m_bytes[at + 2 + k] = static_cast<char>(length >> (8 * k));
  return *this;
}

C3dsWriter& C3dsWriter::Header(std::uint16_t id, std::uint32_t length) { return Word(id).Dword(length); }

C3dsWriter& C3dsWriter::Word(std::uint16_t v) {
  m_bytes.append(static_cast<char>(v & 0xFF)).append(static_cast<char>(v >> 8));
  return *this;
}

C3dsWriter& C3dsWriter::Dword(std::uint32_t v) { return Word(static_cast<std::uint16_t>(v)).Word(v >> 16); }

C3dsWriter& C3dsWriter::Float(float v) {
  std::uint32_t bits;
  std::memcpy(&bits, &v, 4);
  return Dword(bits);
}

C3dsWriter& C3dsWriter::Text(const std::string& text) {
  m_bytes.append(text.data(), static_cast<qsizetype>(text.size())).append('\0');
  return *this;
}

C3dsWriter& C3dsWriter::Raw(const QByteArray& bytes) {
  m_bytes.append(bytes);
  return *this;
}

QByteArray C3dsWriter::Bytes() const {
  C3dsWriter copy = *this;
  while (!copy.m_open.empty()) copy.Close();
  return copy.m_bytes;
}

QByteArray Write3ds(const std::vector<Material3dsSpec>& materials, const std::vector<Mesh3dsSpec>& meshes,
                    std::uint32_t version) {
  C3dsWriter w;
  w.Open(kMain).Open(kVersion).Dword(version).Close();
  w.Open(kEditor).Open(kMeshVersion).Dword(3).Close();
  for (const Material3dsSpec& m : materials) {
    w.Open(kMaterial).Open(kMaterialName).Text(m.name).Close();
    w.Open(kDiffuse).Open(kColour24).Raw(QByteArray(reinterpret_cast<const char*>(m.rgb), 3)).Close().Close();
    if (!m.texture.empty()) w.Open(kTextureMap).Open(kTextureFile).Text(m.texture).Close().Close();
    w.Close();
  }
  for (const Mesh3dsSpec& mesh : meshes) {
    w.Open(kObject).Text(mesh.name).Open(kMesh);
    w.Open(kVertices).Word(static_cast<std::uint16_t>(mesh.vertices.size() / 3));
    for (float v : mesh.vertices) w.Float(v);
    w.Close();
    if (!mesh.uv.empty()) {
      w.Open(kTexCoords).Word(static_cast<std::uint16_t>(mesh.uv.size() / 2));
      for (float v : mesh.uv) w.Float(v);
      w.Close();
    }
    const auto faces = static_cast<std::uint16_t>(mesh.faces.size() / 3);
    w.Open(kFaces).Word(faces);
    for (std::size_t f = 0; f < mesh.faces.size(); f += 3)
      w.Word(mesh.faces[f]).Word(mesh.faces[f + 1]).Word(mesh.faces[f + 2]).Word(7);
    if (mesh.materialList) {
      w.Open(kFaceMaterial).Text(mesh.material).Word(faces);
      for (std::uint16_t f = 0; f < faces; ++f) w.Word(f);
      w.Close();
    }
    w.Close().Close().Close();
  }
  return w.Bytes();
}

Mesh3dsSpec Box3ds(const std::string& name, float x0, float y0, float z0, float x1, float y1, float z1) {
  Mesh3dsSpec mesh;
  mesh.name = name;
  // Each side has its own four corners so that it carries the whole picture.
  const float sides[6][4][3] = {
      {{x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}},  // bottom, facing -z
      {{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}},  // top
      {{x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}},  // front, facing -y
      {{x1, y1, z0}, {x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}},  // back
      {{x0, y1, z0}, {x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}},  // left, facing -x
      {{x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}},  // right
  };
  const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  for (const auto& side : sides) {
    const auto base = static_cast<std::uint16_t>(mesh.vertices.size() / 3);
    for (int k = 0; k < 4; ++k) {
      mesh.vertices.insert(mesh.vertices.end(), side[k], side[k] + 3);
      mesh.uv.insert(mesh.uv.end(), corners[k], corners[k] + 2);
    }
    // Counter-clockwise seen from outside.
    for (int k : {0, 1, 2, 0, 2, 3}) mesh.faces.push_back(static_cast<std::uint16_t>(base + k));
  }
  return mesh;
}

Mesh3dsSpec Icosahedron3ds(const std::string& name, float r) {
  Mesh3dsSpec mesh;
  mesh.name = name;
  const double g = (1 + std::sqrt(5.0)) / 2, s = r / std::sqrt(1 + g * g);
  const double corners[12][3] = {{-1, g, 0}, {1, g, 0}, {-1, -g, 0}, {1, -g, 0}, {0, -1, g}, {0, 1, g},
                                  {0, -1, -g}, {0, 1, -g}, {g, 0, -1}, {g, 0, 1}, {-g, 0, -1}, {-g, 0, 1}};
  for (const auto& c : corners)
    for (double v : c) mesh.vertices.push_back(static_cast<float>(v * s));
  mesh.faces = {0, 11, 5, 0, 5, 1, 0, 1, 7, 0, 7, 10, 0, 10, 11, 1, 5, 9, 5, 11, 4, 11, 10, 2, 10, 7, 6, 7, 1, 8,
                3, 9, 4, 3, 4, 2, 3, 2, 6, 3, 6, 8, 3, 8, 9, 4, 9, 5, 2, 4, 11, 6, 2, 10, 8, 6, 7, 9, 8, 1};
  return mesh;
}

Mesh3dsSpec Grid3ds(const std::string& name, int columns, int rows, float cell) {
  Mesh3dsSpec mesh;
  mesh.name = name;
  for (int j = 0; j <= rows; ++j)
    for (int i = 0; i <= columns; ++i) mesh.vertices.insert(mesh.vertices.end(), {i * cell, j * cell, 0.0f});
  const int stride = columns + 1;
  for (int j = 0; j < rows; ++j)
    for (int i = 0; i < columns; ++i) {
      const auto a = static_cast<std::uint16_t>(j * stride + i);
      const auto b = static_cast<std::uint16_t>(a + 1), c = static_cast<std::uint16_t>(a + stride + 1),
                 d = static_cast<std::uint16_t>(a + stride);
      mesh.faces.insert(mesh.faces.end(), {a, b, c, a, c, d});
    }
  return mesh;
}
