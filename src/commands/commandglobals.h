// Process-wide state of the construction commands, with the values the
// program starts with; ResetProcessState() puts it back.
#pragma once

// The type of the last line command, which the merged line tool draws:
// 0 segment, 1 ray, 2 straight line, 3 vector (the CGLine kinds).
extern int g_nLineType;

// The vertex count the inscribed regular polygon used last, which its dialog
// offers next; 4 at start, never saved.
extern int g_nPlanePolyCount;
