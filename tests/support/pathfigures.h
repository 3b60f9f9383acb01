// A command page with the paths the point-on-path commands work on:
// circles, curves, loci, ink, values, all in the plane z = 0.
#pragma once
#include <QString>

#include "cells/constructed/follower2d.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/texts/inkmarks.h"
#include "support/commandpage.h"

struct PathCommandPage : CommandPage {
  // The circle of radius r about (cx, 0, 0) through three new points.
  WORD Circle(float r = 3, float cx = 0) {
    const WORD a = Point(cx + r, 0, 0), b = Point(cx, r, 0), c = Point(cx - r, 0, 0);
    return Enter(new CGArcCircle3P(Page().m_nNextId++, a, b, c, kArcCircle));
  }
  // (t, y(t), 0) for t from t0 to t1.
  WORD Curve(const char* y = "sin(t)", const char* t0 = "-0.5", const char* t1 = "13") {
    return Enter(new CGCurve(Page().m_nNextId++, {}, "t", QString::fromUtf8(y), "0", QString::fromUtf8(t0),
                             QString::fromUtf8(t1), 0.1f, 0, 0, QString()));
  }
  // The circle of radius r about (cx, 0, 0) traced by a point that follows
  // a driver running once round it.
  WORD Locus(float r = 2, float cx = 0) {
    const WORD circle = Circle(r, cx);
    CGPage& page = Page();
    const WORD driver =
        Enter(new CGVerFreeInCircle(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), circle, 0.5f));
    const float* at = As<CGVertex>(driver)->m_vPos;
    const WORD traced = Enter(
        new CGVerFree2dHenchman(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), at[0], at[1], driver));
    return Enter(new CGLocus(page.m_nNextId++, driver, traced, 0.5f, 6.7831853f));
  }
  WORD Value(float v) { return Enter(new CGTmVarParameter(Page().m_nNextId++, QStringLiteral("v"), v)); }
  WORD Ink() {
    auto* ink = new CGInkmarks;
    ink->m_nId = Page().m_nNextId++;
    return Enter(ink);
  }
};
