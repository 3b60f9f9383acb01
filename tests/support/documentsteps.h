// Random edits of a document, as a user makes them, each followed by the
// check that what the program saves then opens again and reads true: the
// commands of the registry that a drawn selection enables (their dialogs
// answered with drawn, sometimes extreme, numbers), delete, undo, redo,
// copy and paste, 分离, 整编 and page switches; with all steps also what
// the user does in the view (support/viewsteps.h: buttons clicked and
// ticking, free points dragged, the construction tools' clicks) and names
// typed for cells; with the wide set more (StepSet).  One driver serves the
// seeded test and the fuzzing harness; only the source of the draws
// differs.
#pragma once
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CGPage;
class CKavrelDoc;

// A number below n (0 for n == 0).
using StepDraw = std::function<unsigned(unsigned n)>;

// The steps drawn: the edits alone, as the first runs drew them (a seed
// makes the same steps as it always did), all of them as they were first
// drawn, or the wide set: all steps and what reaches further, the
// preferences applied to the page or every page, the colour button, label
// colours and modes, drags of what lies in the screen layer, page changes
// inside an edit and outside any, 入境 and a paste into another page.
enum class StepSet { kEdits, kAll, kWide };

// What is wrong with the document, or empty: every id a cell or page holds
// (parents, children, the locus's hue values, page links, the automatic
// button, the transformation marks, the selection and running lists, names
// that write a parent short as #id — not a parent's name written in, which
// the user may have typed "#5") names an existing cell of a kind that may
// stand there, and parents and children list each other — read as the
// program reads a damaged file: a cell may name a parent that is missing
// (it keeps the cell), and an automatic button beyond the cell ids is
// none; and the document saves (as the program saves a file, reading it
// back first) into `folder`, opens from there as the program opens a file
// and saves to the same bytes.  The document stays as it was, its page
// current.
std::string DocumentFault(CKavrelDoc& doc, const QString& folder);

class DocumentSteps {
 public:
  // Installs a dialog provider answering from `draw` while it lives;
  // the one in force before comes back after.
  DocumentSteps(CKavrelDoc& doc, StepDraw draw, StepSet set = StepSet::kEdits);
  ~DocumentSteps();
  DocumentSteps(const DocumentSteps&) = delete;
  DocumentSteps& operator=(const DocumentSteps&) = delete;

  // Draws one edit and makes it; what was done, for the report.
  std::string Step();
  // DocumentFault, saving into a folder of the driver's own.
  std::string Fault();
  // Step() and then the checks: DocumentFault; the journal saw every
  // record the step changed or brought (support/journalcheck.h); cells
  // which kept their id (mapped through 整编's renumbering) and their
  // parents kept parents of the same kinds; a page's marks and automatic
  // button name the cell they named before, or none.  Empty when all holds.
  std::string StepAndCheck();

 private:
  // By id: the class, then each parent as "id kind".
  using Kinds = std::map<unsigned, std::vector<std::string>>;
  std::vector<Kinds> Snapshot() const;
  std::string KindsKept(const std::vector<Kinds>& before, bool renumbered) const;
  std::string HeldIdsKept();
  void DrawSelection();
  // The ids selected on the current page, as " [ 1 2 ]".
  static std::string Selected();
  std::string RunDrawnCommand();
  // A cell renamed as the object list renames it.
  std::string RenameDrawnCell();
  // The steps only the wide set draws, by a number below kWideSteps.
  std::string WideStep(unsigned kind);
  // A page of the document other than the current one, when there is one.
  CGPage* OtherPage();
  // A click in the object list on another page, in an edit of its own;
  // `around`, a drawn command before it and another after, in the same edit.
  std::string ClickPageInList(bool around);

  CKavrelDoc& m_doc;
  StepDraw m_draw;
  StepSet m_set;
  // The program's save syncs its file to the disk, which costs more than
  // a step: the checks save to /dev/shm, a file system in memory, where
  // there is one.
  QTemporaryDir m_saves;
  std::unique_ptr<class IDialogProvider> m_previousDialogs;
  class DrawnDialogs& m_dialogs;  // the provider in force while the driver lives
  std::unique_ptr<class ViewSteps> m_view;  // with all steps and the wide set
  std::unique_ptr<class JournalCheck> m_journal;
  bool m_bRenumbered = false;  // the last step was 整编
  bool m_bHistory = false;     // the last step was an undo or a redo
  struct Named {
    unsigned id;
    const class CGCell* cell;  // the cell last named; null: none yet
    std::string identity;      // its kind and name
  };
  std::map<std::string, Named> m_held;  // by page and holder
};

// The document a run starts from: 0 the every-class document (its model
// written in `folder`), 1 a small page of four points, two segments, a
// face and a chain of vector sums whose last names write their parent
// short; either as saved and opened again.
// RunDocumentSteps builds it and makes `steps` checked steps drawn from
// `seed`: empty when all held, else "step N (what was done: fault)".
void BuildStepsDocument(CKavrelDoc& doc, int start, const QString& folder);
std::string RunDocumentSteps(CKavrelDoc& doc, int start, std::uint32_t seed, int steps, const QString& folder,
                             StepSet set = StepSet::kEdits);
// The same from the document as it stands, an opened file for one.
std::string RunDocumentSteps(CKavrelDoc& doc, std::uint32_t seed, int steps, StepSet set = StepSet::kEdits);
