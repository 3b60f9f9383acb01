// User-visible texts of the user-tool records, exactly as the program shows them.
#pragma once

// The comment of a new tool, until the user writes one.
inline constexpr const char* kTextToolCommentDefault = "请在\"工具属性\"中输入工具注释";
