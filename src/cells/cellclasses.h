// Registration of the storable cell classes, so that the archive can create
// them by name.
#pragma once

// Registers every cell class of this layer (each family's list in
// cellclasses.cpp); calling it again is harmless.
void RegisterCellClasses();
// The action buttons' part of it.
void RegisterButtonClasses();
