// Small storable classes for exercising the archive.
#pragma once
#include <memory>
#include <vector>

#include "platform/archive.h"

// Counts live instances so tests can prove a failed read frees everything.
struct LiveCount {
  static inline int live = 0;
  LiveCount() { ++live; }
  LiveCount(const LiveCount&) { ++live; }
  ~LiveCount() { --live; }
};

class CTestBase : public CObject, public LiveCount {
  DECLARE_SERIAL(CTestBase)
 public:
  void Serialize(CArchive& ar) override;
  DWORD value = 0;
};

class CTestDerived : public CTestBase {
  DECLARE_SERIAL(CTestDerived)
};

class CTestOther : public CObject, public LiveCount {
  DECLARE_SERIAL(CTestOther)
 public:
  void Serialize(CArchive& ar) override;
  QString text;
};

// Owns a list of children, as pages own cells.
class CTestContainer : public CObject, public LiveCount {
  DECLARE_SERIAL(CTestContainer)
 public:
  void Serialize(CArchive& ar) override;
  std::vector<std::unique_ptr<CObject>> children;
};

void RegisterArchiveTestClasses();
