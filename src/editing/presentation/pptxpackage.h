// The zip package of a presentation, opened with libzip from its file (it
// reads the directory and the entries asked for, so a large video in the
// package costs nothing) or from bytes.  Every entry is checked before it
// is inflated: a size over 64 MB, or a declared inflation beyond 100 : 1 of
// its stored bytes, is refused, so a crafted package cannot make us
// allocate or spin.
#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

struct zip;
struct zip_source;
using zip_source_t = struct zip_source;

class CPptxPackage {
 public:
  static constexpr qint64 kMaxEntryBytes = 64LL * 1024 * 1024;
  static constexpr qint64 kMaxInflation = 100;
  static constexpr qint64 kMaxEntries = 100000;

  CPptxPackage();
  ~CPptxPackage();
  CPptxPackage(const CPptxPackage&) = delete;
  CPptxPackage& operator=(const CPptxPackage&) = delete;

  // False when the bytes are no zip archive we accept; Failure() says why.
  bool Open(const QByteArray& bytes);
  // The same for a file, of any size; what is no regular file is refused
  // at once.
  bool OpenFile(const QString& path);
  // The entry's bytes; false (Failure() set) when it is missing, too large,
  // too strongly compressed or damaged.
  bool Read(const QString& name, QByteArray* out);
  bool Has(const QString& name) const;
  const QString& Failure() const { return m_strFailure; }

 private:
  bool Fail(const QString& why);
  void Discard();
  // Opens the archive over the source, which it then owns.
  bool OpenSource(zip_source_t* source);

  QByteArray m_bytes;  // libzip reads from this buffer when opened from bytes
  zip* m_pZip = nullptr;
  QString m_strFailure;
};
