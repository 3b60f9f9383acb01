// The user-visible texts of an iteration.
#pragma once

inline constexpr const char* kTextIterationName = "迭代";
inline constexpr const char* kTextIterationDescription = "%d个对象的迭代图";
// The head of the level column of the value table.
inline constexpr const char* kTextIterationLevelHead = "n";
inline constexpr const char* kTextIterationDegrees = "°";
