#pragma once
// A present cost carried forward at a constant yearly inflation rate: what it
// will cost, and what the same amount will then buy in today's money.
#include <string_view>

namespace revtal {

inline constexpr double kInflationDisplayLimit = 9999999999; // larger future costs are not shown
inline constexpr std::string_view kInflationTooLargeText = "Amount too large to display";
inline constexpr std::string_view kInflationRateMessage = "The range of the Inflation Rate is between -5% and 40%";
inline constexpr std::string_view kInflationRateTitle = "Incorrect Inflation Rate!";
inline constexpr std::string_view kInflationPeriodMessage = "The maximum period allowed 40 years";
inline constexpr std::string_view kInflationPeriodTitle = "Incorrect Period!";

struct InflationInput {
    double presentCost = 0; // InflPresentCost, whole rand
    double period = 0;      // InflPeriod, whole years
    double rate = 0;        // InflRate, percent a year
};

struct InflationResult {
    double futureCost = 0;  // InflFutureCost
    double buyingPower = 0; // InflBuyingPower
    bool tooLarge = false;  // show "Amount too large to display" instead of the future cost
    bool printable = false; // a future cost above 0 and small enough to show
};

InflationResult projectInflation(const InflationInput& input);

enum class SpinDirection { Up, Down };

struct SpinResult {
    bool changed = false; // false: the spin does nothing but move the focus
    double value = 0;
    bool beep = false;
};

// Steps of 0.25 within -5 to 30, wrapping at both ends; beeps on reaching 0.
SpinResult spinInflationRate(double rate, SpinDirection direction);
// Steps of one year within 1 to 40, wrapping; nothing happens at a period of 0.
SpinResult spinInflationPeriod(double period, SpinDirection direction);

} // namespace revtal
