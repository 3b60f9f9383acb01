// Cells between pages and between running copies of the program: the
// private clipboard record "CF_KAVREL" (a DWORD kind, then kind 1: one page
// record, kind 2: an id-to-cell map of the copied cells with everything they
// are constructed from, keys 0 .. n-1 ranking their ids), and the set of
// cells a deletion takes.
#pragma once
#include <QByteArray>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/types.h"

class CArchive;
class CGCell;
class CGPage;

inline constexpr const char* kClipboardFormat = "CF_KAVREL";
enum : DWORD { kClipboardPage = 1, kClipboardCells = 2 };

// The record of a page: kind 1 and the page when the page itself is
// selected, else kind 2 and the selected cells with all their ancestors.
QByteArray MakeClipboardRecord(CGPage& page);
// Puts the current page's record on the clipboard.
void CopySelectionToClipboard();

// The record this program last put on the clipboard names pages by their
// ids at the copy.  The document's pages were renumbered: `pageIds` takes
// every page id there was to its new one (a page missing from it is gone).
void RenumberCopiedPages(const std::map<WORD, WORD>& pageIds);
// The page links among the cells just read from `record` (those `cellAt`
// gives for 0 .. n-1) name the pages they named at the copy under the ids
// those pages have now (none, when a page is gone), if `record` is that
// last copy and pages were renumbered.  It allocates nothing, so it can run
// after pasted cells joined a page and before their undo step.
void FollowCopiedPages(const QByteArray& record, int n, const std::function<CGCell*(int)>& cellAt);

// Why a record pastes nothing: it is damaged or foreign, or the page has
// no ids left for its cells.
enum class PasteFailure { None, Damaged, NoRoom };

// Reads the cells of a kind 2 record (the archive stands after the kind)
// and adds them to the current page under its next ids, relinked, placed
// and recalculated; returns their number.  A record that is not a
// consistent set (no cell under a key, keys other than 0 .. n-1 in the
// order of the ids, a parent missing or not below its child, a record that
// does not fit its parents) or that needs more ids than the page has left
// returns -1 with the reason, and nothing has entered the page; so does
// memory running out, which counts as a damaged record.
int PasteFromClipboard(CArchive& ar, PasteFailure* failure);

// Appends, ascending, the ids of the current page's selected cells and of
// all their descendants.
void CollectDeleteIds(std::vector<WORD>& ids);
