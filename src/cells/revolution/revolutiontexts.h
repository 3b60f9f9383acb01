// User-visible texts of the solids of revolution, exactly as the program
// shows them.
#pragma once

// The kind words, which are also the solids' names.
inline constexpr const char* kTextSphereName = "球";
inline constexpr const char* kTextCylinderName = "圆柱";
inline constexpr const char* kTextConeName = "圆锥";
inline constexpr const char* kTextFrustumName = "圆台";

// Solids placed by their values; each %.4f takes one number.
inline constexpr const char* kTextSphereDescription = "以（%.4f，%.4f，%.4f）为球心，半径为%.4f.的球";
inline constexpr const char* kTextCylinderDescription = "底面半径%.4f，高%.4f.的圆柱";
inline constexpr const char* kTextConeDescription = "底面半径%.4f，高%.4f的圆锥";
inline constexpr const char* kTextFrustumDescription = "下底半径%.4f，上底半径%.4f，高%.4f.的圆台";

// Solids defined by points; each %s takes a parent point's name.
inline constexpr const char* kTextSphereCNDescription = "以%s为球心，北极点为%s的球";
inline constexpr const char* kTextCylinderCPCDescription = "以%s%s为轴，%s%s为底面半径的圆柱";
inline constexpr const char* kTextConeCPVDescription = "以%s为顶点，%s%s为底面半径的圆锥";
inline constexpr const char* kTextFrustumCP2Description = "以%s%s为轴，%s%s、%s%s为两底半径的圆台";
