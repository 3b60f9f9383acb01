// Registration of the storable cell classes, so that the archive can create
// them by name.
#pragma once

// Registers the line, face, circle, point, foot and round-solid classes;
// calling it again is harmless.
void RegisterCellClasses();
