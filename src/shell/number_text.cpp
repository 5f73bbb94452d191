#include "shell/number_text.h"

#include <charconv>
#include <string>
#include <vector>

namespace revtal {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Folds the few non-ASCII characters people paste with amounts into ASCII;
// anything else non-ASCII becomes a character no amount contains.
std::string foldToAscii(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("\xC2\xA0")) { // no-break space
            out += ' ';
            i += 1;
        } else if (rest.starts_with("\xE2\x80\xAF") || rest.starts_with("\xE2\x80\x89")) { // narrow, thin space
            out += ' ';
            i += 2;
        } else if (rest.starts_with("\xE2\x88\x92")) { // minus sign
            out += '-';
            i += 2;
        } else {
            out += '\x01';
        }
    }
    return out;
}

double toDouble(const std::string& ascii, bool& ok)
{
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    ok = error == std::errc{} && end == ascii.data() + ascii.size();
    return value;
}

int significantDigits(const std::string& digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? 0 : static_cast<int>(digits.size() - first);
}

// Reads a text that must be complete: Number, Empty or Unreadable.
NumberText readComplete(std::string_view raw)
{
    NumberText result;
    const std::string folded = foldToAscii(raw);
    std::size_t begin = 0;
    std::size_t end = folded.size();
    while (begin < end && isBlank(folded[begin]))
        ++begin;
    while (end > begin && isBlank(folded[end - 1]))
        --end;
    const std::string_view s(folded.data() + begin, end - begin);
    if (s.empty()) {
        result.kind = NumberTextKind::Empty;
        return result;
    }

    std::size_t pos = 0;
    bool signSeen = false;
    auto takeSign = [&] {
        if (pos < s.size() && (s[pos] == '-' || s[pos] == '+')) {
            result.negative = s[pos] == '-';
            signSeen = true;
            ++pos;
        }
    };
    takeSign();
    if (pos < s.size() && (s[pos] == 'R' || s[pos] == 'r')) {
        ++pos;
        while (pos < s.size() && s[pos] == ' ')
            ++pos;
        if (!signSeen)
            takeSign();
    }

    // Digit runs with single separators between them.
    std::vector<std::string> runs(1);
    std::vector<char> separators;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (isDigit(c)) {
            runs.back() += c;
        } else if (c == ' ' || c == ',' || c == '.') {
            if (!separators.empty() && runs.back().empty())
                return {}; // two separators in a row
            separators.push_back(c);
            runs.emplace_back();
        } else {
            return {};
        }
    }
    if (runs.size() == 1 && runs.front().empty())
        return {}; // a sign or "R" alone

    // The decimal mark is the last separator when it is a comma or dot that
    // occurs only once; every other separator groups digits.
    bool hasMark = false;
    if (!separators.empty()) {
        const char last = separators.back();
        int count = 0;
        for (char c : separators)
            count += c == last ? 1 : 0;
        hasMark = last != ' ' && count == 1;
    }
    const std::size_t groupCount = hasMark ? runs.size() - 1 : runs.size();
    const std::size_t groupSeparators = groupCount - 1;
    for (std::size_t i = 0; i < groupSeparators; ++i)
        if (separators[i] != separators[0] || (hasMark && separators[i] == separators.back()))
            return {};
    std::string whole;
    for (std::size_t i = 0; i < groupCount; ++i) {
        const std::string& run = runs[i];
        if (groupSeparators > 0 && (i == 0 ? run.empty() || run.size() > 3 : run.size() != 3))
            return {};
        whole += run;
    }
    const std::string fraction = hasMark ? runs.back() : std::string{};
    if (whole.empty() && fraction.empty())
        return {}; // "." alone

    bool ok = false;
    double value = toDouble((whole.empty() ? "0" : whole) + (fraction.empty() ? "" : "." + fraction), ok);
    if (!ok)
        return {}; // too large to hold
    result.kind = NumberTextKind::Number;
    result.value = result.negative && value != 0 ? -value : value;
    result.integerDigits = significantDigits(whole);
    result.decimals = static_cast<int>(fraction.size());
    const auto lastNonZero = fraction.find_last_not_of('0');
    result.significantDecimals = lastNonZero == std::string::npos ? 0 : static_cast<int>(lastNonZero + 1);

    if (hasMark && groupSeparators == 0 && fraction.size() == 3 && !whole.empty() && whole.size() <= 3 &&
        whole[0] != '0') {
        result.mayBeGrouping = true;
        const double grouped = toDouble(whole + fraction, ok);
        result.groupedValue = result.negative ? -grouped : grouped;
    }
    return result;
}

} // namespace

NumberText readNumberText(std::string_view text)
{
    NumberText complete = readComplete(text);
    if (complete.kind != NumberTextKind::Unreadable)
        return complete;
    // The start of an amount is what some digits would complete.
    std::string longer(text);
    for (int i = 0; i < 3; ++i) {
        longer += '0';
        if (readComplete(longer).isNumber()) {
            NumberText incomplete;
            incomplete.kind = NumberTextKind::Incomplete;
            return incomplete;
        }
    }
    return complete;
}

} // namespace revtal
