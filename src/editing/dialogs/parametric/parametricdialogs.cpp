#include "editing/dialogs/parametric/parametricdialogs.h"

#include "editing/dialogs/parametric/parametrictexts.h"
#include "platform/notifier.h"

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

std::array<QString, 3> Captions(const char* const (&table)[3][3], int system) {
  const int row = system >= 0 && system < 3 ? system : 0;
  return {Text(table[row][0]), Text(table[row][1]), Text(table[row][2])};
}
}  // namespace

bool EditExpressionText(const CExpressionVariables& variables, const char* caption, int mode, QString& text) {
  CDlgCalculator dialog = variables;
  dialog.m_strCaption = Text(caption);
  dialog.m_nMode = mode;
  dialog.m_strExpression = text;
  if (DialogProvider().DoModal(dialog) != IDOK) return false;
  text = dialog.m_strExpression;
  return true;
}

// --- Curve ----------------------------------------------------------------

std::array<QString, 3> CDlgCurve::AxisCaptions(int system) { return Captions(kTextCurveAxes, system); }

void CDlgCurve::ApplyExample(int row) {
  if (row < 0 || row >= kExampleCount) return;
  const CCurveExample& e = kCurveExamples[row];
  m_strX = ::Text(e.x), m_strY = ::Text(e.y), m_strZ = ::Text(e.z);
  m_strFrom = ::Text(e.from), m_strTo = ::Text(e.to);
  m_fStep = e.step;
  m_nSystem = e.system;
}

QString& CDlgCurve::Text(Expression which) {
  QString* const texts[] = {&m_strX, &m_strY, &m_strZ, &m_strFrom, &m_strTo, &m_strColour};
  return *texts[which];
}

bool CDlgCurve::EditExpression(Expression which) {
  if (which == kFrom || which == kTo)
    return EditExpressionText(m_variables, kTextEditRange, CDlgCalculator::CALCULATION, Text(which));
  return EditExpressionText(m_variables, which == kColour ? kTextEditColourFunction : kTextEditEquation,
                            CDlgCalculator::CURVE, Text(which));
}

// --- Surface --------------------------------------------------------------

CDlgSurface::CDlgSurface()
    : m_strX(::Text(kSurfaceDefaults[0])),
      m_strY(::Text(kSurfaceDefaults[1])),
      m_strZ(::Text(kSurfaceDefaults[2])),
      m_strUFrom(::Text(kSurfaceDefaults[3])),
      m_strUTo(::Text(kSurfaceDefaults[4])),
      m_strVFrom(::Text(kSurfaceDefaults[5])),
      m_strVTo(::Text(kSurfaceDefaults[6])) {}

std::array<QString, 3> CDlgSurface::AxisCaptions(int system) { return Captions(kTextSurfaceAxes, system); }

CDlgSurface::Controls CDlgSurface::ControlStates(int display, int texture, int mapping) {
  Controls c;
  if (display == kDisplayWire) return c;
  c.textureList = true;
  c.twoSided = display == kDisplayLit;
  c.mappingChoice = texture != 0;
  c.mappingEdits = texture != 0 && mapping == kMappingUser;
  return c;
}

void CDlgSurface::ApplyExample(int row) {
  if (row < 0 || row >= kExampleCount) return;
  const CSurfaceExample& e = kSurfaceExamples[row];
  m_strX = ::Text(e.x), m_strY = ::Text(e.y), m_strZ = ::Text(e.z);
  m_strUFrom = ::Text(e.uFrom), m_strUTo = ::Text(e.uTo);
  m_strVFrom = ::Text(e.vFrom), m_strVTo = ::Text(e.vTo);
  m_dUStep = e.uStep, m_dVStep = e.vStep;
  m_nTexture = e.texture;
  m_bTwoSided = e.twoSided;
  m_nSystem = e.system;
}

QString& CDlgSurface::Text(Expression which) {
  QString* const texts[] = {&m_strX, &m_strY, &m_strZ, &m_strUFrom, &m_strUTo, &m_strVFrom, &m_strVTo};
  return *texts[which];
}

bool CDlgSurface::EditExpression(Expression which) {
  if (which >= kUFrom) return EditExpressionText(m_variables, kTextEditRange, CDlgCalculator::CALCULATION, Text(which));
  return EditExpressionText(m_variables, kTextEditEquation, CDlgCalculator::SURFACE, Text(which));
}
