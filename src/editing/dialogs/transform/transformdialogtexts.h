// Texts of the transformation dialogs, exactly as the program shows them.
#pragma once

inline constexpr const char* kTextTranslateCaption = "平移";
inline constexpr const char* kTextTranslateChoices[2] = {"标志向量", "固定向量"};

inline constexpr const char* kTextRotateCaption = "旋转";
inline constexpr const char* kTextRotateAxisBox = "旋转轴";
inline constexpr const char* kTextRotateAngleBox = "旋转角";
inline constexpr const char* kTextRotateAxisChoices[3] = {"标志轴", "固定轴（请输入轴向量及轴上一点的坐标）",
                                                          "由标志中心及向量（0，0，1）确定的轴"};
inline constexpr const char* kTextRotateAngleChoices[2] = {"标志角", "固定角"};
inline constexpr const char* kTextRotateDirectionLabels[3] = {"vx:", "vy:", "vz:"};
inline constexpr const char* kTextRotatePointLabels[3] = {"px:", "py:", "pz:"};
inline constexpr const char* kTextDegreesUnit = "度";

inline constexpr const char* kTextScaleCaption = "缩放";
inline constexpr const char* kTextScaleBox = "缩放因子";
inline constexpr const char* kTextScaleChoices[2] = {"标志比", "固定比"};

inline constexpr const char* kTextDeflectCaption = "对称";
inline constexpr const char* kTextDeflectChoices[4] = {"关于标志点", "关于标志轴", "关于标志面", "关于："};
// The fixed elements in list order.
inline constexpr const char* kTextReflectElements[7] = {"原点", "X轴", "Y轴", "Z轴", "YOZ面",
                                                        "XOZ面", "XOY面"};
