#pragma once
// Money arithmetic and display shared by every calculator and report.
#include <string>

namespace revtal {

// Half to even, as the calculations and the fields round.
double roundHalfEven(double value);
double roundHalfEven(double value, int decimals);
// Towards minus infinity: the "cut" and "whole-number part" of the rules.
double cut(double value);

// Formats like the pattern "### ### ##0.00": grouping by spaces, the given
// number of decimals (rounded half to even), a leading minus. Non-finite
// values give an empty string; nothing shows NaN or infinity.
std::string formatNumber(double value, int decimals, bool group = true);

}  // namespace revtal
