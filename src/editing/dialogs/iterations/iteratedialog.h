// The map dialog of a new iteration as data: its lists and the rules that
// assign one image to every pre-image, once per map.  The rules live here
// so that they run without a window; the widgets only show them and hand
// the clicks over.
#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/dialogprovider.h"
#include "platform/types.h"

// One entry of a drop-down list: the cell's name, the id as item data.
struct CIterateItem {
  WORD id = 0;
  QString name;
};

// The rule list of an iteration: per pre-image its name, then for each map
// "=>" and the image's name, or "=> " while unassigned.  maps[0] holds the
// pre-images; names are looked up on the current page.
QStringList IterationRules(const std::vector<std::vector<WORD>>& maps);

class CDlgIterate : public CDialogDataOf<CDlgIterate> {
 public:
  static constexpr int kSpinLow = 0, kSpinHigh = 1000;     // the up-down control
  static constexpr int kDepthLow = 0, kDepthHigh = 10000;  // what the edit accepts

  // Fills everything from the current page's selection: the pre-images
  // (points in selection order, then values), the candidate images, the
  // pre-image array and one empty map.  Leaves no cell marked.
  void Initialise();

  // The depth text after `steps` clicks of the up-down arrows: the typed
  // depth (else the stored one) held to the arrows' range, stepped, held
  // again; typing alone reaches beyond it.
  QString SteppedDepth(const QString& typed, int steps) const;

  bool MapComplete() const;
  QStringList Rules() const { return IterationRules(m_maps); }
  QStringList MapNames() const;
  // The map list's selected row.
  int MapRow() const { return m_nCurrentMap - 1; }

  // The user picks an image for the selected pre-image; false after a
  // refusal (warning box), with nothing changed.
  bool ChooseImage(int item);
  // The user picks map `row` of the map list; refused while the current map
  // is incomplete, and the current one stays selected.
  bool ChooseMap(int row);
  bool AddMap();
  bool DeleteMap();

  int m_nSources = 0;       // N
  int m_nPointSources = 0;  // P: pre-images 0 .. P - 1 are points
  int m_nCurrentMap = 1;    // position in m_maps
  std::vector<std::vector<WORD>> m_maps;  // the pre-images, then the maps
  std::vector<CIterateItem> m_sources;    // "原象"
  std::vector<CIterateItem> m_images;     // "映象"
  int m_nSource = 0;                      // selected pre-image
  int m_nImage = -1;                      // selected image, -1 none
  int m_nDepth = 3;
  bool m_bOkEnabled = false;
};
