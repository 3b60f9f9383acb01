#include "cells/dynamic/surfaces/surface.h"

#include <cmath>

#include "cells/dynamic/parameters/expressioncells.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/texts/cgtextmap.h"
#include "platform/archive.h"
#include "render/viewglobals.h"

IMPLEMENT_SERIAL(CGSurface, CGCell)

namespace {

constexpr const char* kTextSurfaceDescription = "自定义曲面：x=%s,y=%s,z=%s";
const RGBA kSurfaceBackColour{153, 153, 153, 255};

// The value of a range-end parser; false when it does not compile or is
// not finite.
bool RangeEnd(const CFunParser& parser, double& end) {
  end = 0;
  return parser.State() == kFunParsed && parser.Evaluate(end) && std::isfinite(end);
}

}  // namespace

CGSurface::CGSurface(WORD id, const std::vector<WORD>& parents, const QString& x, const QString& y, const QString& z,
                     const QString& u0, const QString& u1, const QString& v0, const QString& v1, BYTE style,
                     int texture, int twoSided, int userTexture, int form, double uStep, double vStep,
                     double texUScale, double texSecondCoef, double texUOffset, double texFourthCoef,
                     double texVScale, double texVOffset)
    : TextureIndex(texture),
      TwoSided(twoSided),
      XExpression(x),
      YExpression(y),
      ZExpression(z),
      UStartExpression(u0),
      UEndExpression(u1),
      VStartExpression(v0),
      VEndExpression(v1),
      UStep(uStep),
      VStep(vStep),
      UserTexture(userTexture),
      TexUScale(texUScale),
      TexSecondCoef(texSecondCoef),
      TexFourthCoef(texFourthCoef),
      TexVScale(texVScale),
      TexUOffset(texUOffset),
      TexVOffset(texVOffset) {
  m_nId = id;
  for (WORD parent : parents) AppendParent(*this, parent);
  m_nStyle = style;
  m_nParamA = form;
  Recalculate();
  m_rgbaColor = g_prefs.rgbaCurve;
  m_rgbaLabel = kSurfaceBackColour;
}

void CGSurface::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  QString* const texts[] = {&XExpression,      &YExpression,    &ZExpression,     &UStartExpression,
                            &UEndExpression,   &VStartExpression, &VEndExpression};
  double* const coefficients[] = {&TexUScale, &TexSecondCoef, &TexFourthCoef, &TexVScale, &TexUOffset, &TexVOffset};
  if (ar.IsStoring()) {
    for (const QString* text : texts) ar << *text;
    ar << UStep << VStep << TextureIndex << TwoSided << UserTexture;
    for (const double* c : coefficients) ar << *c;
    int* const uses = ar.Context().nPictureUseCount;
    if (TextureIndex >= 1 && TextureIndex <= 3) ++uses[TextureIndex - 1];
    if (TwoSided != 0 && (TextureIndex == 1 || TextureIndex == 2)) ++uses[2];
    return;
  }
  for (QString* text : texts) ar >> *text;
  ar >> UStep >> VStep >> TextureIndex >> TwoSided >> UserTexture;
  for (double* c : coefficients) ar >> *c;
  Compiled = false;
  RowCount = ColumnCount = 0;
  m_grid.Clear();
  m_bListStale = true;
}

QString CGSurface::GetDescription() {
  return FillFormat(kTextSurfaceDescription, "%s", {XExpression, YExpression, ZExpression});
}

void CGSurface::Compile() {
  const QString values = ValueVariableList(m_parents.size());
  for (auto [parser, text] : {std::pair{&UStartParser, &UStartExpression}, {&UEndParser, &UEndExpression},
                              {&VStartParser, &VStartExpression}, {&VEndParser, &VEndExpression}})
    CompileExpression(*parser, values, *text);
  const QString withUV = QStringLiteral("u,v,") + values;
  for (auto [parser, text] : {std::pair{&XParser, &XExpression}, {&YParser, &YExpression}, {&ZParser, &ZExpression}}) {
    CompileExpression(*parser, withUV, *text);
    parser->Values()[0] = 0;
    parser->Values()[1] = 0;
  }
  Compiled = true;
}

bool CGSurface::ReadParents() {
  const std::size_t n = m_parents.size();
  if (n > static_cast<std::size_t>(UStartParser.VariableCount())) return false;
  for (std::size_t k = 0; k < n; ++k) {
    const CGTextmap* parent = ValueParentOf(*this, k);
    if (!parent || !parent->m_bDefined) return false;
    const double value = parent->m_fValue;
    for (CFunParser* range : {&UStartParser, &UEndParser, &VStartParser, &VEndParser}) range->Values()[k] = value;
    for (CFunParser* coordinate : {&XParser, &YParser, &ZParser}) coordinate->Values()[k + 2] = value;
  }
  return true;
}

void CGSurface::Recalculate() {
  if (!Compiled) Compile();
  m_bDefined = ReadParents() && Tessellate();
}

void CGSurface::EvaluatePoint(double out[3], double u, double v) {
  double values[3];
  CFunParser* const parsers[] = {&XParser, &YParser, &ZParser};
  for (int i = 0; i < 3; ++i) {
    CFunParser& parser = *parsers[i];
    if (parser.VariableCount() >= 2) {
      parser.Values()[0] = u;
      parser.Values()[1] = v;
    }
    parser.Evaluate(values[i]);  // 0 without a tree
  }
  CombineCoordinateForm(Form(), values, out);
}

BOOL CGSurface::Tessellate() {
  GridRange range;
  if (!RangeEnd(VStartParser, range.vA) || !RangeEnd(VEndParser, range.vB) || !RangeEnd(UStartParser, range.uA) ||
      !RangeEnd(UEndParser, range.uB))
    return FALSE;
  range.rows = SurfaceSampleCount(range.vA, range.vB, VStep);
  range.columns = SurfaceSampleCount(range.uA, range.uB, UStep);
  if (range.rows < 2 || range.columns < 2) return FALSE;
  RowCount = range.rows;
  ColumnCount = range.columns;
  if (UserTexture == 0) {
    const TextureMapping m = RectangleMapping(range.uA, range.uB, range.vA, range.vB);
    TexUScale = m.uScale, TexUOffset = m.uOffset, TexVScale = m.vScale, TexVOffset = m.vOffset;
  }
  m_grid.Sample(range, [this](double u, double v, double out[3]) { EvaluatePoint(out, u, v); });
  m_bListStale = true;
  return TRUE;
}

void RegisterSurfaceClasses() { ClassRegistry::Register(RUNTIME_CLASS(CGSurface)); }
