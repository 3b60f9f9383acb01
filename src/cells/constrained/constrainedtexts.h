// User-visible texts of the constrained and dependent points, exactly as the
// program shows them.  P is the point's own name, A, B, C its parents'.
#pragma once

// P, A, A, B: PA perpendicular to AB.
inline constexpr const char* kTextUpright = "%s%s⊥%s%s";
// P, A, A, B, P, A, A, B.
inline constexpr const char* kTextUprightEquid = "%s%s⊥%s%s，%s%s=%s%s";
// P, A, B.
inline constexpr const char* kTextEquilateral = "%s、%s、%s成等边";
// A, P, then the direction's three numbers.
inline constexpr const char* kTextParVector = "向量%s%s∥（%.4f,%.4f,%.4f）";
// P, A, B, C.
inline constexpr const char* kTextParVecPP = "%s%s∥%s%s";
// P, A, A, B, C.
inline constexpr const char* kTextPerpen = "%s%s⊥面%s%s%s";
// The leader's name.
inline constexpr const char* kTextFollower = "随点%s移动的自由点";
// The line's name.
inline constexpr const char* kTextMidpoint = "线段%s的中点";
// P, A, A, B, C, P, A, A, B.
inline constexpr const char* kTextPerpenEquid = "%s%s⊥面%s%s%s，%s%s=%s%s";
