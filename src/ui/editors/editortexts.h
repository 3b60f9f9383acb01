// Titles and labels of the light and material sheets, exactly as the program
// shows them.
#pragma once

// Sheet titles.
inline constexpr const char* kTextLightSheet = "灯光属性";
inline constexpr const char* kTextMaterialSheet = "材质属性";
// Page titles (string ids 33514, 33515, 33516, 33518) and the shininess page.
inline constexpr const char* kTextAmbientPage = "环境光";
inline constexpr const char* kTextDiffusePage = "散射光";
inline constexpr const char* kTextSpecularPage = "镜面光";
inline constexpr const char* kTextPositionPage = "光源位置";
inline constexpr const char* kTextShininessPage = "亮度";
inline constexpr const char* kTextShininessLabel = "亮度值";
inline constexpr const char* kTextShininessNote = "材质的亮度值可以从0到128";
// Labels of the position sliders.
inline constexpr const char* kPositionLabels[3] = {"X:", "Y:", "Z:"};
// Labels of the colour sliders.
inline constexpr const char* kColorLabels[3] = {"红:", "绿:", "蓝:"};
