// The '+' and '-' keys step the selection through the objects that lay
// under the last click of the select tool (the page keeps the smallest pick
// kind hit and the cells hit of that kind): the selected one gives way to
// the next (previous) one, which the next drag then moves.
#pragma once
#include <QString>

// Each returns the status text naming the object now selected; empty, and
// nothing changed, for labels, button handles and an empty hit list.  At
// the end of the walk the last object stays selected.
QString SelectNextObject();
QString SelectPreviousObject();
