#pragma once
// The 2020/21 tax-year figures: the one table every tax rule reads.
#include <array>

namespace revtal::taxyear {

struct TaxBracket {
    double lowerBound;
    double upperBound;
    double marginalRate;  // whole percent, held as a double
    double baseTax;       // tax on the lower bound
};

inline constexpr std::array<TaxBracket, 7> kIncomeTaxScale{{
    {0, 205900, 18, 0},
    {205900, 321600, 26, 37062},
    {321600, 445100, 31, 67144},
    {445100, 584200, 36, 105429},
    {584200, 744800, 39, 155505},
    {744800, 1577300, 41, 218139},
    {1577300, 9999999999.0, 45, 559464},
}};

inline constexpr double kPrimaryRebate = 14958;
inline constexpr double kSecondaryRebate = 8199;   // from 65
inline constexpr double kTertiaryRebate = 2736;    // from 75
inline constexpr int kSecondaryRebateAge = 65;
inline constexpr int kTertiaryRebateAge = 75;

}  // namespace revtal::taxyear
