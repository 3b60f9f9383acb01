// Documents as bytes and as files, for the tests that read them back.
#pragma once
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "platform/archive.h"
#include "platform/archivecollections.h"
#include "render/viewglobals.h"

// The document file's bytes, as saving writes them.
inline QByteArray DocumentBytes(CKavrelDoc& doc) {
  CArchive ar;
  doc.Serialize(ar);
  return ar.Bytes();
}

// A document of program `version` in the older record layout, which had
// no header: no user tools, the document fields, the display values and
// the light, the page records without the fields the newer layout added,
// the page id counter and the program's own three pictures.
inline QByteArray HeaderlessDocument(CKavrelDoc& source, std::int32_t version) {
  const CDisplayPrefs& p = g_prefs;
  CArchive ar;
  ar << WORD(0) << version << QStringLiteral("author") << QStringLiteral("text") << std::int32_t(1024)
     << std::int32_t(768) << std::int32_t(0) << std::int32_t(0) << 0.0f << QString();
  ar << p.strLabelFont << p.strTextFont << std::int32_t(24) << std::int32_t(24) << 2.0f << 6.0f;
  for (int i = 0; i < 4; ++i) ar << p.lightAmbient[i] << p.lightDiffuse[i] << p.lightSpecular[i] << p.lightPosition[i];
  ar.Context().bOlderLayout = true;
  std::vector<const CObject*> pages;
  for (const auto& page : source.m_pages) pages.push_back(page.get());
  WriteObList(ar, pages);
  ar << source.m_nLastPageId << BYTE(1) << BYTE(1) << BYTE(1);
  return ar.Bytes();
}

// Writes the bytes to a file of the folder; returns its path.
inline QString WriteTestFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
  const QString path = folder.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
  return path;
}

// What kvdump (built one folder above the test programs) lists for the
// file; a tool that does not finish or fails fails the test.
inline QString KvdumpListing(const QString& path) {
  QProcess dump;
  dump.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../kvdump")), {path});
  EXPECT_TRUE(dump.waitForFinished(30000)) << path.toStdString();
  EXPECT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
  return QString::fromUtf8(dump.readAllStandardOutput());
}
