#include "render/glcontext.h"

#include <GL/gl.h>

// Without a current context the dispatch layer answers every query with
// nothing, so the version string is absent exactly then.
bool GlContextCurrent() { return glGetString(GL_VERSION) != nullptr; }
