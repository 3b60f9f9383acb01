// The user-visible texts of the restructuring edits.
#pragma once

inline constexpr const char* kTextArcOnCircleReverse = "圆上的弧要将其父圆反向";
inline constexpr const char* kTextReorganized = "整编完成，请保存后重新打开！";
inline constexpr const char* kTextBroughtIntoView = "当前文档中 %d个 越界对象已经调整入境，请全屏显示、拖动修改！";
inline constexpr const char* kTextNothingOutOfView = "当前文档中无越界对象，全屏显示或许可以看到！";
