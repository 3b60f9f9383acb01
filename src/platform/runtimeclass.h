// Run-time class information and creation by name.  Every storable object
// derives from CObject; the archive writes an object as its class name and
// recreates it on load through the registry below.
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/types.h"

class CObject;
class CArchive;

struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  WORD m_wSchema;
  CObject* (*m_pfnCreateObject)();
  const CRuntimeClass* m_pBaseClass;

  CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
  bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
 public:
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  virtual void Serialize(CArchive& ar);
  bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

  static const CRuntimeClass classCObject;
  static const CRuntimeClass* ThisClass() { return &classCObject; }

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

// In the class body.
#define DECLARE_SERIAL(cls)                                      \
 public:                                                         \
  static const CRuntimeClass class##cls;                         \
  static const CRuntimeClass* ThisClass() { return &class##cls; } \
  const CRuntimeClass* GetRuntimeClass() const override;         \
  static CObject* CreateObject();

// In one source file.  Registration is explicit (see RegisterClass), so that a
// class lives in the registry exactly when its layer's registration ran.
#define IMPLEMENT_SERIAL(cls, base)                                                        \
  CObject* cls::CreateObject() { return new cls; }                                         \
  const CRuntimeClass cls::class##cls = {#cls, static_cast<int>(sizeof(cls)), 1,           \
                                         &cls::CreateObject, RUNTIME_CLASS(base)};         \
  const CRuntimeClass* cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }

// The registry of storable classes, keyed by class name.
namespace ClassRegistry {
// Adds a class; registering the same class twice is harmless.  A different
// class under a name already taken is a programming error (asserts).
void Register(const CRuntimeClass* cls);
// The class registered under this exact name, or null.
const CRuntimeClass* FromName(std::string_view name);
// Every storable class name, in the program's registration order (179 names).
const std::vector<std::string_view>& StorableClassNames();
// Names of StorableClassNames() that have no registered class yet.
std::vector<std::string_view> MissingClassNames();
// Registered classes whose names are not in StorableClassNames() (should be none).
std::vector<std::string_view> UnlistedClassNames();
}  // namespace ClassRegistry
