// Registration of the storable cell classes, so that the archive can create
// them by name.
#pragma once

// Registers the line, face, circle, point, foot, round-solid, caption and
// text-picture classes; calling it again is harmless.
void RegisterCellClasses();
