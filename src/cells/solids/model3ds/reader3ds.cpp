#include "cells/solids/model3ds/reader3ds.h"

#include <QBuffer>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "cells/solids/model3ds/reader3dstexts.h"
#include "platform/filebytes.h"
#include "platform/gbk.h"
#include "platform/notifier.h"

namespace {

constexpr DWORD kHeaderBytes = 6;
// Nested chunks deeper than this are no model a modelling program writes;
// refusing them keeps a hostile file from exhausting the stack.
constexpr int kDeepestChunk = 64;

WORD Word(const unsigned char* p) { return static_cast<WORD>(p[0] | p[1] << 8); }
DWORD Dword(const unsigned char* p) {
  return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 | static_cast<DWORD>(p[2]) << 16 |
         static_cast<DWORD>(p[3]) << 24;
}

void Say(const QString& text, const char* caption) { KvMessageBox(text, QString::fromUtf8(caption), MB_OK); }

void Say(const char* text, const QString& path, const char* caption) {
  Say(QString::fromUtf8(text).replace(QStringLiteral("%s"), path), caption);
}

}  // namespace

int Scene3ds::VertexTotal() const {
  int total = 0;
  for (const Object3ds& o : objects) total += o.vertexCount;
  return total;
}

int Scene3ds::FaceTotal() const {
  int total = 0;
  for (const Object3ds& o : objects) total += o.faceCount;
  return total;
}

// Through the one reading entry of the program: a pipe or a device, which
// an open file dialog can hand over, is refused at once instead of read.
bool C3dsReader::Load(Scene3ds& scene, const QString& path) {
  FileFailure failure = FileFailure::None;
  std::optional<QByteArray> bytes = ReadFileBytes(path, &failure, kMaxFileBytes);
  if (!bytes) {
    if (failure == FileFailure::NotFound)
      Say(kTextModelNotFound, path, kCaptionError3ds);
    else
      Say(PathAndReason(path, FileFailureReason(failure, false, kMaxFileBytes)), kCaptionError3ds);
    return false;
  }
  QBuffer file(&*bytes);
  file.open(QIODevice::ReadOnly);
  return Load(scene, file, path);
}

bool C3dsReader::Load(Scene3ds& scene, QIODevice& file, const QString& path) {
  m_pFile = &file;
  const std::size_t objectsBefore = scene.objects.size();
  const auto materialsBefore = scene.materials.size();
  const int objectCount = scene.objectCount, materialCount = scene.materialCount;
  try {
    const qint64 size = file.size() - file.pos();
    Chunk3ds main;
    ReadHeader(main, static_cast<DWORD>(std::clamp<qint64>(size, 0, 0xFFFFFFFF)));
    if (main.id != kChunkMain) throw Broken{};
    ReadTopChunks(scene, main, 0);
  } catch (const Broken&) {
    scene.objects.resize(objectsBefore);
    scene.materials.resize(materialsBefore);
    scene.objectCount = objectCount;
    scene.materialCount = materialCount;
    m_pFile = nullptr;
    Say(kTextNot3ds, path, kCaptionError3ds);
    return false;
  }
  m_pFile = nullptr;
  for (auto i = objectsBefore; i < scene.objects.size(); ++i) Tidy3dsObject(scene.objects[i]);
  if (scene.objectCount > 0) Compute3dsNormals(scene, static_cast<int>(objectsBefore));
  return true;
}

void C3dsReader::Enter(int depth) {
  if (depth > kDeepestChunk) throw Broken{};
}

void C3dsReader::ReadHeader(Chunk3ds& chunk, DWORD room) {
  unsigned char bytes[kHeaderBytes];
  if (room < kHeaderBytes || m_pFile->read(reinterpret_cast<char*>(bytes), kHeaderBytes) != kHeaderBytes)
    throw Broken{};
  chunk.id = Word(bytes);
  chunk.length = Dword(bytes + 2);
  chunk.bytesRead = kHeaderBytes;
  if (chunk.length < kHeaderBytes || chunk.length > room) throw Broken{};
}

void C3dsReader::ReadBytes(Chunk3ds& chunk, void* to, DWORD size) {
  if (size > Left(chunk) || m_pFile->read(static_cast<char*>(to), size) != static_cast<qint64>(size))
    throw Broken{};
  chunk.bytesRead += size;
}

WORD C3dsReader::ReadCount(Chunk3ds& chunk, DWORD itemBytes) {
  unsigned char bytes[2];
  ReadBytes(chunk, bytes, 2);
  const WORD count = Word(bytes);
  if (DWORD(count) * itemBytes > Left(chunk)) throw Broken{};
  return count;
}

void C3dsReader::ReadName(Chunk3ds& chunk, char* field) {
  int kept = 0;
  for (;;) {
    char c = 0;
    ReadBytes(chunk, &c, 1);
    if (c == '\0') break;
    if (kept < kNameField - 1) field[kept++] = c;
  }
  field[kept] = '\0';
}

void C3dsReader::ReadRest(Chunk3ds& chunk, char* field, DWORD fieldSize) {
  const DWORD take = std::min(Left(chunk), fieldSize);
  std::memset(field, 0, fieldSize + 1);
  ReadBytes(chunk, field, take);
  Skip(chunk);
}

void C3dsReader::Skip(Chunk3ds& chunk) {
  const DWORD rest = Left(chunk);
  if (rest == 0) return;
  if (!m_pFile->seek(m_pFile->pos() + rest) || m_pFile->pos() > m_pFile->size()) throw Broken{};
  chunk.bytesRead += rest;
}

void C3dsReader::ReadVersion() {
  unsigned char bytes[4];
  if (Left(m_current) != 4) return Skip(m_current);
  ReadBytes(m_current, bytes, 4);
  if (static_cast<std::int32_t>(Dword(bytes)) > 3)
    KvMessageBox(QString::fromUtf8(kTextOverVersion3), QString::fromUtf8(kCaptionWarning3ds), MB_OK);
}

void C3dsReader::ReadTopChunks(Scene3ds& scene, Chunk3ds& parent, int depth) {
  Enter(depth);
  while (parent.bytesRead < parent.length) {
    ReadHeader(m_current, Left(parent));
    switch (m_current.id) {
      case kChunkVersion: ReadVersion(); break;
      case kChunkEditor: {
        // Its first sub-chunk (the mesh version) is skipped whatever it is.
        Chunk3ds editor = m_current, first;
        ReadHeader(first, Left(editor));
        Skip(first);
        editor.bytesRead += first.bytesRead;
        ReadTopChunks(scene, editor, depth + 1);
        m_current = editor;
        break;
      }
      case kChunkMaterial: {
        Chunk3ds material = m_current;
        ++scene.materialCount;
        scene.materials.emplace_back();
        ReadMaterialChunks(scene, material, depth + 1);
        m_current = material;
        break;
      }
      case kChunkObject: {
        Chunk3ds object = m_current;
        ++scene.objectCount;
        scene.objects.emplace_back();
        ReadName(object, scene.objects.back().name);
        ReadObjectChunks(scene, static_cast<int>(scene.objects.size()) - 1, object, depth + 1);
        m_current = object;
        break;
      }
      default: Skip(m_current); break;
    }
    parent.bytesRead += m_current.bytesRead;
  }
}

void C3dsReader::ReadObjectChunks(Scene3ds& scene, int index, Chunk3ds& parent, int depth) {
  Enter(depth);
  while (parent.bytesRead < parent.length) {
    ReadHeader(m_current, Left(parent));
    Object3ds& object = scene.objects[index];
    switch (m_current.id) {
      case kChunkMesh: {
        Chunk3ds mesh = m_current;
        ReadObjectChunks(scene, index, mesh, depth + 1);
        m_current = mesh;
        break;
      }
      case kChunkVertices: ReadVertexList(object); break;
      // Its sub-chunks are left to this loop: the face material lists
      // among them reach the case below, the others are skipped.
      case kChunkFaces: ReadFaceList(object); break;
      case kChunkFaceMaterial: ReadFaceMaterial(scene, object); break;
      case kChunkTexCoords: ReadTexCoords(object); break;
      default: Skip(m_current); break;
    }
    parent.bytesRead += m_current.bytesRead;
  }
}

void C3dsReader::ReadMaterialChunks(Scene3ds& scene, Chunk3ds& parent, int depth) {
  Enter(depth);
  while (parent.bytesRead < parent.length) {
    ReadHeader(m_current, Left(parent));
    Material3ds& material = scene.materials.back();
    switch (m_current.id) {
      case kChunkMaterialName: ReadRest(m_current, material.name, kNameField - 1); break;
      case kChunkDiffuse: ReadColour(material); break;
      case kChunkTextureMap: {
        Chunk3ds map = m_current;
        ReadMaterialChunks(scene, map, depth + 1);
        m_current = map;
        break;
      }
      case kChunkTextureFile: ReadRest(m_current, material.textureFile, kNameField - 1); break;
      default: Skip(m_current); break;
    }
    parent.bytesRead += m_current.bytesRead;
  }
}

void C3dsReader::ReadVertexList(Object3ds& object) {
  const WORD n = ReadCount(m_current, 12);
  ReadFloats(object.vertices, std::size_t(n) * 3);
  object.vertexCount = n;
}

void C3dsReader::ReadFaceList(Object3ds& object) {
  const WORD n = ReadCount(m_current, 8);
  std::vector<unsigned char> bytes(std::size_t(n) * 8);
  if (n) ReadBytes(m_current, bytes.data(), n * 8u);
  object.faces.resize(std::size_t(n) * 3);
  for (std::size_t f = 0; f < n; ++f)
    for (int k = 0; k < 3; ++k) object.faces[f * 3 + k] = Word(&bytes[f * 8 + k * 2]);
  object.faceCount = n;
}

void C3dsReader::ReadFaceMaterial(Scene3ds& scene, Object3ds& object) {
  char name[kNameField];
  ReadName(m_current, name);
  for (int i = 0; i < scene.materialCount; ++i) {
    const Material3ds& material = scene.materials[i];
    if (std::strcmp(name, material.name) == 0) {
      object.materialIndex = i;
      if (material.textureFile[0] != '\0') object.textured = true;
      break;
    }
    object.materialIndex = -1;
  }
  Skip(m_current);
}

void C3dsReader::ReadTexCoords(Object3ds& object) {
  const WORD n = ReadCount(m_current, 8);
  ReadFloats(object.texCoords, std::size_t(n) * 2);
  object.texCoordCount = n;
}

void C3dsReader::ReadFloats(std::vector<float>& to, std::size_t count) {
  std::vector<unsigned char> bytes(count * 4);
  if (count) ReadBytes(m_current, bytes.data(), static_cast<DWORD>(count * 4));
  to.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const DWORD bits = Dword(&bytes[i * 4]);
    std::memcpy(&to[i], &bits, 4);
  }
}

// The first sub-chunk's data gives red, green and blue, whatever its id:
// a colour stored as floats gives the bytes of the first float.
void C3dsReader::ReadColour(Material3ds& material) {
  Chunk3ds colour;
  ReadHeader(colour, Left(m_current));
  char rgb[3] = {0, 0, 0};
  const DWORD take = std::min<DWORD>(Left(colour), 3);
  ReadBytes(colour, rgb, take);
  Skip(colour);
  std::memcpy(material.colour, rgb, take);
  m_current.bytesRead += colour.bytesRead;
}

void Tidy3dsObject(Object3ds& object) {
  const auto vertices = static_cast<std::uint32_t>(object.vertexCount);
  std::size_t kept = 0;
  for (std::size_t f = 0; f + 2 < object.faces.size(); f += 3) {
    const std::uint32_t* face = &object.faces[f];
    if (face[0] >= vertices || face[1] >= vertices || face[2] >= vertices) continue;
    std::copy(face, face + 3, &object.faces[kept]);
    kept += 3;
  }
  object.faces.resize(kept);
  object.faceCount = static_cast<int>(kept / 3);
  if (object.texCoordCount < object.vertexCount) {
    object.texCoords.clear();
    object.texCoordCount = 0;
  }
}

void Compute3dsNormals(Scene3ds& scene, int firstObject) {
  for (std::size_t o = static_cast<std::size_t>(firstObject); o < scene.objects.size(); ++o) {
    Object3ds& object = scene.objects[o];
    const float* p = object.vertices.data();
    std::vector<float> sum(object.vertices.size(), 0.0f);
    std::vector<int> faces(static_cast<std::size_t>(object.vertexCount), 0);
    for (std::size_t f = 0; f + 2 < object.faces.size(); f += 3) {
      const std::uint32_t a = object.faces[f], b = object.faces[f + 1], c = object.faces[f + 2];
      const float u[3] = {p[a * 3] - p[c * 3], p[a * 3 + 1] - p[c * 3 + 1], p[a * 3 + 2] - p[c * 3 + 2]};
      const float v[3] = {p[c * 3] - p[b * 3], p[c * 3 + 1] - p[b * 3 + 1], p[c * 3 + 2] - p[b * 3 + 2]};
      const float n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
      const std::uint32_t corners[3] = {a, b, c};
      for (int k = 0; k < 3; ++k) {
        const std::uint32_t i = corners[k];
        if ((k > 0 && i == corners[0]) || (k > 1 && i == corners[1])) continue;
        for (int d = 0; d < 3; ++d) sum[i * 3 + d] += n[d];
        ++faces[i];
      }
    }
    object.normals.assign(object.vertices.size(), 0.0f);
    for (std::size_t i = 0; i < faces.size(); ++i) {
      if (faces[i] == 0) continue;  // a vertex no face uses is never drawn
      float* normal = &object.normals[i * 3];
      for (int d = 0; d < 3; ++d) normal[d] = sum[i * 3 + d] / static_cast<float>(-faces[i]);
      const float length = std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
      if (length > 0)
        for (int d = 0; d < 3; ++d) normal[d] /= length;
    }
  }
}

QString Decode3dsText(const char* bytes) {
  const QByteArray raw(bytes);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8.decode(raw);
  if (!utf8.hasError()) return text;
  return DecodeGbk(raw.constData(), raw.size());
}
