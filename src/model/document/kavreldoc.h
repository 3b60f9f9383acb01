// The program's one document: an ordered list of pages, the user tools
// stored with it and its own fields.  Its file also carries the display
// values fonts and sizes, the light and the three replaceable texture
// pictures, which are process-wide while the document is open.
//
// Opening reads the file into a separate document first: a file that turns
// out bad leaves the open document exactly as it was.
#pragma once
#include <QString>
#include <array>
#include <memory>
#include <stdexcept>
#include <vector>

#include "model/document/usertool.h"
#include "platform/commandids.h"
#include "platform/filebytes.h"
#include "platform/types.h"

class CArchive;
class CGCell;
class CGPage;
class IMenuOwner;


// The file header: two marks, the version, two reserved words.
inline constexpr WORD kDocumentMark1 = 0xFF01;
inline constexpr WORD kDocumentMark2 = 0x859B;
inline constexpr int kDocumentVersion = 420;

// A file this program cannot open, for a reason other than damaged records.
enum class DocumentFormatError { BadHeader, NewerVersion };
class CDocumentFormatException : public std::runtime_error {
 public:
  explicit CDocumentFormatException(DocumentFormatError cause);
  DocumentFormatError Cause() const { return m_cause; }

 private:
  DocumentFormatError m_cause;
};

// An item of the object list: nothing, a page (by page id) or a cell of the
// current page (by cell id).  Pages and cells have id ranges of their own,
// so the kind travels with the id.
enum class TreeItemKind { None, Page, Cell };

// What a click in the object list did, for the list to follow.
enum TreeClickResult : int {
  kTreeNothing = 0,
  kTreeSelectedAlone = 1,
  kTreeAddedToSelection = 2,
  kTreeRemovedFromSelection = 3,
  kTreeAlreadySo = 4,
  kTreeOtherPage = 5,
  kTreeSelectedAll = 7,
  kTreeSelectionCleared = 8,
};

// Fonts, sizes and light as a file stores them; applied to the display
// preferences when the document becomes the open one.
struct CDocumentLook {
  QString strLabelFont, strTextFont;
  std::int32_t nLabelFontHeight = 24, nTextFontHeight = 24;
  float fDefaultSize = 2.0f, fPointSize = 6.0f;
  std::array<float, 4> lightAmbient{}, lightDiffuse{}, lightSpecular{}, lightPosition{};
};

// A replaceable texture picture as a file stores it: flag 1 is the
// program's own picture, flag 0 carries the pixels (bottom-up BGR rows
// padded to 4 bytes).
struct CStoredPicture {
  BYTE flag = 1;
  int width = 0;
  int height = 0;
  std::vector<BYTE> pixels;
};

class CKavrelDoc {
 public:
  CKavrelDoc();
  CKavrelDoc(const CKavrelDoc&) = delete;
  CKavrelDoc& operator=(const CKavrelDoc&) = delete;
  ~CKavrelDoc();

  // --- Document life -----------------------------------------------------
  // Empties the document and gives it one page, with a fresh view.
  BOOL OnNewDocument();
  // Reads the file and, when all of it was good, makes it the open
  // document: path, pages recomputed, first page current, pictures.  A
  // file without the header is read in the older record layout when
  // `olderLayout` is set.  *needsSaving tells whether the opened document
  // must be marked modified (no header).  On failure, memory running out
  // anywhere on the way too, the loader's message was shown and this
  // document is unchanged.
  bool OnOpenDocument(const QString& path, bool olderLayout, bool* needsSaving = nullptr);
  // Writes the document to the file (replacing it only when all was written)
  // and takes the path; on failure shows a message and returns false.  The
  // bytes are first read back as opening reads them: a document the loader
  // would refuse is not written (the message names the object that holds
  // what cannot be read), so the file on disk stays one that opens.
  bool OnSaveDocument(const QString& path);
  // Storing writes the document file; loading reads one into this document
  // (emptied first) and makes it the open one.  Loading raises
  // CArchiveException or CDocumentFormatException on a bad file.
  void Serialize(CArchive& ar);
  // The loading half without any process-wide effect: the records into
  // this (empty) document.  `olderLayout` as for OnOpenDocument; returns
  // whether the file had no header.
  bool ReadRecords(CArchive& ar, bool olderLayout);
  // A document of an older version, once shown, has every page upgraded in
  // order and becomes a modified version-420 document, its current page's
  // view state shown anew.  Nothing for a current one.
  void UpgradePages();
  // The cells of the current page, or of every page, take the colours and
  // sizes of the display preferences and their pages its background; the
  // document is modified and the views redrawn.
  void ApplyColorScheme(bool currentOnly);
  // Every single-line text of every page is laid out anew at its next
  // drawing (after a change of fonts).
  void InvalidateTextLayouts();
  // Deletes tools and pages; no page is current afterwards.
  void DeleteContents();

  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
  const QString& GetPathName() const { return m_strPathName; }
  void SetPathName(const QString& path) { m_strPathName = path; }

  // --- Pages -------------------------------------------------------------
  // Makes a page current (nothing for null).
  void SwitchToPage(CGPage* page);
  void GotoPageById(WORD id, bool fromLink);
  void GotoNextPage();
  void GotoPrevPage();
  // The page with that id and its position counted from 1; null (position
  // = the number of pages) when there is none.
  CGPage* FindPageById(WORD id, int* position = nullptr) const;
  CGPage* CurrentPage() const;

  // A new empty page right after the current one (at the end when the
  // current page is not listed), named by its id, listed before the main
  // frame hears of it (0x80F), then current.  No undo step.  Null when the
  // page counter has no id left.
  CGPage* OnCreatePage();
  // Update rules: whether the command is enabled.
  // Removes the current page for good, its cells and history with it (no
  // undo): the next page becomes current, the previous one when it was the
  // last.  The only page gives way to an empty "第一页" with id 1.
  void DeleteCurrentPage();
  // Lists a page read from the clipboard right after the current one under
  // the next page id, names it after that id and shows it with every cell
  // recalculated.  No undo step.  False, nothing listed, when the page
  // counter has no id left.
  bool InsertPastedPage(std::unique_ptr<CGPage> page);
  bool OnUpdateViewPagedown() const;
  bool OnUpdateViewPageup() const;
  bool OnUpdateNeedSelection() const;

  // --- Commands ----------------------------------------------------------
  // Enters every row of the document command table (commandtable.h) in the
  // command registry with this document as owner, replacing its earlier
  // registration; a new or opened document does it, and the document
  // withdraws them when it goes.  The document also starts to hear of
  // clipboard changes (OnClipboardChanged).
  void RegisterCommands();
  int SelectFromTree(TreeItemKind kind, WORD id, BOOL fromCheckBox, BOOL checked);
  void OnParamIncrease() { StepParameter(+1); }
  void OnParamDecrease() { StepParameter(-1); }
  // Pastes into a page copied from start one step away from the copy, into
  // any other page at the copy's own place.
  void OnClipboardChanged();
  // The custom-tool menu lists this document's tools instead of the ones of
  // the document shown before; a tool of that document stops being current.
  void RefreshToolMenu();
  // Lists this document's tools in the custom-tool menu again, as they are
  // now named and commented; the current tool stays.
  void ListToolsInMenu();
  // A picture object of width x height pixels, centred on the origin and
  // shrunk to fit the view.
  void AddImageCell(int width, int height, std::vector<BYTE> pixels);
  // The same under another undo name, moved 40 pixels right and up per
  // paste step; false when nothing was added.
  bool AddImageCell(int width, int height, std::vector<BYTE> pixels, const QString& undoName, int pasteSteps);

  // --- Services of the object list ----------------------------------------
  // A page by its page id or a cell of the current page by its cell id (the
  // two ranges overlap, so the kind goes with the id).
  // The bare name; empty when there is no such page or cell.
  QString GetObjectName(TreeItemKind kind, WORD id) const;
  // A page's new name shows in the status bar when it is current; a cell's
  // name becomes fixed, and its label and its dependants' labels follow.
  // False when there is no such page or cell.
  bool RenameObject(TreeItemKind kind, WORD id, const QString& name);
  // Moves the current page n places towards the end (n > 0) or the front;
  // false, nothing moved, when the list ends first or n is 0.
  bool MovePage(int n);

  // --- Fields ------------------------------------------------------------
  std::vector<std::unique_ptr<CGPage>> m_pages;
  WORD m_nLastPageId = 1;
  CToolList m_tools;
  std::int32_t m_nVersion = kDocumentVersion;
  QString m_strAuthor;
  QString m_strDescription;
  std::int32_t m_nScreenWidth = 0;
  std::int32_t m_nScreenHeight = 0;
  BOOL m_bSaveVodPictures = 0;
  std::int32_t m_nReserved = 0;
  float m_fDocOption = 0;
  QString m_strDocOption;

  // Carries the Undo and Redo items the current page's history labels.
  IMenuOwner* m_pMenuOwner = nullptr;
  // The page's history labels the Undo and Redo items of m_pMenuOwner.
  void BindUndoMenu(CGPage& page) const;

 private:
  void StepParameter(int direction);
  // Deletes the tools; one of them that was the current tool stops being so.
  void ClearTools();
  // The contents of a document read by ReadRecords, taken over.
  void TakeContents(CKavrelDoc& from);
  // After the records: display values, recomputation, first page, pictures.
  void FinishLoading();
  // Takes the contents over and finishes loading them.  When memory runs
  // out on the way the contents that were open are put back in place and
  // std::bad_alloc goes on.
  void TakeLoaded(CKavrelDoc& incoming);
  // OnOpenDocument but for memory running out, which leaves it as
  // std::bad_alloc with this document unchanged.
  bool ReadAndTake(const QString& path, bool olderLayout, bool* needsSaving);
  void AppendFirstPage();
  // The screen size in pixels into m_nScreenWidth and m_nScreenHeight (kept
  // without a screen).
  void TakeScreenSize();
  void WriteLook(CArchive& ar) const;
  void ReadLook(CArchive& ar);
  void WritePictures(CArchive& ar) const;
  void ReadPictures(CArchive& ar);
  void ApplyPictures();

  bool m_bModified = false;
  QString m_strPathName;
  CDocumentLook m_look;                       // as read, until applied
  std::array<CStoredPicture, 3> m_pictures;   // as read, until applied
};

// The folder of the document path (up to and including its last separator),
// or "" for a path shorter than 5 characters or a separator only in front.
QString GetDocumentFolder();
// The name a new page takes from its number: "第一页" ... "第十页", then
// "第11页" ...
QString DefaultPageName(int number);
// Sets the text of one element of the main window's status bar.
void SetStatusBarText(const QString& text, int element);
// Ends a user tool left half applied on the page (leaving it, or choosing
// another tool): its finished cells become one undoable creation.  True
// when that made a step (the document is then modified).
bool EndPendingTool(CGPage& page);
// The page's auto-run button starts (the view is posted its cell command);
// an auto-run id that names no action button of the page is cleared.
void StartAutoRunButton(CGPage& page);
