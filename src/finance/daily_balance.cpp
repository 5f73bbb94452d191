#include "finance/daily_balance.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "shell/day_number.h"

namespace revtal {

DailyBalanceResult accrueDailyBalance(const DailyBalanceInput& input)
{
    DailyBalanceResult result;
    const std::int64_t days = std::int64_t{input.end} - std::int64_t{input.start};
    if (days < std::numeric_limits<int>::min() || days > std::numeric_limits<int>::max()) {
        result.refusal = kDayBalTooLargeReason;
        return result;
    }
    const double capital = input.capital;
    const double rate = input.rate;
    const double interest = capital * rate / 100 * static_cast<double>(days) / 365;
    if (!std::isfinite(interest) || std::fabs(interest) > std::numeric_limits<float>::max()) {
        result.refusal = kDayBalTooLargeReason;
        return result;
    }
    result.done = true;
    result.days = static_cast<int>(days);
    result.interest = static_cast<float>(interest);
    result.printable = result.interest > 0 && result.days > 0;
    return result;
}

DailyBalanceResult calculateDailyBalance(const DailyBalanceInput& input, int startFieldValue, int endFieldValue)
{
    if (startFieldValue == kEmptyDate || endFieldValue == kEmptyDate) {
        DailyBalanceResult refused;
        refused.refusal = kDayBalNeedsDatesReason;
        return refused;
    }
    return accrueDailyBalance(input);
}

bool dayBalDateShown(int storedDate)
{
    return storedDate >= kDayBalShownFrom;
}

std::optional<DayRange> dayBalEndRange(int start)
{
    if (!(start > 0)) {
        return std::nullopt;
    }
    return DayRange{start, start + kDayBalMaxSpan};
}

std::optional<DayRange> dayBalStartRange(int end)
{
    if (!(end > 0)) {
        return std::nullopt;
    }
    return DayRange{end - kDayBalMaxSpan, end - 1};
}

SpinResult spinDayBalRate(double rate, double step, SpinDirection direction)
{
    SpinResult result{false, rate, false};
    if (rate == 0) {
        return result;
    }
    result.changed = true;
    if (direction == SpinDirection::Up) {
        result.value = rate + step;
        if (result.value == 0) {
            result.beep = true;
        }
        if (result.value > 50) {
            result.value = step;
        }
    } else {
        result.value = rate - step;
        // Below 0 as well: a rate that is not on the step's grid would
        // otherwise spin into figures the field cannot hold.
        if (result.value <= 0) {
            result.beep = true;
            result.value = 50;
        }
    }
    return result;
}

DateSpinResult spinDayBalEnd(int start, int end, bool startEntered, SpinDirection direction)
{
    DateSpinResult result{false, end, end};
    if (!startEntered) {
        return result;
    }
    result.changed = true;
    if (direction == SpinDirection::Up) {
        result.shownEnd = end + 1;
        result.storedEnd = end + 1;
    } else {
        result.shownEnd = end - 1;
        result.storedEnd = result.shownEnd < start ? start : result.shownEnd;
    }
    return result;
}

} // namespace revtal
