// The texts and material presets of the component dialog.
#pragma once

inline constexpr const char* kCaptionBody = "组件属性";
inline constexpr const char* kTextBodyKind = "图元类型";
inline constexpr const char* kTextBodyCentre = "中心";
inline constexpr const char* kTextBodyAxis = "Z轴方向";
inline constexpr const char* kTextBodyScale = "尺度";
inline constexpr const char* kTextBodyTurn = "转角";
inline constexpr const char* kTextBodyPlane1 = "1# 面";
inline constexpr const char* kTextBodyPlane2 = "2# 面";
inline constexpr const char* kTextBodyClip = "裁 剪";
inline constexpr const char* kTextBodyFont = "3D字体";
inline constexpr const char* kTextBodyDisplay = "显示方式";
inline constexpr const char* kTextBodyLit = "光照处理";
inline constexpr const char* kTextBodyWire = "线框模式";
inline constexpr const char* kTextBodyLabel = "标签，3D文字：";
inline constexpr const char* kTextBodyDefaultLabel = "3d文字";
inline constexpr const char* kTextBodyMaterial = "材质";
inline constexpr const char* kTextBodyColourMaterial = "颜色材质";
inline constexpr const char* kTextBodyOwnMaterial = "定义材质";
inline constexpr const char* kTextBodyMoreMaterial = "另定义";
inline constexpr const char* kTextBodyTexture = "外表面纹理";
inline constexpr const char* kTextBodyLock = "锁定拖移";

struct CMaterialPreset {
  const char* name;
  float ambient[3], diffuse[3], specular[3];
  float shininess;  // a share of 128
};
inline constexpr int kMaterialPresetCount = 25;
inline constexpr CMaterialPreset kMaterialPresets[kMaterialPresetCount] = {
    {"选择材质", {0.2f, 0.2f, 0.2f}, {0.8f, 0.8f, 0.8f}, {0.0f, 0.0f, 0.0f}, 0.0f},
    {"祖母绿", {0.0215f, 0.1745f, 0.0215f}, {0.07568f, 0.61424f, 0.07568f}, {0.633f, 0.727811f, 0.633f}, 0.6f},
    {"翡翠", {0.135f, 0.2225f, 0.1575f}, {0.54f, 0.89f, 0.63f}, {0.316228f, 0.316228f, 0.316228f}, 0.1f},
    {"黑曜石", {0.05375f, 0.05f, 0.06625f}, {0.18275f, 0.17f, 0.22525f}, {0.332741f, 0.328634f, 0.346435f}, 0.3f},
    {"珍珠", {0.25f, 0.20725f, 0.20725f}, {1.0f, 0.829f, 0.829f}, {0.296648f, 0.296648f, 0.296648f}, 0.088f},
    {"红宝石", {0.1745f, 0.01175f, 0.01175f}, {0.61424f, 0.04136f, 0.04136f}, {0.727811f, 0.626959f, 0.626959f}, 0.6f},
    {"绿松石", {0.1f, 0.18725f, 0.1745f}, {0.396f, 0.74151f, 0.69102f}, {0.297254f, 0.30829f, 0.306678f}, 0.1f},
    {"黄铜", {0.329412f, 0.223529f, 0.027451f}, {0.780392f, 0.568627f, 0.113725f}, {0.992157f, 0.941176f, 0.807843f}, 0.217949f},
    {"青铜", {0.2125f, 0.1275f, 0.054f}, {0.714f, 0.4284f, 0.18144f}, {0.393548f, 0.271906f, 0.166721f}, 0.2f},
    {"铬", {0.25f, 0.25f, 0.25f}, {0.4f, 0.4f, 0.4f}, {0.774597f, 0.774597f, 0.774597f}, 0.6f},
    {"红铜", {0.19125f, 0.0735f, 0.0225f}, {0.7038f, 0.27048f, 0.0828f}, {0.256777f, 0.137622f, 0.086014f}, 0.1f},
    {"黄金", {0.24725f, 0.1995f, 0.0745f}, {0.75164f, 0.60648f, 0.22648f}, {0.628281f, 0.555802f, 0.366065f}, 0.4f},
    {"白银", {0.19225f, 0.19225f, 0.19225f}, {0.50754f, 0.50754f, 0.50754f}, {0.508273f, 0.508273f, 0.508273f}, 0.4f},
    {"黑塑料", {0.0f, 0.0f, 0.0f}, {0.01f, 0.01f, 0.01f}, {0.5f, 0.5f, 0.5f}, 0.25f},
    {"青色塑料", {0.0f, 0.1f, 0.06f}, {0.0f, 0.509804f, 0.509804f}, {0.501961f, 0.501961f, 0.501961f}, 0.25f},
    {"绿塑料", {0.0f, 0.0f, 0.0f}, {0.1f, 0.35f, 0.1f}, {0.45f, 0.55f, 0.45f}, 0.25f},
    {"红塑料", {0.0f, 0.0f, 0.0f}, {0.5f, 0.0f, 0.0f}, {0.7f, 0.6f, 0.6f}, 0.25f},
    {"白塑料", {0.0f, 0.0f, 0.0f}, {0.55f, 0.55f, 0.55f}, {0.7f, 0.7f, 0.7f}, 0.25f},
    {"黄塑料", {0.0f, 0.0f, 0.0f}, {0.5f, 0.5f, 0.0f}, {0.6f, 0.6f, 0.5f}, 0.25f},
    {"黑橡胶", {0.02f, 0.02f, 0.02f}, {0.01f, 0.01f, 0.01f}, {0.4f, 0.4f, 0.4f}, 0.078125f},
    {"青色橡胶", {0.0f, 0.05f, 0.05f}, {0.4f, 0.5f, 0.5f}, {0.04f, 0.7f, 0.7f}, 0.078125f},
    {"绿橡胶", {0.0f, 0.05f, 0.0f}, {0.4f, 0.5f, 0.4f}, {0.04f, 0.7f, 0.04f}, 0.078125f},
    {"红橡胶", {0.05f, 0.0f, 0.0f}, {0.5f, 0.4f, 0.4f}, {0.7f, 0.04f, 0.04f}, 0.078125f},
    {"白橡胶", {0.05f, 0.05f, 0.05f}, {0.5f, 0.5f, 0.5f}, {0.7f, 0.7f, 0.7f}, 0.078125f},
    {"黄橡胶", {0.05f, 0.05f, 0.0f}, {0.5f, 0.5f, 0.4f}, {0.7f, 0.7f, 0.04f}, 0.078125f},
};
