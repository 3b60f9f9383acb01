// The reader of 3D Studio mesh files (.3ds): a tree of chunks, each a WORD
// id and a DWORD length (header included) followed by its data and
// sub-chunks.  Only what the model cell draws is read: per object its name,
// vertices, triangles, texture coordinates and one material; per material
// its name, diffuse colour and texture file name.  Every other chunk is
// skipped with a seek.
//
// The file is hostile input: every header is checked against what its
// parent has left, every count against what its chunk holds before anything
// is allocated, names are cut to their fields, and faces that name a vertex
// the object lacks are dropped.  A load that fails leaves the scene as it
// was before it began.
#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/types.h"

class QIODevice;

// Chunk ids the reader understands.
enum : WORD {
  kChunkMain = 0x4D4D,
  kChunkVersion = 0x0002,
  kChunkEditor = 0x3D3D,
  kChunkMaterial = 0xAFFF,
  kChunkMaterialName = 0xA000,
  kChunkDiffuse = 0xA020,
  kChunkTextureMap = 0xA200,
  kChunkTextureFile = 0xA300,
  kChunkObject = 0x4000,
  kChunkMesh = 0x4100,
  kChunkVertices = 0x4110,
  kChunkFaces = 0x4120,
  kChunkFaceMaterial = 0x4130,
  kChunkTexCoords = 0x4140,
};

// Bytes of a name field; a stored name keeps at most kNameField - 1 bytes
// and its terminating NUL.
inline constexpr int kNameField = 255;

struct Chunk3ds {
  WORD id = 0;
  DWORD length = 0;     // the whole chunk, header included
  DWORD bytesRead = 0;  // consumed so far: 6 after the header
};

struct Material3ds {
  char name[kNameField] = {};
  char textureFile[kNameField] = {};  // empty: no texture
  BYTE colour[3] = {0, 0, 0};         // red, green, blue
  int textureIndex = 0;               // set by the model cell after loading
};

struct Object3ds {
  int vertexCount = 0;
  int faceCount = 0;
  int texCoordCount = 0;
  // -1: its face material list names no material; stays 0 without a list.
  int materialIndex = 0;
  bool textured = false;  // its material has a texture file name
  char name[kNameField] = {};
  std::vector<float> vertices;        // vertexCount x (x, y, z)
  std::vector<float> normals;         // vertexCount x (x, y, z), made after reading
  std::vector<float> texCoords;       // texCoordCount x (u, v)
  std::vector<std::uint32_t> faces;   // faceCount x three vertex indices
};

// The model data a cell owns.  Loading appends.
struct Scene3ds {
  int objectCount = 0;
  int materialCount = 0;
  std::vector<Material3ds> materials;
  std::vector<Object3ds> objects;

  void Clear() { *this = Scene3ds(); }
  int VertexTotal() const;
  int FaceTotal() const;
};

class C3dsReader {
 public:
  // Files larger than this are refused before they are read.
  static constexpr qint64 kMaxFileBytes = qint64(256) << 20;

  // Reads the file into the scene (appending) and gives every vertex a
  // normal.  A file that is missing, no regular file, over the limit or no
  // 3DS file shows its message and gives false.
  bool Load(Scene3ds& scene, const QString& path);
  // The same from an open device; `path` names it in the messages.
  bool Load(Scene3ds& scene, QIODevice& file, const QString& path);

 private:
  // Thrown inside the reader when the file breaks its own structure.
  struct Broken {};

  void ReadTopChunks(Scene3ds& scene, Chunk3ds& parent, int depth);
  void ReadObjectChunks(Scene3ds& scene, int object, Chunk3ds& parent, int depth);
  void ReadMaterialChunks(Scene3ds& scene, Chunk3ds& parent, int depth);
  void ReadVertexList(Object3ds& object);
  void ReadFaceList(Object3ds& object);
  void ReadFaceMaterial(Scene3ds& scene, Object3ds& object);
  void ReadTexCoords(Object3ds& object);
  void ReadColour(Material3ds& material);
  void ReadVersion();
  // `count` little-endian floats of the current chunk.
  void ReadFloats(std::vector<float>& to, std::size_t count);

  // A header that must fit in `room` bytes.
  void ReadHeader(Chunk3ds& chunk, DWORD room);
  // Reads `size` bytes of the current chunk.
  void ReadBytes(Chunk3ds& chunk, void* to, DWORD size);
  WORD ReadCount(Chunk3ds& chunk, DWORD itemBytes);
  // A NUL-terminated text of the chunk, cut to the field.
  void ReadName(Chunk3ds& chunk, char* field);
  // The rest of the chunk (or its first bytes) into a field.
  void ReadRest(Chunk3ds& chunk, char* field, DWORD fieldSize);
  void Skip(Chunk3ds& chunk);
  static DWORD Left(const Chunk3ds& chunk) { return chunk.length - chunk.bytesRead; }
  static void Enter(int depth);

  QIODevice* m_pFile = nullptr;
  Chunk3ds m_current;
};

// Drops faces that name a vertex the object does not have and texture
// coordinates fewer than its vertices.
void Tidy3dsObject(Object3ds& object);
// Vertex normals: per face c = (P0 - P2) x (P2 - P1); a vertex's normal is
// the sum of c over its faces divided by minus their number, made unit
// length.  A face naming a vertex twice counts once for it.
void Compute3dsNormals(Scene3ds& scene, int firstObject = 0);
// A name as 8-bit bytes in the file: UTF-8 when valid, else GBK.
QString Decode3dsText(const char* bytes);
