// Registration of the storable cell classes, so that the archive can create
// them by name.
#pragma once

// Registers CGLine and CGFace; calling it again is harmless.
void RegisterCellClasses();
