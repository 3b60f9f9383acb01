#include "cells/constrained/vectorrecord.h"

#include "model/cgvertex.h"
#include "platform/archive.h"

void SerializeVectorRecord(CArchive& ar, CGVertex& point, float v[3], size_t parents) {
  point.CGVertex::Serialize(ar);
  if (ar.IsStoring()) {
    ar << v[0] << v[1] << v[2];
    return;
  }
  ar >> v[0] >> v[1] >> v[2];
  point.CheckLoaded(ar, parents, {point.m_fValue, v[0], v[1], v[2]});
}
