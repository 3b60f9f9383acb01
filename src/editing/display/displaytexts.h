// The texts and colours of the display commands, exactly as shown.
#pragma once

#include "platform/types.h"

struct CPaletteColor {
  const char* text;  // the status text: English and Chinese names
  BYTE r, g, b;
};

// The sixteen named colours of commands 2000 to 2015, in id order.
inline constexpr CPaletteColor kPaletteColors[16] = {
    {"Red     红色", 255, 0, 0},
    {"Lime    鲜绿", 0, 255, 0},
    {"Blue    蓝色", 0, 0, 255},
    {"Aqua    青绿", 0, 255, 255},
    {"Fuchsia 粉红", 255, 0, 255},
    {"Yellow  黄色", 255, 255, 0},
    {"Maroon  深红", 128, 0, 0},
    {"Green   绿色", 0, 128, 0},
    {"Navy    深蓝", 0, 0, 128},
    {"Teal    蓝绿", 0, 128, 128},
    {"Purple  紫色", 128, 0, 128},
    {"Olive   深黄", 128, 128, 0},
    {"Black   黑色", 0, 0, 0},
    {"Gray    灰色", 128, 128, 128},
    {"Silver  银灰", 192, 192, 192},
    {"White   白色", 255, 255, 255},
};

inline constexpr const char* kTextHideLabels = "隐藏标签";
inline constexpr const char* kTextShowLabels = "显示标签";
inline constexpr const char* kTextStopTrace = "取消追踪";
inline constexpr const char* kTextStartTrace = "追踪对象";
inline constexpr const char* kFormatOpacity = "不透明度：%d%%";
