// Points on paths: lines, circles and arcs, curves, loci, polygon borders
// and composite paths cut into pieces in selection order.  One command
// places a point that follows a source (a selected value or path point) or
// sits at a parameter typed in a dialog; the other a draggable point on a
// face's border or on a composite path.  Each handler runs its own steps
// whatever its rule says: a selection they do not fit ends silently or
// with the command's message.
#pragma once

class CCmdUI;
class CKavrelDoc;

void OnCreatePointInobjFt(CKavrelDoc& doc);
void OnUpdateCreatePointInobjFt(CKavrelDoc& doc, CCmdUI& ui);
void OnCreatePointPath(CKavrelDoc& doc);
void OnUpdateCreatePointPath(CKavrelDoc& doc, CCmdUI& ui);
