// The sample documents the program ships in its Samples folder ("示例文档"
// opens there).  They are built through the model and written by the
// document's own saving code, so they always load in the program that
// ships them; tools/makesamples writes them and a test checks that the
// committed files are what it writes.
#pragma once
#include <QString>
#include <vector>

class CKavrelDoc;

struct CSampleDocument {
  const char* fileName;  // UTF-8
  void (*build)(CKavrelDoc& doc);
};

// The samples, in the order they are written.
const std::vector<CSampleDocument>& SampleDocuments();

// The picture the cube sample's right face wears (Images/Img4.jpg, the
// checkerboard).
inline constexpr int kSampleCubePicture = 4;

// Writes every sample into `folder` (which must exist), in order, as one
// session of the program would make them: the automatic face colours run on
// from one sample to the next, so the bytes depend on starting from the
// process state the program starts in.  False when one could not be
// written; *failed then names it.
bool WriteSampleDocuments(const QString& folder, QString* failed = nullptr);
