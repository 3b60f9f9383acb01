// The property dialog of an iteration as data.  It holds the iteration by
// id and writes every change but the colour choice into the cell at once,
// redrawing the view, so that the user watches the figure follow; the
// caller writes the colour choice on OK.  Cancel undoes no live change.
#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/dialogprovider.h"
#include "platform/types.h"

class CGIterate;

class CDlgPropertyIterate : public CDialogDataOf<CDlgPropertyIterate> {
 public:
  static constexpr int kDepthLow = 0, kDepthHigh = 2000;
  // A stored depth beyond this shows as 0.
  static constexpr int kShownDepthLimit = 20000;
  // The hint is only given for depths below this.
  static constexpr int kHintedDepthLimit = 1001;
  static constexpr int kColourSource = 0, kColourLevels = 1, kColourOwn = 2;

  struct CObject {
    WORD id = 0;
    QString name;
    bool ticked = false;
  };

  // Reads the cell named by m_nIterate (the colour choice is the caller's).
  void Initialise();
  // The cell edited, none when it has gone.
  CGIterate* Cell() const;

  // The suggested largest depth (the cell's MaxDepth); -1 when there is
  // nothing to divide by (no map, or no cell in one copy).
  static int SuggestedDepth(const CGIterate& cell);

  // The live changes.
  void Tick(int row, bool ticked);
  // Stores the depth; a depth past the suggested one (and below 1001) is
  // first told with an information box.
  void SetDepth(int depth);
  void SetTableShown(bool on);
  void SetSolidLinesOnly(bool on);
  void SetAllLevels(bool on);
  void SetTableAcross(bool on);
  void SetName(const QString& name);

  WORD m_nIterate = 0;
  int m_nDepth = 1;
  int m_nColour = kColourSource;
  BOOL m_bTableAcross = 0;
  BOOL m_bTableShown = 0;
  BOOL m_bAllLevels = 0;
  BOOL m_bSolidLinesOnly = 0;
  bool m_bDepthFromParameter = false;
  QString m_strName;
  std::vector<CObject> m_objects;  // the cells of one copy
  QStringList m_rules;
};
