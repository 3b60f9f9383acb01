// The texts of the action buttons, exactly as the program shows them, and
// the program commands a command button may post.
#pragma once

#include "platform/commandids.h"

inline constexpr const char* kTextAnimationPointDescription = "点%s的动画按钮";
inline constexpr const char* kTextAnimationParameterDescription = "参数%s的动画按钮";
inline constexpr const char* kTextShowHideDescription = "显示隐藏对象的动作按钮";
// The toggle's caption says what the next click does.
inline constexpr const char* kTextShowHideHide = "隐藏";
inline constexpr const char* kTextShowHideShow = "显示";
inline constexpr const char* kTextLinkDescription = "链接按钮";
inline constexpr const char* kTextPageLinkDescription = "页链接按钮";
// Asked before a link starts a program, a script or a desktop launcher.
inline constexpr const char* kTextLinkAskRun = "链接按钮要运行程序或脚本：\n%1\n确实要运行它吗？";

inline constexpr const char* kTextMoveDescription = "点%s向点%s移动的动画按钮";
// Between the mover's and the target's names in a move button's caption.
inline constexpr const char* kTextMoveArrow = "→";

inline constexpr const char* kTextRotateDescription = "控制视图转动的动作按钮";
inline constexpr const char* kTextTranslateDescription = "控制视图平移的动作按钮";
inline constexpr const char* kTextScaleDescription = "控制视图缩放的动作按钮";
inline constexpr const char* kTextRotateCaption = "视转动";
inline constexpr const char* kTextTranslateCaption = "视平移";
inline constexpr const char* kTextScaleCaption = "视缩放";

struct ButtonCommand {
  unsigned id;
  const char* text;  // as the command button's dialog lists it
};

// The commands a command button offers and posts; it posts no other id.
inline constexpr ButtonCommand kButtonCommands[] = {
    {ID_VIEW_TSFM_RESET, "三维视图"},
    {kCmdFullScreenTaskbar, "进入全屏"},
    {kCmdRestoreFromFullScreen, "退出全屏"},
    {ID_VIEW_FULLSCREEN, "切换全屏状态"},
    {kCmdShowPanels, "显示面板及状态栏"},
    {kCmdHidePanels, "隐藏面板及状态栏"},
    {kCmdToggleFullScreenBar, "显隐全屏工具栏"},
    {ID_VIEW_PROJ_PERSPEC, "中心投影"},
    {ID_VIEW_PROJ_ID_ORTHO, "正投影"},
    {ID_VIEW_PROJ_ID_XIEERCE, "斜投影"},
    {ID_VIEW_PORT, "切换三视图"},
    {ID_VIEW_MEDIA, "播放影音"},
    {kCmdWaitForMedia, "等待播放结束"},
    {ID_VIEW_MEDIA_CLOSE, "关闭影音"},
    {kCmdVideoStretch, "视频拉伸"},
    {kCmdVideoRestore, "视频复原"},
    {ID_VIEW_GRID, "显隐坐标系"},
    {kCmdEraseTraces, "擦除踪迹"},
    {ID_VIEW_PAGEUP, "上一页"},
    {ID_VIEW_PAGEDOWN, "下一页"},
    {ID_FILE_OPEN, "打开"},
    {ID_FILE_SAVE, "保存"},
    {ID_APP_EXIT, "退出程序"},
    {ID_APP_ABOUT, "关于Kavrel"},
};
