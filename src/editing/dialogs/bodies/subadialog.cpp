#include "editing/dialogs/bodies/subadialog.h"

#include <algorithm>
#include <initializer_list>

#include "cells/solids/bodies/cgsubassembly.h"
#include "platform/uibridge.h"
#include "render/currentmaterial.h"

namespace {

constexpr int kKindText = 0;
constexpr int kKindDodecahedron = 4;
constexpr float kDodecahedronScale = 6;
constexpr float kPresetShininessScale = 128;

template <class T, std::size_t N>
void Set(T (&field)[N], std::initializer_list<T> values) {
  std::copy(values.begin(), values.end(), field);
}

}  // namespace

void CCreateSubaDlg::ApplyOpeningRules() {
  if (!KindTakesTexture(m_nKind)) m_nTexture = 0;
}

void CCreateSubaDlg::ChooseKind(int kind) {
  m_nKind = kind;
  if (kind == kKindText) m_bClip = m_bPlane1 = m_bPlane2 = 0;
  if (!KindTakesTexture(kind)) m_nTexture = 0;
  m_strLabel = CGSubassembly::KindName(kind);
  Set(m_fCenter, {0.0f, 0.0f, 0.0f});
  Set(m_fAxis, {0.0f, 0.0f, 1.0f});
  Set(m_fScale, {10.0f, 10.0f, 10.0f});
  if (kind == kKindText) {
    Set(m_fCenter, {-12.0f, 0.0f, 0.0f});
    Set(m_fAxis, {0.0f, -1.0f, 1.0f});
  } else if (kind == kKindDodecahedron) {
    Set(m_fScale, {kDodecahedronScale, kDodecahedronScale, kDodecahedronScale});
  }
}

void CCreateSubaDlg::ChoosePreset(int preset) {
  if (preset < 0 || preset >= kMaterialPresetCount) return;
  m_nPreset = preset;
  const CMaterialPreset& row = kMaterialPresets[preset];
  for (int i = 0; i < 3; ++i) {
    g_curMaterial.ambient[std::size_t(i)] = row.ambient[i];
    g_curMaterial.diffuse[std::size_t(i)] = row.diffuse[i];
    g_curMaterial.specular[std::size_t(i)] = row.specular[i];
  }
  g_curMaterial.ambient[3] = g_curMaterial.diffuse[3] = g_curMaterial.specular[3] = 1;
  g_curMaterial.shininess = row.shininess * kPresetShininessScale;
  UiBridge().Post(UiTarget::View, WM_APPLY_MATERIAL, 0, 0);
}
