#pragma once
// Dates as day numbers: days since 30 December 1899 (day 0).

namespace revtal {

struct CalendarDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    bool operator==(const CalendarDate&) const = default;
};

inline constexpr int kEmptyDate = -693959;  // what an empty date field holds
inline constexpr int kTaxYearStart = 43891;  // 01/03/2020
inline constexpr int kTaxYearEnd = 44255;    // 28/02/2021

bool isValidDate(int year, int month, int day);
// Valid for dates from 1 January 0001; the caller checks validity first.
int dayNumber(int year, int month, int day);
CalendarDate calendarDate(int dayNumber);

}  // namespace revtal
