// The texts of the locus, track and trace dialogs, exactly as shown.
#pragma once

inline constexpr const char* kCaptionTrack = "形迹属性";
inline constexpr const char* kCaptionNewTrack = "构建图形轨迹";
inline constexpr const char* kTextTrackCells = "创建下列所选\n对象的形迹：";
inline constexpr const char* kTextDriverRange = "主动点参数范围：";
inline constexpr const char* kTextTwoParameters = "使用2个动态参数";
inline constexpr const char* kTextStep = "精度（参数增减步长）：";
inline constexpr const char* kTextTrackDisplay = "显示对象";
inline constexpr const char* kTextTrackSolid = "实线模式";
inline constexpr const char* kTextTrackAutoDashed = "虚实自动";
inline constexpr const char* kTextTrackAll = "全部显示";
inline constexpr const char* kTextTrackColour = "颜色";
inline constexpr const char* kTextOwnColours = "使用原形颜色";
inline constexpr const char* kTextTrackColours = "形迹自身颜色";
inline constexpr const char* kCaptionTrace = "追踪属性";
inline constexpr const char* kTextTracePointsAndLines = "本页内只追踪点与线，无消隐";
inline constexpr const char* kTextTraceAll = "可追踪所有对象，包含面、标签";
inline constexpr const char* kTextTraceNote = "以上改动重新追踪时生效";

// The locus dialog.
inline constexpr const char* kCaptionLocus = "轨迹属性";
inline constexpr const char* kTextDescription = "说明";
inline constexpr const char* kTextHideObject = "隐藏对象";
inline constexpr const char* kTextLabel = "标签：";
inline constexpr const char* kTextLocusDisplay = "显示方式";
inline constexpr const char* kTextBreakAt = "相邻样本点的距离达到此值时轨迹间断：";
inline constexpr const char* kTextFollow = "跟随";
inline constexpr const char* kTextSegmentColours = "分段着色";
inline constexpr const char* kTextColourIs = "颜色=";
inline constexpr const char* kTextLocusDisplays[4] = {"全实线", "全虚线", "仅实线", "自动虚实"};
