#pragma once
// Simple interest on a capital between two dates, on a 365-day year.
#include <optional>
#include <string>
#include <string_view>

#include "finance/inflation.h"

namespace revtal {

inline constexpr int kDayBalMaxSpan = 10960; // days, about 30 years
inline constexpr std::string_view kDayBalEndRangeMessage = "The date entered is more than 30 years(360 months) after ";
inline constexpr std::string_view kDayBalStartRangeMessage =
    "The date entered is more than 30 years(360 months) before ";
inline constexpr std::string_view kDayBalRangeTitle = "DATE OUT OF RANGE";
inline constexpr std::string_view kDayBalInvalidDateMessage = "The date entered is invalid please enter a valid date.";
inline constexpr std::string_view kDayBalInvalidDateTitle = "INVALID DATE";
inline constexpr std::string_view kDayBalRateMessage = "The maximum Interest Rate allowed is 40%";
inline constexpr std::string_view kDayBalRateTitle = "Incorrect Interest Rate!";
inline constexpr int kDayBalShownFrom = -36520; // stored dates before this leave the field empty
inline constexpr std::string_view kDayBalNeedsDatesReason = "Enter a start date and an end date first.";
inline constexpr std::string_view kDayBalTooLargeReason = "The figures are too large to calculate.";

struct DailyBalanceInput {
    float capital = 0; // DayBalCapital
    float rate = 0;    // DayBalRate, percent a year
    int start = 0;     // DayBalStart, day number
    int end = 0;       // DayBalEnd, day number
};

struct DailyBalanceResult {
    bool done = false;      // false: the figures do not fit the result fields; nothing is shown
    std::string refusal;    // why, when not done
    int days = 0;           // D
    float interest = 0;     // I, worked out in double and kept in single precision
    bool printable = false; // interest and days both above 0
};

DailyBalanceResult accrueDailyBalance(const DailyBalanceInput& input);

// "&Calculate": the accrual, but only when both date fields hold a date
// (neither holds kEmptyDate); otherwise refused and nothing changes.
DailyBalanceResult calculateDailyBalance(const DailyBalanceInput& input, int startFieldValue, int endFieldValue);

// Activation shows a stored date only from day -36520 on, so the reset value
// leaves the field empty.
bool dayBalDateShown(int storedDate);

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
    int shownEnd = 0;  // what the end field shows
    int storedEnd = 0; // DayBalEnd: never before the start for the calculation
};

// Moves the end date a day; only with a start date entered.
DateSpinResult spinDayBalEnd(int start, int end, bool startEntered, SpinDirection direction);

} // namespace revtal
