// Texts of the printed sheets.
#pragma once

// Below the frame of every sheet.
inline constexpr const char* kTextPrintedPageNumber = "第 %d 页";
