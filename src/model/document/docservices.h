// What the document needs of the layers above the model and of the window:
// each layer installs its part at start-up, and until it has, the document
// does without it.  Headless, the view always takes the focus.
#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/types.h"

class CGCell;

struct CDocumentServices {
  // Reads the preferences file again (every new document does).
  std::function<void()> reloadPreferences;
  // Steps the keyboard selection of the current page to the next (forward)
  // or previous object; returns the status text naming the selected object.
  std::function<QString(bool forward)> selectNextObject;
  // A picture cell under `id` named "Img" holding width x height pixels,
  // drawn at `scale` with its lower-left corner at (x, y) in world units.
  std::function<CGCell*(WORD id, int width, int height, std::vector<BYTE>&& pixels, float scale,
                        float x, float y)>
      createImageCell;
  // Closes the media player over the view and stops its polling timer: the
  // page whose file it played is gone.
  std::function<void()> closeMedia;
  // The merged tool of the ribbon (1 point, 2 line, 3 polygon, 4 circle,
  // 12 action button) builds from the selection; false when the selection
  // builds nothing, and the caller starts the interactive tool.
  std::function<bool(int kind)> buildFromSelection;
  // The document's user tools enter the ribbon's tool menu again (a
  // document is shown).
  std::function<void()> refreshToolMenu;
  // The pages of a document older than the current version are brought up
  // to date (a document is shown).
  std::function<void()> upgradePages;
  // Brings one cell's fields from a document of program version `version`
  // up to the current one (the cell classes know which of theirs changed).
  std::function<void(CGCell& cell, int version)> upgradeCell;
};
CDocumentServices& DocumentServices();

// An iteration whose depth the plus and minus keys step.
class IDepthStepping {
 public:
  virtual ~IDepthStepping() = default;
  // The largest depth that keeps the iterated copies within bounds.
  virtual int MaxDepth() const = 0;
  virtual int& Depth() = 0;
};

// The keyboard focus of the view.  A modal dialog keeps the focus, and page
// switches are refused while it does.
class IViewFocus {
 public:
  virtual ~IViewFocus() = default;
  // Gives the view the focus; false when it does not get it.
  virtual bool TakeFocus() = 0;
  virtual bool HasFocus() = 0;
};
IViewFocus& ViewFocus();
std::unique_ptr<IViewFocus> SetViewFocus(std::unique_ptr<IViewFocus> focus);
