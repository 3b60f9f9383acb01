// Documents as bytes and as files, for the tests that read them back.
#pragma once
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "model/document/kavreldoc.h"
#include "platform/archive.h"

// The document file's bytes, as saving writes them.
inline QByteArray DocumentBytes(CKavrelDoc& doc) {
  CArchive ar;
  doc.Serialize(ar);
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
