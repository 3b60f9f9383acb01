// The printf format of a displayed value, from the value and the precision
// step of the cell that shows it (a value cell's m_fSize).
#pragma once
#include <QString>

// "%.0f" for a whole number (within 1e-6); otherwise by the step: above
// 1.001 "%.2f", above 0.999 "%.0f", above 0.0999 "%.1f", above 0.00999
// "%.2f", above 0.000999 "%.3f", above 9.99e-5 "%.4f", else "%.5f".
QString ChooseNumberFormat(float value, float step);
// The same choice as the number of decimals, 0 to 5.
int ChooseNumberDecimals(float value, float step);
