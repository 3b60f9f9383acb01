#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <memory>
#include <set>
#include <string>

#include "app/classregistration.h"
#include "platform/runtimeclass.h"

namespace KAVREL_FILE_LOCAL {

// The classes the sources make storable (IMPLEMENT_SERIAL), whether or not
// anything registers them: each can end up in a saved file.
std::set<std::string> StorableClassesInSources() {
  std::set<std::string> names;
  const QRegularExpression declaration(QStringLiteral("^IMPLEMENT_SERIAL\\((\\w+),"),
                                       QRegularExpression::MultilineOption);
  QDirIterator files(QStringLiteral(KAVREL_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")}, QDir::Files,
                     QDirIterator::Subdirectories);
  while (files.hasNext()) {
    QFile file(files.next());
    if (!file.open(QIODevice::ReadOnly)) continue;
    auto matches = declaration.globalMatch(QString::fromUtf8(file.readAll()));
    while (matches.hasNext()) names.insert(matches.next().captured(1).toStdString());
  }
  return names;
}

TEST(ClassRegistration, EveryClassThatCanBeWrittenCanBeCreatedByName) {
  RegisterAllClasses();
  const std::set<std::string> storable = StorableClassesInSources();
  ASSERT_GE(storable.size(), 16u) << "the sources were not found";
  for (const std::string& name : storable) {
    const CRuntimeClass* cls = ClassRegistry::FromName(name);
    ASSERT_NE(cls, nullptr) << name << " is written but cannot be read";
    const std::unique_ptr<CObject> object(cls->CreateObject());
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(object->GetRuntimeClass(), cls) << name;
  }
  EXPECT_TRUE(ClassRegistry::UnlistedClassNames().empty());
}

}  // namespace
