#pragma once
// The back calculation of the "Revtal" screens: the gross salary and the total
// cost to the company that give the net salary required.
#include "salarypackage/package_inputs.h"
#include "salarypackage/package_result.h"
#include "salarypackage/package_settings.h"

namespace revtal {

// The fringe benefits the required net must cover before any salary is
// sought; the annual screen counts the retirement amounts held as well.
double backFringeBenefits(PackagePeriod period, const PackageInputs& in);

// `previous` is what the screen holds from its last calculation. A refused
// calculation returns it with the refusal and its message, the once-off car
// line hidden, and the warning line and print lock decided again from the
// previous contributions and limit. Refused: a required net of exactly 0
// (silently); fringe benefits above the required net; and a required net no
// salary reaches (the search would never end), after the beneficiaries and
// medical deductions were cleared as every calculation does.
PackageResult CalculatePackageBack(PackagePeriod period, const PackageInputs& in, const PackageSettings& set,
                                   const PackageResult& previous = {});

} // namespace revtal
