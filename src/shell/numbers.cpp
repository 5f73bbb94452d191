#include "shell/numbers.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace revtal {

double roundHalfEven(double value) { return std::nearbyint(value); }

double roundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled))
        return value;
    return std::nearbyint(scaled) / scale;
}

double cut(double value) { return std::floor(value); }

std::string formatNumber(double value, int decimals, bool group)
{
    if (!std::isfinite(value))
        return {};
    if (decimals < 0)
        decimals = 0;
    if (decimals > 9)
        decimals = 9;
    const double rounded = roundHalfEven(value, decimals);
    char buffer[400];
    // %f of an already rounded value only fixes the digits, so no second rounding shows.
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(rounded));
    std::string digits = buffer;
    const auto dot = digits.find('.');
    std::string whole = dot == std::string::npos ? digits : digits.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? std::string{} : digits.substr(dot);
    if (group) {
        std::string grouped;
        grouped.reserve(whole.size() + whole.size() / 3);
        for (std::size_t i = 0; i < whole.size(); ++i) {
            if (i > 0 && (whole.size() - i) % 3 == 0)
                grouped += ' ';
            grouped += whole[i];
        }
        whole = std::move(grouped);
    }
    bool isZero = true;
    for (char c : digits)
        if (c >= '1' && c <= '9')
            isZero = false;
    const bool negative = rounded < 0 && !isZero;
    return (negative ? "-" : "") + whole + fraction;
}

}  // namespace revtal
