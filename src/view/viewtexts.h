// User-visible texts of the view, exactly as the program shows them.
#pragma once

// Captions of the three-view quadrants and the circle tool's hint, in the
// order the view keeps their list strings.
inline constexpr const char* kViewCaptions[5] = {"主视图", "左视图", "俯视图", "直观图", "左击或右击"};
// The background buffer could not be had at start or on growing the window.
inline constexpr const char* kTextBackgroundNoMemory = "内存不够!";
inline constexpr const char* kTextBackgroundNoMemoryResize = "内存不够,请保存后关闭程序重新启动!";
