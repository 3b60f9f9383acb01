// Registration of the storable classes of the model layer, so that the
// archive can create them by name.
#pragma once

// Registers CGCell, CGVertex and CGPage; calling it again is harmless.
void RegisterModelClasses();
