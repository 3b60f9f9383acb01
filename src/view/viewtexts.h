// User-visible texts of the view, exactly as the program shows them.
#pragma once

// Captions of the three-view quadrants and the circle tool's hint, in the
// order the view keeps their list strings.
inline constexpr const char* kViewCaptions[5] = {"主视图", "左视图", "俯视图", "直观图", "左击或右击"};
// The background buffer could not be had at start or on growing the window.
inline constexpr const char* kTextBackgroundNoMemory = "内存不够!";
inline constexpr const char* kTextBackgroundNoMemoryResize = "内存不够,请保存后关闭程序重新启动!";

// Stepping through the objects under the last click: the status text of the
// object selected, mostly followed by its name.
inline constexpr const char* kTextStepPoint = "选择点";
inline constexpr const char* kTextStepLine = "选择线";
inline constexpr const char* kTextStepAny = "选择";
inline constexpr const char* kTextStepButton = "选择操作按钮";
inline constexpr const char* kTextStepVariable = "选择度量值变量";
inline constexpr const char* kTextStepSingleline = "选择E文本";
inline constexpr const char* kTextStepValueAtPoint = "选择附点的值文本";
inline constexpr const char* kTextStepVector = "选择向量坐标";
inline constexpr const char* kTextStepText = "选择文本";
inline constexpr const char* kTextStepIteration = "选择迭代图";
inline constexpr const char* kTextStepFace = "选择面";
inline constexpr const char* kTextStepSurface = "选择自定义曲面";
inline constexpr const char* kTextStepTrack = "选择图形的轨迹";
inline constexpr const char* kTextStepRoundSolid = "选择旋转体";
