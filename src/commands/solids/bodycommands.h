// The ready-made body commands: a body made from placed values, and the
// 3D text made at once.
#pragma once
#include <QString>
#include <functional>

#include "platform/types.h"

class CKavrelDoc;
class CGSubassembly;

// Where a body sits and how it is shown: the constructor's values after
// the id, in its order.
struct CBodyPlacement {
  BYTE kind = 0;
  BYTE style = 0;
  int materialMode = 0;
  int texture = 0;
  int dragLock = 0;
  float centre[3] = {0, 0, 0};
  float axis[3] = {0, 0, 1};
  float turn = 0;
  float scale[3] = {10, 10, 10};
  int clipMode = 0;
  double plane1[4] = {0, 0, 1, 0};
  double plane2[4] = {0, -1, 0, 0};
};

// The clip mode of the three checks: clipping off 0; else plane 1 only 1,
// plane 2 only 2, both 3, neither 0.
int ClipModeOf(bool clip, bool plane1, bool plane2);

// Makes one body with the next id, lets `finish` set what the constructor
// does not, and records it as one step named `label` (empty: "添加组件"
// and the body's name).  Null when there is no room for a cell.
CGSubassembly* AddBody(CKavrelDoc& doc, const CBodyPlacement& at, const std::function<void(CGSubassembly&)>& finish,
                       const QString& label = {});

// ID_CREATE_3DTEXT: the green "Kavrel" in 楷体, then the plane view.
void OnCreate3dText(CKavrelDoc& doc);
