// The parametric surface: x(u, v), y(u, v), z(u, v) typed by the user in u,
// v and the values of its parents (measured values; parent k is "No" k),
// read in Cartesian, spherical or cylindrical form as the curve reads its
// expressions, over a rectangle whose four range ends are expressions in the
// parents' values.  Each recalculation samples it into a grid kept by the
// cell; the next draw compiles the grid into the cell's display list, as
// quad strips with normals and texture coordinates (render style 0 lit,
// 1 translucent) or as a wire grid (style 2).  The first option word holds
// the coordinate form, the second colour the colour of the back faces.
#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "math/funparser.h"
#include "math/parametricgrid.h"
#include "model/cgcell.h"
#include "render/glrelease.h"

inline constexpr BYTE kSurfaceLit = 0;
inline constexpr BYTE kSurfaceTranslucent = 1;
inline constexpr BYTE kSurfaceWire = 2;
// The alpha of a translucent surface's colour, and of any other.
inline constexpr BYTE kSurfaceTranslucentAlpha = 90;

class CGSurface : public CGCell {
  DECLARE_SERIAL(CGSurface)

 public:
  CGSurface() = default;
  // Over the value parents in order (the surface joins each one's child
  // list), with the seven expression texts, the render style, the texture
  // settings, the coordinate form, the two steps and the texture mapping;
  // recalculated, then coloured with the curve colour and a grey back.
  CGSurface(WORD id, const std::vector<WORD>& parents, const QString& x, const QString& y, const QString& z,
            const QString& u0, const QString& u1, const QString& v0, const QString& v1, BYTE style, int texture,
            int twoSided, int userTexture, int form, double uStep, double vStep, double texUScale,
            double texSecondCoef, double texUOffset, double texFourthCoef, double texVScale, double texVOffset);

  // The cell record, the seven expressions, the steps, the texture settings
  // and the six mapping coefficients.  Storing counts the texture pictures
  // used; loading clears the compiled state and the grid.
  void Serialize(CArchive& ar) override;
  // Compiles when needed, reads the parents (an undefined or missing one
  // makes the surface undefined) and tessellates.
  void Recalculate() override;
  QString GetDescription() override;
  void DrawVisibleEdges() override;
  void DrawLit() override;
  void DrawTranslucent() override;
  void DrawForPick(int mode) override;

  // The point at (u, v) in the coordinate form; an expression that does not
  // compile counts as 0.
  void EvaluatePoint(double out[3], double u, double v);
  // Evaluates the range and samples the grid, recomputing the texture
  // mapping unless it is the user's; the display list is recompiled at the
  // next draw.  False when a range end does not evaluate to a finite number
  // or a step is not a positive finite number.  It leaves the defined flag
  // alone: only Recalculate, which reads the parents first, sets it, so a
  // surface with an undefined parent stays undefined when the lighting
  // toggles tessellate it again from the values it read last.
  BOOL Tessellate();

  int Form() const { return m_nParamA; }
  bool IsShown() const { return !m_bHidden && m_bDefined; }
  TextureMapping Mapping() const { return {TexUScale, TexUOffset, TexVScale, TexVOffset}; }
  const ParametricGrid& Grid() const { return m_grid; }

  std::int32_t TextureIndex = 0;
  std::int32_t TwoSided = 0;
  std::int32_t RowCount = 0;
  std::int32_t ColumnCount = 0;
  QString XExpression, YExpression, ZExpression;
  QString UStartExpression, UEndExpression, VStartExpression, VEndExpression;
  CFunParser XParser, YParser, ZParser, UStartParser, UEndParser, VStartParser, VEndParser;
  double UStep = static_cast<double>(0.1f);
  double VStep = static_cast<double>(0.1f);
  bool Compiled = false;
  std::int32_t UserTexture = 0;
  double TexUScale = 0, TexSecondCoef = 0, TexFourthCoef = 0, TexVScale = 0, TexUOffset = 0, TexVOffset = 0;

 private:
  void Compile();
  // Copies the parents' values into the parsers; false at the first
  // undefined or missing parent.
  bool ReadParents();
  // The display list of the current grid, compiled now when the grid
  // changed; 0 when there is none to draw.
  GLuint List();
  void CompileGrid() const;
  void CompileShaded(bool textured) const;
  void CompileWire() const;
  // The texture of the picture to draw with, 0 for untextured drawing.
  GLuint Texture(int picture) const;
  // Front faces, then back faces after `beforeBack` set their colour or
  // texture.
  void DrawTwoSided(GLuint list, const std::function<void()>& beforeBack);

  ParametricGrid m_grid;
  CGlListBlock m_list;
  bool m_bListStale = true;
};

void RegisterSurfaceClasses();
