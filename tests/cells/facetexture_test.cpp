// A face far longer than wide still spreads its picture over the unit square.
#include "celltestsupport.h"

namespace {

TEST_F(CellTest, ThinFacesUnfoldTheirTextureExactly) {
  const std::vector<float> square = {0, 0, 1, 0, 1, 1, 0, 1};
  const std::pair<std::vector<std::array<float, 3>>, std::vector<float>> cases[] = {
      {{{100, 200, 3}, {110, 200, 3}, {110, 200.01f, 3}, {100, 200.01f, 3}}, square},
      {{{0, 0, 0}, {0, 30, 0}, {0, 30, 0.1f}, {0, 0, 0.1f}}, square},
      {{{0, 0, 0}, {8, 0, 0}, {12, 0.02f, 0}, {4, 0.02f, 0}}, {0, 0, 2.0f / 3, 0, 1, 1, 1.0f / 3, 1}},
  };
  for (const auto& [corners, uv] : cases) {
    std::vector<WORD> ids;
    for (const auto& p : corners) ids.push_back(AddPoint(p[0], p[1], p[2])->m_nId);
    CGFace* face = AddFace(ids);
    face->RebuildTexCoords();
    for (size_t i = 0; i < uv.size(); ++i) EXPECT_NEAR(face->TexCoords[i], uv[i], 1e-3) << ids[0] << ": " << i;
  }
}

}  // namespace
