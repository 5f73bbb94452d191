#include "shell/date_text.h"

#include "shell/day_number.h"

#include <gtest/gtest.h>

namespace revtal {
namespace {

TEST(DateText, reads_day_month_year_and_pasted_iso_dates)
{
    const struct {
        const char* text;
        int dayNumber;
    } cases[] = {
        {"01/03/2020", kTaxYearStart}, {"28/02/2021", kTaxYearEnd},
        {"1/3/2020", kTaxYearStart},   {"01-03-2020", kTaxYearStart},
        {"01.03.2020", kTaxYearStart}, {" 01/03/2020 ", kTaxYearStart},
        {"2020-03-01", kTaxYearStart}, {"1_/3_/2020", kTaxYearStart},
        {"29/02/2020", 43890},         {"30/12/1899", 0},
        {"01/01/1800", -36522},        {"31/12/9999", 2958465},
        {"01/01/0001", -693593},
    };
    for (const auto& c : cases) {
        const DateText read = readDateText(c.text);
        ASSERT_TRUE(read.isDate()) << c.text;
        EXPECT_EQ(read.dayNumber, c.dayNumber) << c.text;
    }
}

TEST(DateText, refuses_what_is_not_in_the_calendar_or_not_complete)
{
    const char* refused[] = {
        "31/04/2020", "29/02/2021", "29/02/1900", "00/03/2020", "01/00/2020",  "01/13/2020",  "32/01/2020",
        "01/03/20",   "01/03/20__", "01/0_/2020", "__/03/2020", "01/03/0000",  "01032020",    "01/03-2020",
        "2020/03/01", "2020-3",     "1/2/3/2020", "a1/03/2020", "0 1/03/2020", "001/03/2020", "///",
    };
    for (const char* text : refused)
        EXPECT_EQ(readDateText(text).kind, DateTextKind::Invalid) << text;
    for (const char* text : {"", "__/__/____", "//", "  /  /    "})
        EXPECT_EQ(readDateText(text).kind, DateTextKind::Empty) << '"' << text << '"';
}

TEST(DateText, formats_as_the_mask_shows_and_reads_back)
{
    EXPECT_EQ(formatDateText(kTaxYearStart), "01/03/2020");
    EXPECT_EQ(formatDateText(-36522), "01/01/1800");
    EXPECT_EQ(formatDateText(kEmptyDate), "");
    EXPECT_EQ(formatDateText(dayNumber(9999, 12, 31) + 1), "");
    for (int n = -693593; n <= 2958465; n += 4999)
        ASSERT_EQ(readDateText(formatDateText(n)).dayNumber, n) << n;
}

} // namespace
} // namespace revtal
