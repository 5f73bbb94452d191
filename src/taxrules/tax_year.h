#pragma once
// The 2020/21 tax-year figures: the one table every tax rule reads.
#include <array>

namespace revtal::taxyear {

struct TaxBracket {
    double lowerBound;
    double upperBound;
    double marginalRate; // whole percent, held as a double
    double baseTax;      // tax on the lower bound
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
inline constexpr double kSecondaryRebate = 8199; // from 65
inline constexpr double kTertiaryRebate = 2736;  // from 75
inline constexpr int kSecondaryRebateAge = 65;
inline constexpr int kTertiaryRebateAge = 75;

// Payroll contributions and credits.
inline constexpr double kRetirementShare = 0.275; // of the remuneration base
inline constexpr double kRetirementCapPerYear = 350000;
inline constexpr double kMedicalCreditMain = 319;    // a month, each of the first two beneficiaries
inline constexpr double kMedicalCreditFurther = 215; // a month, each further dependant
inline constexpr int kMedicalCreditMainCount = 2;
inline constexpr double kAdditionalMedicalRate = 0.333; // not one third
inline constexpr double kAdditionalMedicalMultiple = 3;
inline constexpr int kAdditionalMedicalAge = 65;

// Company car fringe benefit, a month, of the car's value.
inline constexpr double kCarBenefitRateWithPlan = 0.0325;
inline constexpr double kCarBenefitRateWithoutPlan = 0.035;

// Travel allowance cost scale: a value equal to a band's upper bound belongs to that band.
struct CostScaleRow {
    double upperValue;      // highest vehicle value of the band
    double fixedCost;       // rand a year
    double fuelRate;        // rand a kilometre
    double maintenanceRate; // rand a kilometre
};

inline constexpr std::array<CostScaleRow, 8> kTravelCostScale{{
    {95000, 31332, 1.058, 0.374},
    {190000, 55894, 1.181, 0.468},
    {285000, 80539, 1.283, 0.516},
    {380000, 102211, 1.38, 0.564},
    {475000, 123955, 1.477, 0.662},
    {570000, 146753, 1.694, 0.778},
    {665000, 169552, 1.751, 0.966},
    {1.0e300, 169552, 1.751, 0.966}, // above 665000
}};

// Deemed distances without a log book, kilometres a year.
inline constexpr double kDeemedBusinessKmCap = 14000;
inline constexpr double kDeemedPrivateKm = 18000;
inline constexpr double kPartYearKmLimit = 32000;
inline constexpr double kDaysInTaxYear = 365;
// Private use without any distances: a share of the vehicle value a month,
// less the fuel and maintenance shares when those costs are claimed.
inline constexpr double kPrivateUseShare = 0.025;
inline constexpr double kPrivateFuelShare = 0.0022;
inline constexpr double kPrivateMaintenanceShare = 0.0018;
// The deduction cap when no allowance is entered.
inline constexpr double kNoAllowanceDeductionCap = 9999999.97;

} // namespace revtal::taxyear
