// Captions: one line of text in the screen-space text layer (textlayer.h),
// a name optionally followed by " = " and a value text.
//
// CGTextmap is the caption itself.  Style 1 (m_nStyle) lays the caption
// out as bitmaps in display lists: the name is the VOD mark-up m_strVodName,
// drawn through a pair of lists the caption owns, and the value text in
// character lists of the text font.  Any other style draws the plain name
// m_strName and the value text as glyph textures.  m_bLabelHidden hides the
// name part.  m_strLabelLists holds the list names to call (derived, never
// stored); m_bLabelStale asks for it to be rebuilt before the next draw.
//
// CGTmSingleline is a plain single-line text that differs only in when it
// can be picked.  CGTmVariable is the base of every measured or calculated
// value: m_fValue the value (radians for angles), m_nParamA its kind (0
// number, 1 integer, 2 angle), m_fSize the precision step; it owns the rules
// that turn the value into the value text.
//
// What a measurement class relies on: its Recalculate computes m_fValue and
// m_bDefined, then calls UpdateValueText; its UpdateLabel, unless the name
// is fixed by the user, sets m_strName and m_strVodName from its parents and
// then calls CGTmVariable::UpdateLabel.  Kind, step and style are set by the
// creating command or the property dialog and only read here.
#pragma once
#include <QString>

#include "model/cgcell.h"
#include "render/glrelease.h"

class ValueTextBuffer;

class CGTextmap : public CGCell {
  DECLARE_SERIAL(CGTextmap)

 public:
  // Id 0, name "Text", the preference measurement colour, step 0.01, one
  // row, name shown, m_dwParam3 17, lists stale.  Measurement constructors
  // start from it and place the caption with CGPage::NextTextPosition.
  CGTextmap();

  // The common record, then the value text.  Loading fails (BadData) on an
  // anchor that is not a finite number; the lists are made again.
  void Serialize(CArchive& ar) override;

  // The last pass: the caption at its anchor, in the selection colour when
  // selected or under the mouse, else in m_rgbaColor.  Undefined captions
  // are drawn too (their value text says so); hidden ones, and every
  // caption of a page in its three-view layout, are not.
  void Draw() override;
  QString GetDescription() override;

  // Moves the caption by a mouse movement of (dx, dy) pixels (y down), its
  // anchor held over the view (KeepInView), and makes its place the page's
  // last text position, so the next new caption goes below it.
  virtual void DragBy(int dx, int dy);

  // The part shown after the name; for measurements the formatted value.
  // A recomputation may only note it due: read it through CurrentValueText.
  QString m_strValueText;
  // The value text, composed first when a recomputation left it due.
  const QString& CurrentValueText() {
    ComposeIfDue();
    return m_strValueText;
  }

 protected:
  // Rebuilds m_strLabelLists (a context must be current): style 1 with the
  // name shown, the framed mark-up of m_strVodName with `widthCode` (the
  // width of its frame's value box in 3.6 units) followed by the value
  // text's text-font lists, the row count updated from the mark-up's
  // height; otherwise the label-font lists of name + " = " (left out when
  // the name is empty or hidden) and the value text's text-font lists.
  void RebuildLists(int widthCode);
  // The value text's lists after the caption's own framed list, whose
  // compiled mark-up stays valid; false when there is none to reuse.
  bool ReuseFramedList();
  // Whether m_strLabelLists was built in the current context and is fresh.
  bool ListsCurrent() const;
  // Makes `text` the value text, written in place only when it changed; an
  // unchanged text keeps lists that are current.  Otherwise, with a context
  // current, the list names are made at once, from the character caches
  // and the caption's compiled mark-up; without one (loading, undo, a drag)
  // the lists are left stale for the next draw.
  void ShowValueText(QStringView text);
  // Lists made by the caller in the current context: `lists` becomes the
  // caption's list names, fresh.
  void AdoptLists(const QString& lists);
  // The load checks every caption shares: an anchor that is not a finite
  // number fails the load (BadData); the lists are made again.
  void CheckLoadedCaption();
  // The quad the caption is picked by: names (6, id), from the anchor
  // n W p wide and L r p high for n list names, W and L the text font's
  // character width and line height, r the rows (1 unless style 1).
  void PickCaption() const;
  // Width code of the mark-up frame this class draws with.
  int FrameWidthCode() const;
  bool ShowsName() const { return !m_bLabelHidden && !m_strName.isEmpty(); }
  // A drag recomputes every dependant at each mouse move, yet only the
  // captions drawn, picked or stored need their text: a recomputation of a
  // class that overrides ComposeValueText notes the text due, and the
  // first of those composes it.  Whatever sets m_strValueText outright
  // clears the note, so the last of the two still decides the text.
  void NoteValueTextDue() { m_bValueTextDue = true; }
  void ComposeIfDue() {
    if (!m_bValueTextDue) return;
    m_bValueTextDue = false;
    ComposeValueText();
  }
  virtual void ComposeValueText() {}
  bool m_bValueTextDue = false;

 private:
  CGlListBlock m_framedLists;     // the mark-up bitmap and its frame
  unsigned m_nListGeneration = 0; // context generation of m_strLabelLists
};

class CGTmSingleline : public CGTextmap {
  DECLARE_SERIAL(CGTmSingleline)

 public:
  // Defined captions, in pick modes above 2.
  void DrawForPick(int mode) override;
};

class CGTmVariable : public CGTextmap {
  DECLARE_SERIAL(CGTmVariable)

 public:
  // The value text alone (the name is drawn apart): "? " when undefined,
  // else the value in the chosen number format, angles in degrees with
  // "°"; in style 1 preceded by " =" (undefined: " = ? ").  The lists go
  // stale.
  void UpdateLabel() override;
  // Every pick mode but 2.
  void DrawForPick(int mode) override;

  // After every recomputation: notes the value text due.  When read, drawn,
  // picked or stored it is composed for how the caption shows (no " ="
  // without a shown name, and none outside style 1), without allocating,
  // then shown (ShowValueText).
  virtual void UpdateValueText() { NoteValueTextDue(); }
  // Whether the value shows in degrees: kind 2; angle measurements always.
  virtual bool ShowsDegrees() const { return m_nParamA == 2; }

  // The displayed value: "%.0f" within 1e-6 of a whole number, else after
  // the precision step; in degrees with "°" when ShowsDegrees.
  QString FormatValue() const;
  // The same number, in degrees or not as asked, added to `out`.
  void AddValue(ValueTextBuffer& out, bool degrees) const;
  // The value text with or without the " =" before it.
  QString ValueText(bool afterName) const;

 protected:
  void ComposeValueText() override;
};

// How many cells of the current page's m_selValues are CGTmVariable cells
// (vectors are not).
int CountSelectedVariables();
