#pragma once
// Dates as the date fields show and read them: day/month/year, "01/03/2020".
#include <string>
#include <string_view>

namespace revtal {

enum class DateTextKind {
    Date,   // a calendar date
    Empty,  // nothing entered (blanks, the mask's "_" and separators only)
    Invalid // anything else: incomplete, malformed, or not in the calendar
};

struct DateText {
    DateTextKind kind = DateTextKind::Invalid;
    int dayNumber = 0; // days from 30/12/1899 when kind is Date

    bool isDate() const { return kind == DateTextKind::Date; }
};

// Reads "d/m/yyyy" (also with "-" or "." between the parts), and
// "yyyy-mm-dd" as pasted from elsewhere. "_" counts as a blank, as in the
// entry mask "__/__/____". The year has four digits; a two-digit year is not
// read, since its century would be a guess. The date must exist: no
// 31/04/2020, no 29/02/2021.
DateText readDateText(std::string_view text);

// "dd/mm/yyyy"; an empty string for a day number outside 0001 to 9999.
std::string formatDateText(int dayNumber);

} // namespace revtal
