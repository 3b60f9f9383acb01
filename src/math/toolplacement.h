// Small placement rules of the merged construction tools.
#pragma once

// The offset at which a follower is dropped beside its leader, from four
// random numbers (0 to 32767) in the order drawn: 2 to 5 units along +x;
// the second number picks +y or -y, the third gives 2 to 5 units that way;
// -3 to 3 units along z.
void ScatterOffset(const int r[4], float d[3]);

// Whether the first three corners of a face lie at one height (within
// 0.0001): a face lying level.
bool IsLevel(const float a[3], const float b[3], const float c[3]);
