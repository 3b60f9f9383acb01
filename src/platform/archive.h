// The persistent-object stream: documents, clipboard records, the preferences
// file and user tools are all written through it.  Byte-compatible with the
// class library format the stored files use: little-endian scalars, WORD
// counts with a DWORD escape, UTF-16 strings behind the FF FE FF marker, and
// objects as class tags (new class by name, known class by index) with back
// references, classes and objects sharing one index space counted from 1.
#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "platform/runtimeclass.h"
#include "platform/types.h"

enum class ArchiveError { EndOfFile, BadClass, BadSchema, BadIndex, BadData };

class CArchiveException : public std::runtime_error {
 public:
  CArchiveException(ArchiveError cause, const std::string& detail);
  ArchiveError Cause() const { return m_cause; }

 private:
  ArchiveError m_cause;
};

// Per-archive state that stored records consult.  It is not process-wide, so
// a failed read can never leave a flag behind that changes the next write.
struct ArchiveContext {
  bool bOlderLayout = false;           // records lack the fields added in the newer layout
  bool bStoreFormulaPictures = false;  // formula texts also store their rendered pictures
  int nPictureUseCount[3] = {0, 0, 0}; // cells using each replaceable texture picture
};

class CArchive {
 public:
  enum Mode { store, load };

  // A storing archive that collects bytes in memory.
  CArchive();
  // A loading archive over the given bytes (shared, not copied).
  explicit CArchive(const QByteArray& bytes);
  // A storing archive that keeps no bytes, only a 64-bit digest of them: a
  // record written to be compared with itself later, never read.  A record
  // may write what identifies a large block (a picture's pixels) instead of
  // the block itself (DigestOnly()).
  struct DigestTag {};
  explicit CArchive(DigestTag);
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  bool IsLoading() const { return m_mode == load; }
  bool IsStoring() const { return m_mode == store; }
  ArchiveContext& Context() { return m_context; }
  const ArchiveContext& Context() const { return m_context; }

  // The bytes written so far (storing).
  const QByteArray& Bytes() const { return m_out; }
  bool DigestOnly() const { return m_bDigestOnly; }
  // The digest of everything written (DigestTag), with the count of bytes.
  std::uint64_t Digest() const { return m_nDigest ^ static_cast<std::uint64_t>(m_nDigestBytes); }
  // Reading position and what is left (loading).
  qsizetype Position() const { return m_pos; }
  qsizetype Remaining() const { return m_in.size() - m_pos; }
  // Up to n bytes at the reading position without consuming them.
  QByteArray Peek(qsizetype n) const;

  // Where a float or double was written: its first byte, its size and the
  // object whose record holds it (null outside every object).
  struct ScalarField {
    qsizetype offset;
    int size;
    const CObject* object;
  };
  // While set (storing), every float and double written appends its place to
  // the list, so that a test can patch each stored number in turn.  Null
  // (the default) records nothing.
  void RecordFloatFields(std::vector<ScalarField>* fields) { m_floatFields = fields; }

  // Where an object was written: from its tag to the end of its record.
  // Objects its record writes have spans of their own, inside it.
  struct ObjectSpan {
    qsizetype begin, end;
    const CObject* object;
  };
  // While set (storing), every object written (not a back reference)
  // appends its span, so that a place in the bytes can be traced back to
  // the object that wrote it.
  void RecordObjectSpans(std::vector<ObjectSpan>* spans) { m_objectSpans = spans; }

  // Raw bytes.
  void Write(const void* data, qsizetype n);
  void Read(void* data, qsizetype n);  // throws EndOfFile when fewer than n remain

  CArchive& operator<<(BYTE v) { return WriteScalar(v); }
  CArchive& operator<<(WORD v) { return WriteScalar(v); }
  CArchive& operator<<(DWORD v) { return WriteScalar(v); }
  CArchive& operator<<(std::int32_t v) { return WriteScalar(v); }
  CArchive& operator<<(float v) { return WriteScalar(v); }
  CArchive& operator<<(double v) { return WriteScalar(v); }
  CArchive& operator<<(const QString& s) { WriteString(s); return *this; }

  CArchive& operator>>(BYTE& v) { return ReadScalar(v); }
  CArchive& operator>>(WORD& v) { return ReadScalar(v); }
  CArchive& operator>>(DWORD& v) { return ReadScalar(v); }
  CArchive& operator>>(std::int32_t& v) { return ReadScalar(v); }
  CArchive& operator>>(float& v) { return ReadScalar(v); }
  CArchive& operator>>(double& v) { return ReadScalar(v); }
  CArchive& operator>>(QString& s) { s = ReadString(); return *this; }

  BYTE ReadByte() { BYTE v; *this >> v; return v; }
  WORD ReadWord() { WORD v; *this >> v; return v; }
  DWORD ReadDword() { DWORD v; *this >> v; return v; }
  std::int32_t ReadInt() { std::int32_t v; *this >> v; return v; }
  float ReadFloat() { float v; *this >> v; return v; }
  double ReadDouble() { double v; *this >> v; return v; }

  // Element counts: WORD, or WORD 0xFFFF then DWORD.  On reading, the count
  // must fit in what remains at minElementBytes per element (BadData if not),
  // so no caller ever allocates from an unchecked count.
  void WriteCount(DWORD count);
  DWORD ReadCount(qsizetype minElementBytes);

  // Strings are written in the UTF-16 form; reading also accepts the older
  // single-byte form, decoded as GBK.
  void WriteString(const QString& s);
  QString ReadString();

  // Objects.  Writing the same object twice writes a back reference.
  void WriteObject(const CObject* object);
  // Reads a new object (or null) of a class derived from `expected`; the
  // caller owns it.  A back reference here is BadData: stored objects are
  // owned by exactly one container, and sharing one would free it twice.
  std::unique_ptr<CObject> ReadOwnedObject(const CRuntimeClass* expected);
  template <class T>
  std::unique_ptr<T> ReadOwned() {
    return std::unique_ptr<T>(static_cast<T*>(ReadOwnedObject(T::ThisClass()).release()));
  }
  // Reads an object or a back reference to one read earlier.  *isNew tells
  // whether the caller owns the result.
  CObject* ReadObject(const CRuntimeClass* expected, bool* isNew);

  // Nesting of objects inside objects is capped, so a hostile file cannot
  // exhaust the stack.
  static constexpr int kMaxObjectDepth = 64;

 private:
  template <class T>
  CArchive& WriteScalar(T v) {
    if (m_bDigestOnly) {  // a scalar is one step of the digest, taken here with no call
      static_assert(sizeof v <= 8);
      std::uint64_t word = 0;
      std::memcpy(&word, &v, sizeof v);
      MixWord(word, sizeof v);
      return *this;
    }
    if constexpr (std::is_floating_point_v<T>)
      if (m_floatFields) m_floatFields->push_back({m_out.size(), static_cast<int>(sizeof v), m_writing});
    Write(&v, sizeof v);  // the program runs on little-endian machines only
    return *this;
  }
  template <class T>
  CArchive& ReadScalar(T& v) {
    Read(&v, sizeof v);
    return *this;
  }
  void RequireLoading() const;
  void RequireStoring() const;
  void DigestBytes(const char* data, qsizetype n);
  // One step of the digest: a bijection of the state for a given word, so
  // two records that differ in one step never digest alike.
  void MixWord(std::uint64_t word, qsizetype bytes) {
    m_nDigestBytes += bytes;
    const std::uint64_t h = (m_nDigest ^ word) * 0x9E3779B97F4A7C15ull;
    m_nDigest = h ^ (h >> 31);
  }
  void WriteIndexTag(DWORD index, bool isClass);
  const CRuntimeClass* ReadClassOrIndex(DWORD* objectIndex);

  Mode m_mode;
  bool m_bDigestOnly = false;
  std::uint64_t m_nDigest = 0x4B565231u;
  qsizetype m_nDigestBytes = 0;
  ArchiveContext m_context;
  QByteArray m_out;
  QByteArray m_in;
  qsizetype m_pos = 0;
  std::vector<ScalarField>* m_floatFields = nullptr;
  std::vector<ObjectSpan>* m_objectSpans = nullptr;
  const CObject* m_writing = nullptr;  // the object whose record is being written

  // Shared index space: 0 is the null object; classes and objects from 1.
  DWORD m_nMapCount = 1;
  std::unordered_map<const void*, DWORD> m_storeMap;  // class or object -> index
  struct LoadEntry {
    const CRuntimeClass* cls;  // set for class entries
    CObject* object;           // set for object entries
  };
  std::vector<LoadEntry> m_loadArray{LoadEntry{nullptr, nullptr}};
  int m_depth = 0;
};
