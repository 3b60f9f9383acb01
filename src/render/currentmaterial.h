// The current material: what the material sheet edits and what a ready-made
// body takes when it is given a material of its own.
#pragma once
#include <array>

struct CMaterialValues {
  std::array<float, 4> ambient{0.2f, 0.2f, 0.2f, 1.0f};
  std::array<float, 4> diffuse{0.8f, 0.8f, 0.8f, 1.0f};
  std::array<float, 4> specular{0.2f, 0.2f, 0.2f, 1.0f};
  float shininess = 64.0f;  // 0 to 128
};

// Process-wide; ResetProcessState gives it the start values above.
extern CMaterialValues g_curMaterial;
