// User-visible texts of the media player, exactly as the program shows them.
#pragma once

// The open-file filter of the media command (name|patterns|... form).
inline constexpr const char* kFilterMedia = "媒体文件|*.mp3;*.rmvb;*.rm;*.jpg;*.mpeg;*.mpg;*.avi;*.wma;*.wmv;*.wav;*au;*.mid;*.midi;*.asf;*.wm;*.tta;*.dvr-ms;*.asx;*wax;*.m3u;*.wpl;*.swf|所有文件|*.*||";
// The page's media file is neither where it was nor beside the document (%s: the stored path).
inline constexpr const char* kTextMediaNotFound = "原来设定的影音文件:\n“ %s ”未找到，请重新选择！";
inline constexpr const char* kTextMediaOpening = "正在打开，请稍候！";
inline constexpr const char* kTextMediaKeys = "ESC：退出全屏或关闭影音;上下方向键：视频伸展;";
inline constexpr const char* kTextMediaCannotPlay = "不能播放此媒体！";
// 33510 switched the mouse to the player (video mode) or to the drawing (music mode).
inline constexpr const char* kTextVideoMode = "现在鼠标用以操作播放器（视频模式），按ESC键关闭播放器！";
inline constexpr const char* kTextMusicMode = "现在鼠标用以操作图形（音乐模式），按ESC键关闭播放器！";
// A click on the player in video mode: it plays a paused file, pauses a
// playing one, or asks for patience while the file is still opening.
inline constexpr const char* kTextMediaPlayingClick = "正在播放影音，单击暂停，“ESC”键关闭";
inline constexpr const char* kTextMediaPausedClick = "暂停播放，单击继续，“ESC”键关闭";
inline constexpr const char* kTextMediaStillOpening = "请稍等…，如不能播放，请按“影音播放”按钮打开另一文件！";
