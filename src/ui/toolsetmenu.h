// The user tool sets of the Tools folder, listed under the ribbon's
// custom-tool button: a heading, then one sub-menu per set with one item
// per tool.  Sets and tools get actions of their own, outside the command
// ids, so any number of them fits.
#pragma once
#include <functional>
#include <vector>

#include "model/document/toolfolder.h"

class QMenu;

// Runs the user tool at this position of g_globalTools.
using UserToolRunner = std::function<void(int toolIndex)>;

// The picture index of the n-th set (counted from 0).
int ToolSetImage(int counter);

// Adds the sets to the menu; nothing (not even the heading) for none.
// Tool items are disabled while no runner is given.
void AddToolSets(QMenu& menu, const std::vector<CToolSet>& sets, const UserToolRunner& runner);
