#include "platform/archive.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "platform/gbk.h"

static_assert(std::endian::native == std::endian::little,
              "stored records are little-endian and are copied byte for byte");

namespace {
constexpr WORD kNullTag = 0;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr DWORD kBigClassTag = 0x80000000;
constexpr qsizetype kMaxClassNameLength = 63;

const char* CauseName(ArchiveError cause) {
  switch (cause) {
    case ArchiveError::EndOfFile: return "unexpected end of data";
    case ArchiveError::BadClass: return "bad class";
    case ArchiveError::BadSchema: return "bad schema";
    case ArchiveError::BadIndex: return "bad object index";
    case ArchiveError::BadData: return "bad data";
  }
  return "archive error";
}

[[noreturn]] void Fail(ArchiveError cause, const std::string& detail) {
  throw CArchiveException(cause, detail);
}
}  // namespace

CArchiveException::CArchiveException(ArchiveError cause, const std::string& detail)
    : std::runtime_error(std::string(CauseName(cause)) + (detail.empty() ? "" : ": " + detail)),
      m_cause(cause) {}

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(const QByteArray& bytes) : m_mode(load), m_in(bytes) {}

CArchive::CArchive(DigestTag) : m_mode(store), m_bDigestOnly(true) {}

void CArchive::RequireLoading() const {
  if (m_mode != load) throw std::logic_error("reading from a storing archive");
}

void CArchive::RequireStoring() const {
  if (m_mode != store) throw std::logic_error("writing to a loading archive");
}

QByteArray CArchive::Peek(qsizetype n) const {
  return m_in.mid(m_pos, n < 0 ? 0 : std::min(n, Remaining()));
}

void CArchive::Write(const void* data, qsizetype n) {
  RequireStoring();
  if (m_bDigestOnly) {
    DigestBytes(static_cast<const char*>(data), n);
    return;
  }
  m_out.append(static_cast<const char*>(data), n);
}

namespace {
// Up to eight bytes as one word; the sizes scalars come in are loaded
// whole, with no call.
std::uint64_t LoadWord(const char* data, qsizetype k) {
  std::uint64_t word = 0;
  switch (k) {
    case 8: std::memcpy(&word, data, 8); break;
    case 4: { std::uint32_t v; std::memcpy(&v, data, 4); word = v; break; }
    case 2: { std::uint16_t v; std::memcpy(&v, data, 2); word = v; break; }
    case 1: word = static_cast<unsigned char>(*data); break;
    default: std::memcpy(&word, data, static_cast<size_t>(k));
  }
  return word;
}
}  // namespace

void CArchive::DigestBytes(const char* data, qsizetype n) {
  // Eight bytes a step: a record costs about its length in multiplications.
  // A keyed hash called for each write cost far more than the few bytes
  // most writes bring.
  while (n > 0) {
    const qsizetype k = std::min<qsizetype>(n, 8);
    MixWord(LoadWord(data, k), k);
    data += k;
    n -= k;
  }
}

void CArchive::Read(void* data, qsizetype n) {
  RequireLoading();
  if (n < 0 || n > Remaining())
    Fail(ArchiveError::EndOfFile, std::to_string(n) + " bytes wanted, " +
                                      std::to_string(Remaining()) + " left");
  std::memcpy(data, m_in.constData() + m_pos, static_cast<size_t>(n));
  m_pos += n;
}

void CArchive::WriteCount(DWORD count) {
  if (count < 0xFFFF) {
    *this << static_cast<WORD>(count);
  } else {
    *this << static_cast<WORD>(0xFFFF) << count;
  }
}

DWORD CArchive::ReadCount(qsizetype minElementBytes) {
  DWORD count = ReadWord();
  if (count == 0xFFFF) count = ReadDword();
  if (minElementBytes > 0 && static_cast<qsizetype>(count) > Remaining() / minElementBytes)
    Fail(ArchiveError::BadData, "count " + std::to_string(count) + " exceeds the " +
                                    std::to_string(Remaining()) + " bytes left");
  return count;
}

void CArchive::WriteString(const QString& s) {
  const DWORD len = static_cast<DWORD>(s.size());
  *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFE);
  if (len < 0xFF) {
    *this << static_cast<BYTE>(len);
  } else if (len < 0xFFFE) {
    *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(len);
  } else {
    *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << len;
  }
  Write(s.utf16(), static_cast<qsizetype>(len) * 2);
}

QString CArchive::ReadString() {
  // Length prefix: BYTE, else FF + WORD, else FF FFFF + DWORD.  The WORD
  // 0xFFFE after the first FF marks a UTF-16 string whose length follows.
  bool wide = false;
  DWORD len = ReadByte();
  if (len == 0xFF) {
    len = ReadWord();
    if (len == 0xFFFE) {
      wide = true;
      len = ReadByte();
      if (len == 0xFF) {
        len = ReadWord();
        if (len == 0xFFFF) len = ReadDword();
      }
    } else if (len == 0xFFFF) {
      len = ReadDword();
    }
  }
  const qsizetype bytes = static_cast<qsizetype>(len) * (wide ? 2 : 1);
  if (bytes > Remaining())
    Fail(ArchiveError::EndOfFile, "string of " + std::to_string(len) + " characters exceeds the " +
                                      std::to_string(Remaining()) + " bytes left");
  const char* data = m_in.constData() + m_pos;
  m_pos += bytes;
  if (wide) {
    QString s(static_cast<qsizetype>(len), Qt::Uninitialized);
    std::memcpy(s.data(), data, static_cast<size_t>(bytes));
    return s;
  }
  return DecodeGbk(data, bytes);
}

void CArchive::WriteIndexTag(DWORD index, bool isClass) {
  if (index < kBigObjectTag) {
    *this << static_cast<WORD>(isClass ? (kClassTag | index) : index);
  } else {
    *this << kBigObjectTag << (isClass ? (kBigClassTag | index) : index);
  }
}

void CArchive::WriteObject(const CObject* object) {
  RequireStoring();
  if (!object) {
    *this << kNullTag;
    return;
  }
  if (auto it = m_storeMap.find(object); it != m_storeMap.end()) {
    WriteIndexTag(it->second, false);
    return;
  }
  const qsizetype begin = m_out.size();
  const CRuntimeClass* cls = object->GetRuntimeClass();
  if (auto it = m_storeMap.find(cls); it != m_storeMap.end()) {
    WriteIndexTag(it->second, true);
  } else {
    const qsizetype nameLength = static_cast<qsizetype>(std::strlen(cls->m_lpszClassName));
    *this << kNewClassTag << cls->m_wSchema << static_cast<WORD>(nameLength);
    Write(cls->m_lpszClassName, nameLength);
    m_storeMap.emplace(cls, m_nMapCount++);
  }
  m_storeMap.emplace(object, m_nMapCount++);
  // The record follows the tag; objects it writes take the next indices.
  const CObject* outer = std::exchange(m_writing, object);
  const_cast<CObject*>(object)->Serialize(*this);
  m_writing = outer;
  if (m_objectSpans) m_objectSpans->push_back({begin, m_out.size(), object});
}

// Reads a tag.  Returns the class of a new object, or null with *objectIndex
// set for a null object (0) or a back reference.
const CRuntimeClass* CArchive::ReadClassOrIndex(DWORD* objectIndex) {
  const WORD tag = ReadWord();
  DWORD obTag = (tag == kBigObjectTag)
                    ? ReadDword()
                    : (static_cast<DWORD>(tag & kClassTag) << 16) | (tag & ~kClassTag);
  if (!(obTag & kBigClassTag)) {
    if (obTag >= m_loadArray.size() || (obTag != 0 && !m_loadArray[obTag].object))
      Fail(ArchiveError::BadIndex, "object reference " + std::to_string(obTag));
    *objectIndex = obTag;
    return nullptr;
  }
  const CRuntimeClass* cls = nullptr;
  if (tag == kNewClassTag) {
    const WORD schema = ReadWord();
    const WORD nameLength = ReadWord();
    if (nameLength == 0 || nameLength > kMaxClassNameLength)
      Fail(ArchiveError::BadClass, "class name of length " + std::to_string(nameLength));
    std::string name(nameLength, '\0');
    Read(name.data(), nameLength);
    cls = ClassRegistry::FromName(name);
    if (!cls) Fail(ArchiveError::BadClass, "unknown class \"" + name + "\"");
    if (schema != cls->m_wSchema)
      Fail(ArchiveError::BadSchema, name + " schema " + std::to_string(schema));
    m_loadArray.push_back(LoadEntry{cls, nullptr});
  } else {
    const DWORD classIndex = obTag & ~kBigClassTag;
    if (classIndex == 0 || classIndex >= m_loadArray.size() || !m_loadArray[classIndex].cls)
      Fail(ArchiveError::BadIndex, "class reference " + std::to_string(classIndex));
    cls = m_loadArray[classIndex].cls;
  }
  return cls;
}

CObject* CArchive::ReadObject(const CRuntimeClass* expected, bool* isNew) {
  RequireLoading();
  *isNew = false;
  DWORD index = 0;
  const CRuntimeClass* cls = ReadClassOrIndex(&index);
  if (!cls) {
    CObject* existing = m_loadArray[index].object;
    if (existing && expected && !existing->IsKindOf(expected))
      Fail(ArchiveError::BadClass, std::string(existing->GetRuntimeClass()->m_lpszClassName) +
                                       " where " + expected->m_lpszClassName + " is expected");
    return existing;
  }
  if (expected && !cls->IsDerivedFrom(expected))
    Fail(ArchiveError::BadClass,
         std::string(cls->m_lpszClassName) + " where " + expected->m_lpszClassName + " is expected");
  if (m_depth >= kMaxObjectDepth) Fail(ArchiveError::BadData, "objects nested too deeply");
  std::unique_ptr<CObject> object(cls->CreateObject());
  if (!object) Fail(ArchiveError::BadClass, std::string(cls->m_lpszClassName) + " cannot be created");
  const size_t slot = m_loadArray.size();
  m_loadArray.push_back(LoadEntry{nullptr, object.get()});
  ++m_depth;
  try {
    object->Serialize(*this);
  } catch (...) {
    --m_depth;
    // The object and whatever it read are freed: never hand out pointers to them.
    for (size_t i = slot; i < m_loadArray.size(); ++i) m_loadArray[i].object = nullptr;
    throw;
  }
  --m_depth;
  *isNew = true;
  return object.release();
}

std::unique_ptr<CObject> CArchive::ReadOwnedObject(const CRuntimeClass* expected) {
  const qsizetype at = m_pos;
  bool isNew = false;
  CObject* object = ReadObject(expected, &isNew);
  if (object && !isNew)
    Fail(ArchiveError::BadData, "shared object reference at offset " + std::to_string(at));
  return std::unique_ptr<CObject>(object);
}
