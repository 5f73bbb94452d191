#pragma once
// Simple interest on a capital between two dates, on a 365-day year.
#include <optional>
#include <string_view>

#include "finance/inflation.h"

namespace revtal {

inline constexpr int kDayBalMaxSpan = 10960;  // days, about 30 years
inline constexpr std::string_view kDayBalEndRangeMessage = "The date entered is more than 30 years(360 months) after ";
inline constexpr std::string_view kDayBalStartRangeMessage =
    "The date entered is more than 30 years(360 months) before ";
inline constexpr std::string_view kDayBalRangeTitle = "DATE OUT OF RANGE";
inline constexpr std::string_view kDayBalInvalidDateMessage = "The date entered is invalid please enter a valid date.";
inline constexpr std::string_view kDayBalInvalidDateTitle = "INVALID DATE";
inline constexpr std::string_view kDayBalRateMessage = "The maximum Interest Rate allowed is 40%";
inline constexpr std::string_view kDayBalRateTitle = "Incorrect Interest Rate!";

struct DailyBalanceInput {
    float capital = 0;  // DayBalCapital
    float rate = 0;     // DayBalRate, percent a year
    int start = 0;      // DayBalStart, day number
    int end = 0;        // DayBalEnd, day number
};

struct DailyBalanceResult {
    bool done = false;    // false: the figures do not fit the result fields; nothing is shown
    int days = 0;         // D
    float interest = 0;   // I, worked out in double and kept in single precision
    bool printable = false;  // interest and days both above 0
};

DailyBalanceResult accrueDailyBalance(const DailyBalanceInput& input);

struct DayRange {
    int first = 0;
    int last = 0;
};

// The end field's allowed dates once a start date (after day 0) is entered.
std::optional<DayRange> dayBalEndRange(int start);
// The start field's allowed dates once an end date (after day 0) is entered.
std::optional<DayRange> dayBalStartRange(int end);

// Steps the rate by `step` (DayBalRateStep); only a non-zero rate spins.
// Past 50 it starts again at one step; reaching 0 going down beeps and gives 50.
SpinResult spinDayBalRate(double rate, double step, SpinDirection direction);

struct DateSpinResult {
    bool changed = false;
    int shownEnd = 0;   // what the end field shows
    int storedEnd = 0;  // DayBalEnd: never before the start for the calculation
};

// Moves the end date a day; only with a start date entered.
DateSpinResult spinDayBalEnd(int start, int end, bool startEntered, SpinDirection direction);

}  // namespace revtal
