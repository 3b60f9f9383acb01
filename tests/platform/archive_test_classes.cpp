#include "archive_test_classes.h"

#include "platform/archivecollections.h"

IMPLEMENT_SERIAL(CTestBase, CObject)
IMPLEMENT_SERIAL(CTestDerived, CTestBase)
IMPLEMENT_SERIAL(CTestOther, CObject)
IMPLEMENT_SERIAL(CTestContainer, CObject)

void CTestBase::Serialize(CArchive& ar) {
  if (ar.IsStoring())
    ar << value;
  else
    ar >> value;
}

void CTestOther::Serialize(CArchive& ar) {
  if (ar.IsStoring())
    ar << text;
  else
    ar >> text;
}

void CTestContainer::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    std::vector<const CObject*> raw;
    for (auto& child : children) raw.push_back(child.get());
    WriteObList(ar, raw);
  } else {
    children = ReadObList<CObject>(ar);
  }
}

void RegisterArchiveTestClasses() {
  ClassRegistry::Register(RUNTIME_CLASS(CTestBase));
  ClassRegistry::Register(RUNTIME_CLASS(CTestDerived));
  ClassRegistry::Register(RUNTIME_CLASS(CTestOther));
  ClassRegistry::Register(RUNTIME_CLASS(CTestContainer));
}
