// Thousands of damaged copies of a valid document, fed to the loader: each
// must load or fail with a typed error, quickly and without a huge
// allocation.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cstring>
#include <random>

#include "allocations.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "platform/archive.h"

namespace {
// Allocations through operator new above this size are counted while the
// loader runs; a document of a few kilobytes needs nothing near it.
constexpr std::size_t kHugeAllocation = std::size_t(64) << 20;
}  // namespace

namespace {

enum class Outcome { Loaded, ArchiveError, FormatError };

Outcome Load(const QByteArray& bytes) {
  CKavrelDoc doc;
  try {
    CArchive ar(bytes);
    ar.Context().bOlderLayout = true;  // as for a ".kv" file
    doc.Serialize(ar);
  } catch (const CArchiveException&) {
    return Outcome::ArchiveError;
  } catch (const CDocumentFormatException&) {
    return Outcome::FormatError;
  }
  return Outcome::Loaded;
}

class DocumentFuzzTest : public DocumentFileTest {};

TEST_F(DocumentFuzzTest, DamagedCopiesLoadOrFailWithATypedError) {
  QByteArray valid;
  {
    CKavrelDoc doc;
    BuildTwoPages(doc);
    valid = Bytes(doc);
  }
  ASSERT_EQ(Load(valid), Outcome::Loaded);

  std::mt19937 random(20240611);
  auto below = [&random](qsizetype n) { return static_cast<qsizetype>(random() % static_cast<unsigned>(n)); };
  const qsizetype size = valid.size();
  std::vector<QByteArray> copies;
  for (int i = 0; i < 3000; ++i) {  // flipped bits
    QByteArray copy = valid;
    for (int flips = 1 + below(4); flips > 0; --flips) copy[below(size)] ^= static_cast<char>(1 << below(8));
    copies.push_back(copy);
  }
  for (int i = 0; i < 1000; ++i) copies.push_back(valid.left(below(size)));  // truncated
  const DWORD inflated[] = {0xFFFF, 0xFFFE, 0x7FFF, 0x8000, 0xFFFFFFFF, 0x7FFFFFFF, 0x01000000, 0x10000};
  for (int i = 0; i < 3000; ++i) {  // counts, lengths and sizes inflated
    QByteArray copy = valid;
    const DWORD value = inflated[below(std::size(inflated))];
    const qsizetype at = below(size - 4);
    if (random() % 2) {
      const WORD word = static_cast<WORD>(value);
      std::memcpy(copy.data() + at, &word, sizeof word);
    } else {
      std::memcpy(copy.data() + at, &value, sizeof value);
    }
    copies.push_back(copy);
  }

  int counts[3] = {0, 0, 0};
  QElapsedTimer timer;
  timer.start();
  StartCountingAllocations(kHugeAllocation);
  for (const QByteArray& copy : copies) ++counts[static_cast<int>(Load(copy))];
  StopCountingAllocations();
  const qint64 elapsed = timer.elapsed();
  std::printf("%zu copies: %d loaded, %d archive errors, %d format errors, %lld ms\n", copies.size(),
              counts[0], counts[1], counts[2], static_cast<long long>(elapsed));
  EXPECT_EQ(HugeAllocations(), 0);
  EXPECT_GT(counts[1], 0);
  EXPECT_GT(counts[2], 0);
  EXPECT_LT(elapsed, 60000) << "no copy may take the loader long";
}

}  // namespace
