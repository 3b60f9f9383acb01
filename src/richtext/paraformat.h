// The paragraph format as the paragraph dialog "段落" edits it, in twips,
// and how the dialog shows it (centimetres, points, list entries).
#pragma once
#include <QTextBlockFormat>

#include "platform/dialogprovider.h"

class QTextBlock;
class QTextCursor;

struct ParaFormat {
  int alignment = 1;  // 1 left, 2 right, 3 centred
  // The first line starts at `start`, the others at start + offset.
  int start = 0, offset = 0, right = 0;
  int before = 0, after = 0;
  // 0 single, 1 one and a half, 2 double, 3 at least, 4 exactly (spacing in
  // twips), 5 multiple (spacing in twentieths of a line).
  int rule = 0, spacing = 0;
  // 0 none, 1 bullet, 2 1 2 3, 3 a b c, 4 A B C, 5 i ii iii, 6 I II III;
  // style 0x000 "1)", 0x100 "(1)", 0x200 "1.", 0x300 " 1".
  int numbering = 0, numberingStart = 1, numberingStyle = 0x200, numberingTab = 0;
};

// The dialog's data: the format of the selection's first paragraph in, the
// chosen format out.
class CFormatParaDlg : public CDialogDataOf<CFormatParaDlg> {
 public:
  ParaFormat m_pf;
};

ParaFormat ParaFormatOf(const QTextBlock& block);
// Applies to every paragraph of the cursor's selection.
void ApplyParaFormat(QTextCursor& cursor, const ParaFormat& pf);
// The twips measures on a block format, with Qt's margins in pixels.
void SetBlockTwips(QTextBlockFormat& f, int left, int right, int first, int before, int after, int spacing,
                   bool multiple);

// What the dialog shows and takes back.
struct ParaDialogValues {
  int alignment = 0;  // entry: 0 left, 1 right, 2 centred
  double firstCm = 0, leftCm = 0, rightCm = 0;
  int beforePt = 0, afterPt = 0;
  int spacingEntry = 0;  // 0 single ... 5 multiple
  double spacingValue = 0;
  int numberingKind = 0;  // 0 none ... 6, 7 "其它" (leave as it is)
  int styleIndex = 2;
  int start = 1;
  double tabCm = 0;
};

inline constexpr int kOtherNumbering = 7;

ParaDialogValues ShowParaFormat(const ParaFormat& pf);
// The format after OK, starting from the one the dialog was opened with.
ParaFormat TakeParaDialog(const ParaDialogValues& values, ParaFormat pf);
// The value proposed when a line-spacing entry is chosen (rules 3 to 5).
double ProposedSpacing(int entry);
