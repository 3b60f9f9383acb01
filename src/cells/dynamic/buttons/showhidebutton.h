// The show/hide button: shows, hides or toggles its targets (its parents,
// in order), or reveals them one per click and hides them all after the
// last.  The action is done within one tick.  Mode, toggle state and caption
// travel in the common record.
#pragma once
#include "model/cgbutton.h"

class CGButnSHide : public CGButton {
  DECLARE_SERIAL(CGButnSHide)

 public:
  // Modes, in the sub-kind byte.
  enum : BYTE { kShow = 0, kHide = 1, kToggle = 2, kReveal = 3 };

  // A toggle captioned "隐藏".
  CGButnSHide();
  // Over the current page's selection, in selection order (each target
  // takes the button as a child), at the page's next button position;
  // undefined when a target is.
  explicit CGButnSHide(WORD id);

  bool Step() override;
  QString GetDescription() override;

  // How many targets the next reveal has already shown.  The style byte
  // holds it up to 255; beyond that the count is kept here, so a cycle
  // over more targets still completes.
  int RevealIndex() const;
  void SetRevealIndex(int index);

 private:
  void HideAll(BOOL hidden);
  // Target (parent) i's hidden flag, noted as changed with the map.
  void SetHidden(size_t target, BOOL hidden);
  // The toggle's caption becomes `word`: the whole caption, or only its
  // first two characters when the user typed it (and it is longer).
  void SayNext(const char* word);

  int m_nRevealIndex = 0;
};
