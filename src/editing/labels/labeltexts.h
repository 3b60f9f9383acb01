// The label command's question to a formula text, exactly as shown.
#pragma once

inline constexpr const char* kTextAskTextScaling = "改变自动缩放属性？";
inline constexpr const char* kCaptionAskTextScaling = "VOD文本属性修改";
