// Registration of the storable classes of the model layer, so that the
// archive can create them by name.
#pragma once

// Registers CGCell, CGVertex, CGPage, CGButton and the user-tool records
// CCondition and CRecord; calling it again is harmless.
void RegisterModelClasses();
