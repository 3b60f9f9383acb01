// The zip package of a presentation, read whole into memory and opened
// with libzip.  Every entry is checked before it is inflated: a size over
// 64 MB, or a declared inflation beyond 100 : 1 of its stored bytes, is
// refused, so a crafted package cannot make us allocate or spin.
#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

struct zip;

class CPptxPackage {
 public:
  static constexpr qint64 kMaxEntryBytes = 64LL * 1024 * 1024;
  static constexpr qint64 kMaxInflation = 100;
  static constexpr qint64 kMaxPackageBytes = 512LL * 1024 * 1024;
  static constexpr qint64 kMaxEntries = 100000;

  CPptxPackage();
  ~CPptxPackage();
  CPptxPackage(const CPptxPackage&) = delete;
  CPptxPackage& operator=(const CPptxPackage&) = delete;

  // False when the bytes are no zip archive we accept; Failure() says why.
  bool Open(const QByteArray& bytes);
  bool OpenFile(const QString& path);
  // The entry's bytes; false (Failure() set) when it is missing, too large,
  // too strongly compressed or damaged.
  bool Read(const QString& name, QByteArray* out);
  bool Has(const QString& name) const;
  const QString& Failure() const { return m_strFailure; }

 private:
  bool Fail(const QString& why);

  QByteArray m_bytes;  // libzip reads from this buffer
  zip* m_pZip = nullptr;
  QString m_strFailure;
};
