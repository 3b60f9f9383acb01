// The undo labels and the message of the builds the merged tools make themselves.
#pragma once

inline constexpr char kCmdNameFollowerPoint[] = "添加三维随动点";
inline constexpr char kCmdNameMirrorPoint[] = "添加对称点";
inline constexpr char kCmdNameLevelSegment[] = "添加水平线段";
inline constexpr char kCmdNameOverlapFace[] = "添加重叠面";
inline constexpr char kTextOverlapCount[] = "重叠面顶点数要大于3且不大于两面顶点数之和！";
inline constexpr char kCmdNameSquareFrustum[] = "添加正四棱台";
