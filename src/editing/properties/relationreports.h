// The relationship of one or two selected primitives, measured and shown in
// a message box instead of a dialog: a line stands for the straight line
// through its first two points, a face for the plane through its first
// three.  The cells are the heads of the current page's point, line and
// face lists (and the next entry where two of a kind are measured).
#pragma once

class CGPage;

enum class RelationReport { PointLine, PointPlane, PointPoint, LinePlane, LineLine, PlanePlane };

// Shows the report and returns true; returns false at once, showing
// nothing, when a cell it measures is undefined or missing (or a line or
// face lacks the points it stands on).
bool ShowRelationReport(RelationReport kind, const CGPage& page);
