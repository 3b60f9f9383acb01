// Registers the formula layer's storable classes with the class registry.
#pragma once

void RegisterFormulaClasses();
