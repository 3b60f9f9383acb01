#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>
#include <set>
#include <string>

#include "app/classregistration.h"
#include "model/cgpage.h"
#include "platform/runtimeclass.h"
#include "support/documentfiles.h"
#include "support/everyclass.h"
#include "support/recorders.h"

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

// The bytes that introduce a class the first time an archive writes it.
QByteArray NewClassTag(const std::string& name) {
  QByteArray tag = QByteArray::fromHex("ffff0100");
  tag.append(static_cast<char>(name.size() & 0xFF)).append(static_cast<char>(name.size() >> 8));
  return tag.append(name.data(), static_cast<qsizetype>(name.size()));
}

// The every-class document stores each storable class but the few that can
// never stand in a document; and, opened again, every cell it holds is
// defined, so that its tests exercise real computations.
TEST(ClassRegistration, TheEveryClassDocumentHoldsEveryStorableClass) {
  SeamRecorders seams;
  RegisterAllClasses();
  QTemporaryDir folder;
  CKavrelDoc doc;
  BuildEveryClassDocument(doc, folder.path());
  const QByteArray bytes = DocumentBytes(doc);
  const std::set<std::string> storable = StorableClassesInSources();
  for (const std::string& name : storable) {
    const bool excused = ClassesNoDocumentHolds().count(name) > 0;
    EXPECT_NE(bytes.contains(NewClassTag(name)), excused)
        << name << (excused ? " is stored, yet listed as never standing in a document" : " is not stored");
  }
  for (const auto& [name, why] : ClassesNoDocumentHolds()) EXPECT_TRUE(storable.count(name)) << name;

  const QString path = WriteTestFile(folder, QStringLiteral("every.kv"), bytes);
  CKavrelDoc opened;
  ASSERT_TRUE(opened.OnOpenDocument(path, true));
  EXPECT_TRUE(seams.notifier->shown.empty()) << seams.notifier->shown.front().text.toStdString();
  for (const auto& page : opened.m_pages)
    for (auto [id, cell] : page->m_cells)
      EXPECT_TRUE(cell->m_bDefined) << page->m_strName.toStdString() << " " << id << " "
                                    << cell->GetRuntimeClass()->m_lpszClassName << " is undefined";
}

}  // namespace
