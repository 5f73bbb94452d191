#pragma once
// What a salary package calculation leaves: the values it produced, the fields
// it rewrites (inputs included) and what the screen shows or locks.
#include <cstdint>
#include <string>

namespace revtal {

enum class PackageRefusal {
    None,
    NoAmount,       // required net or package exactly 0: silent
    FringeBenefits, // "Fringe benefits more than salary required!"
    NetUnreachable, // no salary at all gives the required net
    UnusableValues, // a value that is not a finite number
};

// The produced values of the last calculation (of the last search step on a
// back screen), in the names of the rules.
struct PackageFigures {
    double CFB = 0;  // company car fringe benefit
    double REB = 0;  // rebate used
    double MTC = 0;  // medical scheme fees credit
    double AMC = 0;  // additional medical credit
    double EEC = 0;  // employee retirement fund contribution
    double ERC = 0;  // employer retirement fund contribution
    double LIM = 0;  // retirement deduction limit; decides the warning only
    double TI = 0;   // annual taxable income the scale was applied to
    double TAX = 0;  // income tax after rebates, before medical credits, for the period
    double U = 0;    // UIF base
    double UIFE = 0; // employee UIF
    double UIFR = 0; // employer UIF
    double SDL = 0;  // skills levy
    double W = 0;    // back: the search salary found
    double NET = 0;  // back: the net salary at W
};

struct PackageResult {
    PackageRefusal refusal = PackageRefusal::None;
    // The message box text of a refusal (shown with only an OK button and the
    // application's title); empty for a silent one.
    std::string message;

    // Input fields the calculation rewrites; the screen writes all four back.
    std::int16_t numPMems = 0; // 0 when no medical contribution is above 0
    double numMedDeduct = 0;   // 0 under 65
    double numRFundCont = 0;   // replaced when the employee percentage applies
    double numCCRFundCont = 0; // replaced when the employer percentage applies

    // Result fields. After a refusal they hold the previous calculation's.
    double numUIFCont = 0;
    double numCCUIFCont = 0;
    double numCCSkillLev = 0;
    double numMAns = 0;      // "Tax due"
    double numTaxCredit = 0; // medical credits
    double numTaxDeduct = 0; // tax after credits, never negative
    double numGrossSal = 0;  // back: gross salary; forward: take-home pay
    double numTotCostComp = 0;
    double numOnceOff = 0;
    bool onceOffLineShown = false;

    // "R/Fund contributions exceed allowable limits!" and the lock of "&Print".
    bool warningLineShown = false;
    bool printLocked = false;

    PackageFigures figures;

    bool refused() const { return refusal != PackageRefusal::None; }
};

} // namespace revtal
