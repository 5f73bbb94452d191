#include "finance/inflation.h"

#include <cmath>

namespace revtal {

InflationResult projectInflation(const InflationInput& input)
{
    InflationResult result;
    double future = input.presentCost;
    double power = input.presentCost;
    const double r = input.rate;
    // A year at a time, as the figures have always been produced; the period
    // field keeps the count at 40 or below.
    const double years = std::isfinite(input.period) ? input.period : 0;
    for (int k = 1; k <= years && k <= 1000; ++k) {
        future = future + future * r / 100;
        power = power - power * r / (r + 100);
    }
    result.futureCost = future;
    result.buyingPower = power;
    result.tooLarge = !(future <= kInflationDisplayLimit);
    result.printable = future != 0 && !result.tooLarge;
    return result;
}

SpinResult spinInflationRate(double rate, SpinDirection direction)
{
    SpinResult result{true, rate, false};
    if (direction == SpinDirection::Up) {
        result.value = rate + 0.25;
        if (result.value == 0) {
            result.beep = true;
        }
        if (result.value > 30) {
            result.value = -5;
        }
    } else {
        result.value = rate - 0.25;
        if (result.value < -5) {
            result.value = 30;
        }
    }
    return result;
}

SpinResult spinInflationPeriod(double period, SpinDirection direction)
{
    SpinResult result{false, period, false};
    if (period == 0) {
        return result;
    }
    result.changed = true;
    if (direction == SpinDirection::Down) {
        result.value = period - 1;
        if (result.value == 0) {
            result.beep = true;
            result.value = 40;
        }
    } else {
        result.value = period + 1;
        if (result.value == 0) {
            result.beep = true;
        }
        if (result.value > 40) {
            result.value = 1;
        }
    }
    return result;
}

} // namespace revtal
