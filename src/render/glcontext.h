// Whether OpenGL can be called now.  Cells recompute while a document loads
// or an undo runs, when no context is current; work that would make display
// lists or textures then waits for the next draw.
#pragma once

// True when this thread has a current OpenGL context.
bool GlContextCurrent();
