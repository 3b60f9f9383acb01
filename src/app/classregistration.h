// Every storable class of the program, registered before any file is read.
#pragma once

// Registers the classes of every layer; calling it again is harmless.
void RegisterAllClasses();
