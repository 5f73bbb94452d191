#pragma once
// Reading amounts as people type and paste them: "R 1 234,56", "1234.56",
// "-R50", "1,234,567.89". A text is read one way or not at all; nothing is
// guessed. The entry fields build on this and add their own limits.
#include <string_view>

namespace revtal {

enum class NumberTextKind {
    Number,     // a complete amount
    Empty,      // nothing but blanks
    Incomplete, // the start of an amount ("R", "-", "1 23", "12,")
    Unreadable, // no amount begins like this ("12a", "1..2", "1 2345")
};

struct NumberText {
    NumberTextKind kind = NumberTextKind::Unreadable;
    double value = 0;            // the amount when kind is Number, else 0
    bool negative = false;       // a minus sign was written
    int integerDigits = 0;       // digits before the decimal mark, leading zeros not counted
    int decimals = 0;            // digits written after the decimal mark
    int significantDecimals = 0; // the same without trailing zeros
    // A lone comma or dot followed by exactly three digits ("1,234") reads as
    // the decimal mark, but could be digit grouping too; then this is set and
    // groupedValue holds that other reading, for the caller to weigh.
    bool mayBeGrouping = false;
    double groupedValue = 0;

    bool isNumber() const { return kind == NumberTextKind::Number; }
};

// Reads UTF-8 text. Accepted, around the digits:
// - blanks before and after; no-break and thin spaces count as blanks;
// - one sign, "-" (or U+2212) or "+", before or after a leading "R" or "r",
//   which may be followed by blanks;
// - digit grouping by single blanks, or by commas or dots: a first group of
//   one to three digits, then groups of exactly three, one kind of separator;
// - a dot or a comma as the decimal mark, the last separator and the only one
//   of its kind ("1 234,56", "1.234.567,8", "1,234.5", ".5", "12.").
// "1,234,567" (a repeated mark) is grouping, so has no decimals.
NumberText readNumberText(std::string_view text);

} // namespace revtal
