// The style steps of the lit and translucency commands, one cell at a time.
#pragma once

class CGCell;

// Lit rendering: points 0/2 -> 4, 1/3 -> 5, 4 -> 0, 5 -> 1; lines, faces,
// arcs, round solids and surfaces between their plain and lit styles.  A
// cell leaving translucency becomes opaque; a surface re-tessellates.
void RenderLit(CGCell& cell);
// Translucency: faces, arcs, round solids and surfaces between their
// translucent style (alpha 90) and their lit one (alpha 255).
void RenderTranslucent(CGCell& cell);
