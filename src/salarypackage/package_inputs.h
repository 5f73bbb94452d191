#pragma once
// What a salary package screen's fields hold when a calculation starts. Every
// money amount is for the screen's period: the year on the annual screens, one
// month on the monthly ones.
#include <array>
#include <cstdint>

namespace revtal {

enum class PackagePeriod { Year, Month };

struct PackageInputs {
    std::int16_t numAge = 0;
    double numNetMonSalReq = 0; // back: net salary required; forward: total package amount
    double numCompCar = 0;      // the company car's value
    double numTravAll = 0;
    double numMedAidCont = 0; // the employee's medical scheme contributions
    // Annual screens: beneficiary-months of the year; monthly: beneficiaries.
    std::int16_t numPMems = 0;
    double numOTaxFB = 0;
    double numRFundCont = 0; // the employee's retirement fund amount, typed or left by a calculation
    double numMedDeduct = 0; // back screens only
    std::array<double, 4> numOtherDet{};
    double numCCCompCar = 0;    // the car's cost to the company for the period; 0: bought outright
    double numCCMedAidCont = 0; // the employer's medical scheme contribution
    double numCCRFundCont = 0;  // the employer's retirement fund amount, typed or left by a calculation
};

// The total of the four other expenses, as the screen keeps it.
inline double otherExpensesTotal(const PackageInputs& in)
{
    return in.numOtherDet[0] + in.numOtherDet[1] + in.numOtherDet[2] + in.numOtherDet[3];
}

} // namespace revtal
