#include "editing/presentation/pptxpackage.h"

#include <zip.h>

#include <QFile>

#include "platform/filebytes.h"

CPptxPackage::CPptxPackage() = default;

CPptxPackage::~CPptxPackage() { Discard(); }

void CPptxPackage::Discard() {
  if (m_pZip) zip_discard(m_pZip);
  m_pZip = nullptr;
}

bool CPptxPackage::Fail(const QString& why) {
  m_strFailure = why;
  return false;
}

bool CPptxPackage::OpenFile(const QString& path) {
  // libzip would wait on a pipe for a writer.
  const FileFailure failure = CheckReadableFile(path, kNoFileLimit);
  if (failure != FileFailure::None) return Fail(FileFailureReason(failure, false));
  Discard();
  m_bytes.clear();
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_file_create(QFile::encodeName(path).constData(), 0, -1, &error);
  zip_error_fini(&error);
  return OpenSource(source);
}

bool CPptxPackage::Open(const QByteArray& bytes) {
  Discard();
  m_bytes = bytes;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source =
      zip_source_buffer_create(m_bytes.constData(), static_cast<zip_uint64_t>(m_bytes.size()), 0, &error);
  zip_error_fini(&error);
  return OpenSource(source);
}

bool CPptxPackage::OpenSource(zip_source_t* source) {
  if (!source) return Fail(QStringLiteral("不是演示文稿文件"));
  zip_error_t error;
  zip_error_init(&error);
  m_pZip = zip_open_from_source(source, ZIP_RDONLY, &error);
  zip_error_fini(&error);
  if (!m_pZip) {
    zip_source_free(source);
    return Fail(QStringLiteral("不是演示文稿文件"));
  }
  const zip_int64_t entries = zip_get_num_entries(m_pZip, 0);
  if (entries <= 0) return Fail(QStringLiteral("不是演示文稿文件"));
  if (entries > kMaxEntries) return Fail(QStringLiteral("文件中的条目过多"));
  return true;
}

bool CPptxPackage::Has(const QString& name) const {
  return m_pZip && zip_name_locate(m_pZip, name.toUtf8().constData(), 0) >= 0;
}

bool CPptxPackage::Read(const QString& name, QByteArray* out) {
  out->clear();
  if (!m_pZip) return Fail(QStringLiteral("文件未打开"));
  const zip_int64_t index = zip_name_locate(m_pZip, name.toUtf8().constData(), 0);
  if (index < 0) return Fail(QStringLiteral("缺少部件 %1").arg(name));
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat_index(m_pZip, static_cast<zip_uint64_t>(index), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
      !(st.valid & ZIP_STAT_COMP_SIZE))
    return Fail(QStringLiteral("部件 %1 已损坏").arg(name));
  const auto size = static_cast<qint64>(st.size), stored = static_cast<qint64>(st.comp_size);
  if (st.size > static_cast<zip_uint64_t>(kMaxEntryBytes)) return Fail(QStringLiteral("部件 %1 过大").arg(name));
  if (size > kMaxInflation * std::max<qint64>(stored, 1)) return Fail(QStringLiteral("部件 %1 压缩比异常").arg(name));
  zip_file_t* file = zip_fopen_index(m_pZip, static_cast<zip_uint64_t>(index), 0);
  if (!file) return Fail(QStringLiteral("部件 %1 已损坏").arg(name));
  out->resize(size);
  // The declared size bounds the read: an entry that inflates to more (or
  // less) than it claims is damaged.
  const zip_int64_t got = size > 0 ? zip_fread(file, out->data(), static_cast<zip_uint64_t>(size)) : 0;
  char extra = 0;
  const zip_int64_t more = zip_fread(file, &extra, 1);
  zip_fclose(file);
  if (got != size || more != 0) {
    out->clear();
    return Fail(QStringLiteral("部件 %1 已损坏").arg(name));
  }
  return true;
}
