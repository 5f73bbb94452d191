#pragma once
// The search of the back calculation: the first whole search salary W from 1
// upwards whose net salary exceeds the one required.
//
// The net salary is piecewise linear in W: its pieces change where the
// taxable income crosses a bracket bound, the start of tax or the point where
// the tax overtakes the medical credits, and where the UIF base reaches its
// ceiling. findBackSalary bisects [1, 2^36], discarding a range only when its
// two ends, plus a bound on rounding and on the bends inside it, stay at or
// below the required net, and tries each W of small ranges literally. So it
// answers as the literal rand-by-rand search does, whichever way the net
// moves with W. Past 2^36 (about 68 thousand million rand, hours of the
// literal search) it gives up: the net is taken as never reached.
#include <optional>

#include "salarypackage/package_inputs.h"
#include "salarypackage/package_settings.h"

namespace revtal {

// What stays fixed during one search, after the credits have been worked out.
struct BackSearchSetup {
    PackagePeriod period = PackagePeriod::Year;
    double NR = 0;    // net salary required
    double CFB = 0;   // company car fringe benefit
    double REB = 0;   // rebate
    double C = 0;     // medical scheme fees credit plus additional credit
    double T = 0;     // travel allowance
    double TAR = 0.8; // travel allowance inclusion rate
    double OFB = 0;   // other taxable fringe benefits
    double S = 0;     // other expenses
    double MD = 0;    // medical deductions
    double EEMED = 0; // employee medical contributions
    double ERMED = 0; // employer medical contributions
    double EERF = 0;  // employee retirement amount held, used when EEP is 0
    double ERRF = 0;  // employer retirement amount held, used when ERP is 0
    double EEP = 0;   // employee retirement percentage
    double ERP = 0;   // employer retirement percentage
    double EEU = 0;   // employee UIF percentage
    double ERU = 0;   // employer UIF percentage
    double SDLP = 0;  // skills levy percentage
    double UL = 0;    // UIF limit a month
};

// One step of the search at W.
struct BackStep {
    double W = 0;
    double P = 0;   // contribution base
    double EEC = 0; // employee retirement contribution
    double ERC = 0; // employer retirement contribution
    double TI = 0;  // annual taxable income
    double TAX = 0; // for the period, after rebates, before credits
    double U = 0;   // UIF base
    double UIFE = 0;
    double UIFR = 0;
    double SDL = 0;
    double NET = 0;
};

// The search setup of a back screen's fields, with the credits of the
// calculation's first steps (the fringe benefit check is the caller's).
BackSearchSetup makeBackSearchSetup(PackagePeriod period, const PackageInputs& in, const PackageSettings& set);

BackStep evaluateBackStep(const BackSearchSetup& s, double W);

// False where the amounts are so large (settings far outside their fields'
// limits) that a step of the search overflows.
bool backSearchUsable(const BackSearchSetup& s);

// nullopt where no W up to 2^36 gives more than the required net. Where the
// net lies within rounding of the required one over a long stretch (more than
// about a million steps), the range ends are taken at face value there.
std::optional<double> findBackSalary(const BackSearchSetup& s);

} // namespace revtal
