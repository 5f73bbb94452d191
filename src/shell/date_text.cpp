#include "shell/date_text.h"

#include "shell/day_number.h"

#include <cstdio>
#include <vector>

namespace revtal {

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isBlank(char c)
{
    return c == ' ' || c == '_' || c == '\t' || c == '\r' || c == '\n';
}
bool isSeparator(char c)
{
    return c == '/' || c == '-' || c == '.';
}

int toInt(const std::string& digits)
{
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

const int kFirstDay = dayNumber(1, 1, 1);
const int kLastDay = dayNumber(9999, 12, 31);
} // namespace

DateText readDateText(std::string_view text)
{
    // Split into digit parts at separators; blanks only pad a part.
    std::vector<std::string> parts(1);
    std::vector<char> separators;
    bool anyDigit = false;
    for (char c : text) {
        if (isDigit(c)) {
            if (!parts.back().empty() && parts.back().back() == ' ')
                return {}; // digits on both sides of a blank: "1 2/03/2020"
            parts.back() += c;
            anyDigit = true;
        } else if (isBlank(c)) {
            if (!parts.back().empty())
                parts.back() += ' ';
        } else if (isSeparator(c)) {
            separators.push_back(c);
            parts.emplace_back();
        } else {
            return {};
        }
    }
    if (!anyDigit) {
        if (separators.size() <= 2)
            return {DateTextKind::Empty, 0};
        return {};
    }
    if (parts.size() != 3)
        return {};
    for (std::string& part : parts)
        while (!part.empty() && part.back() == ' ')
            part.pop_back();
    // One kind of separator: "01/03-2020" is a slip, not a date.
    if (separators[0] != separators[1])
        return {};

    int year = 0;
    int month = 0;
    int day = 0;
    if (parts[0].size() == 4 && separators[0] == '-') {
        if (parts[1].empty() || parts[1].size() > 2 || parts[2].empty() || parts[2].size() > 2)
            return {};
        year = toInt(parts[0]);
        month = toInt(parts[1]);
        day = toInt(parts[2]);
    } else {
        if (parts[0].empty() || parts[0].size() > 2 || parts[1].empty() || parts[1].size() > 2 || parts[2].size() != 4)
            return {};
        day = toInt(parts[0]);
        month = toInt(parts[1]);
        year = toInt(parts[2]);
    }
    if (!isValidDate(year, month, day))
        return {};
    return {DateTextKind::Date, dayNumber(year, month, day)};
}

std::string formatDateText(int number)
{
    if (number < kFirstDay || number > kLastDay)
        return {};
    const CalendarDate date = calendarDate(number);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date.day, date.month, date.year);
    return buffer;
}

} // namespace revtal
