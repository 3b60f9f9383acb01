// The record of the points that keep one vector of their own (a direction,
// a normal, an offset): the point record, then the vector's three floats.
// The follower, the line points and the translated point with a stored
// offset all store it.
#pragma once
#include <cstddef>

class CArchive;
class CGVertex;

// Loading fails unless the record names exactly `parents` parents and the
// vector and the value field are numbers.
void SerializeVectorRecord(CArchive& ar, CGVertex& point, float v[3], size_t parents);
