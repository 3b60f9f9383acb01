// The caret path as integers, so the editor's undo records can put the
// caret back after the tree was rebuilt from its own mark-up.  Each node on
// the path writes a marker and its data, then its active child continues:
//   containers and structures: 1 and the active index (containers write 0
//     when nothing is active);
//   rows: 1 and the active child's index, 2 start 2 end for a range (then the
//     paths of the runs at its ends), or 3 and the caret gap;
//   boxes: 1 and the active row, or 2 first 2 last for lines (then the paths
//     of the first and last row), or 0;
//   runs: 3 and the caret, or 2 start 2 end.
// Reading checks every index against the tree it is applied to: a path from
// another tree, or a damaged one, fails instead of reaching past an end.
#include <algorithm>

#include "formula/boxnode.h"
#include "formula/editing/editingsupport.h"
#include "formula/rownode.h"
#include "formula/structurenodes.h"
#include "formula/vodmarkup.h"

namespace {
// Reads the next value; false when the path has run out.
bool Next(const std::vector<int>& path, std::size_t& position, int* value) {
  if (position >= path.size()) return false;
  *value = path[position++];
  return true;
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// Reads the "2 end" that follows "2 start"; the span must not run backwards.
bool ReadSpanEnd(const std::vector<int>& path, std::size_t& position, int start, int* end) {
  int marker;
  return Next(path, position, &marker) && marker != 0 && Next(path, position, end) && start <= *end;
}

// Writes "1 index" and the active child's path.
bool SaveActive(const CNode& node, int index, std::vector<int>& path) {
  path.push_back(1);
  path.push_back(index);
  node.m_pActive->SaveCaretPath(path);
  return true;
}
}  // namespace

bool CContainerNode::SaveCaretPath(std::vector<int>& path) const {
  if (!m_pActive) {
    path.push_back(0);
    return true;
  }
  return SaveActive(*this, std::max(FindChild(m_pActive), 0), path);
}

bool CContainerNode::RestoreCaretPath(const std::vector<int>& path, std::size_t& position) {
  int marker, index;
  if (!Next(path, position, &marker)) return false;
  if (marker == 0) {
    m_pActive = nullptr;
    return true;
  }
  if (marker != 1 || !Next(path, position, &index) || !InRange(index, 0, ChildCount() - 1)) return false;
  m_nCaret = index;
  m_pActive = ChildAt(index);
  m_bSelected = 0;
  return m_pActive->RestoreCaretPath(path, position);
}

namespace {
// A run whose text the writer has to spread over several run elements (a
// "</" inside, a leading "<" with attributes) reads back as several runs, and
// the path must count those: it is applied to the tree read back.
std::vector<TextRunPiece> PiecesOf(const CTextNode& run) {
  if (!run.m_strText.contains(u'<')) return {{0, run.m_strText.size(), false}};
  return TextRunPieces(run.WriteAttributes().size() == 1, run.m_strText);
}

// The index child `index` of a row has once the row is read back.
int WrittenIndex(const CRowNode& row, int index) {
  int written = index;
  for (int i = 0; i < index; ++i)
    if (auto* run = dynamic_cast<const CTextNode*>(row.ChildAt(i))) written += int(PiecesOf(*run).size()) - 1;
  return written;
}

// The piece holding a character position: the last one starting at or
// before it (a caret, a selection's start), or the first one reaching it (a
// selection's end).
int PieceOf(const std::vector<TextRunPiece>& pieces, int position, bool isEnd) {
  const int n = static_cast<int>(pieces.size());
  if (isEnd) {
    for (int p = 0; p < n; ++p)
      if (pieces[size_t(p)].start + pieces[size_t(p)].length >= position) return p;
    return n - 1;
  }
  for (int p = n - 1; p > 0; --p)
    if (pieces[size_t(p)].start <= position) return p;
  return 0;
}

// A run's caret or selection as the run read back from one piece of it has it.
void SavePiecePath(const CTextNode& run, const TextRunPiece& piece, std::vector<int>& path) {
  auto local = [&piece](int position) { return int(std::clamp<qsizetype>(position - piece.start, 0, piece.length)); };
  if (run.m_bSelected)
    path.insert(path.end(), {2, local(run.m_nSelStart), 2, local(run.m_nSelEnd)});
  else
    path.insert(path.end(), {3, local(run.m_nCaret)});
}

// The pieces of the run at `index` that a selection starts or ends in.
struct RunEnd {
  const CTextNode* run = nullptr;
  std::vector<TextRunPiece> pieces;
  int piece = 0;
};
RunEnd RunEndAt(const CRowNode& row, int index, bool isEnd) {
  RunEnd end;
  end.run = dynamic_cast<const CTextNode*>(row.ChildAt(index));
  if (!end.run) return end;
  end.pieces = PiecesOf(*end.run);
  if (!end.run->m_bSelected)
    end.piece = isEnd ? int(end.pieces.size()) - 1 : 0;
  else
    end.piece = PieceOf(end.pieces, isEnd ? end.run->m_nSelEnd : end.run->m_nSelStart, isEnd);
  return end;
}

// The caret or selection of the run at `index` of a row, which holds the caret.
void SaveRunPath(const CRowNode& row, int index, const CTextNode& run, std::vector<int>& path) {
  const std::vector<TextRunPiece> pieces = PiecesOf(run);
  const int first = PieceOf(pieces, run.m_bSelected ? run.m_nSelStart : run.m_nCaret, false);
  const int last = run.m_bSelected ? std::max(PieceOf(pieces, run.m_nSelEnd, true), first) : first;
  const int written = WrittenIndex(row, index);
  if (first == last) {
    path.insert(path.end(), {1, written + first});
  } else {
    // A selection over several pieces is a range of the runs read back.
    path.insert(path.end(), {2, written + first, 2, written + last + 1});
    SavePiecePath(run, pieces[size_t(first)], path);
  }
  SavePiecePath(run, pieces[size_t(last)], path);
}
}  // namespace

bool CRowNode::SaveCaretPath(std::vector<int>& path) const {
  if (auto* run = dynamic_cast<const CTextNode*>(m_pActive)) {
    SaveRunPath(*this, ActiveIndex(), *run, path);
    return true;
  }
  if (m_pActive) return SaveActive(*this, WrittenIndex(*this, ActiveIndex()), path);
  const int n = ChildCount();
  if (!m_bSelected) {
    path.insert(path.end(), {3, WrittenIndex(*this, std::clamp(m_nCaret, 0, n))});
    return true;
  }
  int start, end;
  if (!SelectedRange(&start, &end)) {
    const int at = WrittenIndex(*this, std::clamp(m_nSelStart, 0, n));
    path.insert(path.end(), {2, at, 2, at});
    return true;
  }
  const RunEnd first = RunEndAt(*this, start, false);
  RunEnd last = RunEndAt(*this, end - 1, true);
  if (end - 1 == start) last.piece = std::max(last.piece, first.piece);
  const int from = WrittenIndex(*this, start) + first.piece;
  const int to = WrittenIndex(*this, end - 1) + last.piece + 1;
  path.insert(path.end(), {2, from, 2, to});
  if (first.run) SavePiecePath(*first.run, first.pieces[size_t(first.piece)], path);
  if (to - 1 > from && last.run) SavePiecePath(*last.run, last.pieces[size_t(last.piece)], path);
  return true;
}

bool CRowNode::RestoreCaretPath(const std::vector<int>& path, std::size_t& position) {
  int marker, value;
  if (!Next(path, position, &marker) || !Next(path, position, &value)) return false;
  const int n = ChildCount();
  switch (marker) {
    case 1:
      if (!InRange(value, 0, n - 1)) return false;
      ActivateChild(value);
      return m_pActive->RestoreCaretPath(path, position);
    case 3:
      if (!InRange(value, 0, n)) return false;
      CaretToGap(value);
      return true;
    case 2: {
      const int start = value;
      int end;
      if (!ReadSpanEnd(path, position, start, &end) || !InRange(start, 0, n) || !InRange(end, 0, n)) return false;
      CaretToGap(end);
      m_bSelected = 1;
      m_nSelStart = start;
      m_nSelEnd = end;
      if (start < end && IsRun(ChildAt(start)) && !ChildAt(start)->RestoreCaretPath(path, position)) return false;
      return !(end - 1 > start && IsRun(ChildAt(end - 1))) || ChildAt(end - 1)->RestoreCaretPath(path, position);
    }
    default: return false;
  }
}

bool CBoxNode::SaveCaretPath(std::vector<int>& path) const {
  if (m_pActive) return SaveActive(*this, std::max(FindChild(m_pActive), 0), path);
  int first, last;
  if (!SelectedLines(&first, &last)) {
    path.push_back(0);
    return true;
  }
  path.insert(path.end(), {2, first, 2, last});
  ChildAt(first)->SaveCaretPath(path);
  if (last > first) ChildAt(last)->SaveCaretPath(path);
  return true;
}

namespace {
bool RestoreLines(CBoxNode& box, const std::vector<int>& path, std::size_t& position) {
  int marker, first, last;
  if (!Next(path, position, &marker)) return false;
  const int n = box.ChildCount();
  box.m_bSelected = 0;
  box.m_pActive = nullptr;
  if (marker == 0) return true;
  if (marker == 1) {
    if (!Next(path, position, &first) || !InRange(first, 0, n - 1)) return false;
    box.ActivateRow(first);
    return box.m_pActive->RestoreCaretPath(path, position);
  }
  if (marker != 2 || !Next(path, position, &first) || !ReadSpanEnd(path, position, first, &last) ||
      !InRange(first, 0, n - 1) || !InRange(last, 0, n - 1))
    return false;
  box.m_bSelected = 1;
  box.m_nSelStart = first;
  box.m_nSelEnd = last;
  box.m_nCaret = last;
  if (!box.ChildAt(first)->RestoreCaretPath(path, position)) return false;
  return last == first || box.ChildAt(last)->RestoreCaretPath(path, position);
}
}  // namespace

bool CBoxNode::RestoreCaretPath(const std::vector<int>& path, std::size_t& position) {
  if (RestoreLines(*this, path, position)) return true;
  if (!m_pParent) {
    // Whatever the path set on its way is dropped: the caret goes to the end.
    ClearCaretState(this);
    CaretToEnd();
  }
  return false;
}

bool CStandardNode::SaveCaretPath(std::vector<int>& path) const {
  if (!m_pActive) return false;
  return SaveActive(*this, m_pActive == m_pSecond ? 1 : 0, path);
}

bool CStandardNode::RestoreCaretPath(const std::vector<int>& path, std::size_t& position) {
  int marker, index;
  if (!Next(path, position, &marker)) return false;
  if (marker == 0) return true;
  if (!Next(path, position, &index) || marker != 1) return false;
  m_bSelected = 0;
  CNode* box = index == 0 ? m_pFirst : index == 1 ? m_pSecond : nullptr;
  if (!box) return false;
  m_nCaret = index;
  m_pActive = box;
  return box->RestoreCaretPath(path, position);
}

bool CTextNode::SaveCaretPath(std::vector<int>& path) const {
  if (m_bSelected)
    path.insert(path.end(), {2, m_nSelStart, 2, m_nSelEnd});
  else
    path.insert(path.end(), {3, m_nCaret});
  return true;
}

bool CTextNode::RestoreCaretPath(const std::vector<int>& path, std::size_t& position) {
  m_pActive = nullptr;
  int marker, value;
  if (!Next(path, position, &marker) || !Next(path, position, &value)) return false;
  if (marker == 3) {
    if (!InRange(value, 0, Length())) return false;
    m_nCaret = value;
    m_bSelected = 0;
    return true;
  }
  const int start = value;
  int end;
  if (marker != 2 || !ReadSpanEnd(path, position, start, &end) || !InRange(start, 0, Length()) ||
      !InRange(end, 0, Length()))
    return false;
  m_nSelStart = start;
  m_nSelEnd = m_nCaret = end;
  m_bSelected = 1;
  return true;
}
