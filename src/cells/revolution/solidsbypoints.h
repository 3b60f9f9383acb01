// Round solids whose geometry follows parent points.  Each derives from the
// solid it is and adds only its recomputation and description; the fields,
// record, drawing and picking are its base's.  The parents are read in
// order and the first that is no defined point leaves the solid undefined;
// values written before it keep their new values.
#pragma once
#include <QString>

#include "cells/revolution/roundsolids.h"

// Centre C and north pole N.
class CGSphereCN : public CGSphere {
  DECLARE_SERIAL(CGSphereCN)

 public:
  CGSphereCN() = default;
  CGSphereCN(WORD id, WORD c, WORD n);
  void Recalculate() override;
  QString GetDescription() override;

 protected:
  std::size_t RecordParents() const override { return 2; }
};

// Base centre C, a point R of the base circle, top centre T.
class CGCylinderCPC : public CGCylinder {
  DECLARE_SERIAL(CGCylinderCPC)

 public:
  CGCylinderCPC() = default;
  CGCylinderCPC(WORD id, WORD c, WORD r, WORD t);
  void Recalculate() override;
  QString GetDescription() override;

 protected:
  std::size_t RecordParents() const override { return 3; }
};

// Base centre C, a point R of the base circle, apex V.
class CGConeCPV : public CGCone {
  DECLARE_SERIAL(CGConeCPV)

 public:
  CGConeCPV() = default;
  CGConeCPV(WORD id, WORD c, WORD r, WORD v);
  void Recalculate() override;
  QString GetDescription() override;

 protected:
  std::size_t RecordParents() const override { return 3; }
};

// Base centre C, R1 on the base circle, top centre T, R2 on the top circle.
// Undefined while the base radius is 0 or the ratio of the radii is no
// finite number, so that no such ratio is drawn or stored.
class CGFrustumCP2 : public CGFrustum {
  DECLARE_SERIAL(CGFrustumCP2)

 public:
  CGFrustumCP2() = default;
  CGFrustumCP2(WORD id, WORD c, WORD r1, WORD t, WORD r2);
  void Recalculate() override;
  QString GetDescription() override;

 protected:
  std::size_t RecordParents() const override { return 4; }
};
