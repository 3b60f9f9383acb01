// The script of a user tool as its script view shows it: the title, the
// comment, one line per input and the tree of the cells it builds, each
// with the cells it is built from below it.
#pragma once
#include <QString>
#include <QStringList>
#include <vector>

class CGCell;
class CRecord;

struct CToolScriptItem {
  QString text;  // "%3d. name----description"
  int icon = 0;  // index into the script view's strip of 18 icons
  std::vector<CToolScriptItem> parents;
};

struct CToolScript {
  QString title;    // the tool's name + "脚本"
  QString comment;
  QStringList inputs;  // "%d. name__comment"
  QString root;        // the tree's root: the tool's name, no icon
  std::vector<CToolScriptItem> cells;
};

CToolScript MakeToolScript(const CRecord& tool);
// The icon of a cell by its class, the first matching class of the strip's
// order deciding (17: any other class).
int ToolScriptIcon(const CGCell& cell);

// Where the script view puts its controls for a client size: the comment,
// the input list and the tree, each x, y, width, height.  False for sizes
// the view ignores (narrower than 30 or lower than 200).
struct CScriptViewLayout {
  int comment[4];
  int inputs[4];
  int tree[4];
};
bool LayOutScriptView(int width, int height, CScriptViewLayout& layout);
