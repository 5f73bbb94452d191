#pragma once
// "&Calculate" of the four salary package screens.
#include "salarypackage/back_calculation.h"
#include "salarypackage/forward_calculation.h"

namespace revtal {

enum class PackageDirection {
    Back,    // frmRevtalAnn, frmRevtalMon: net salary required to package
    Forward, // frmPendralAnn, frmPendralMon: package to take-home pay
};

inline PackageResult CalculatePackage(PackageDirection direction, PackagePeriod period, const PackageInputs& in,
                                      const PackageSettings& set, const PackageResult& previous = {})
{
    return direction == PackageDirection::Back ? CalculatePackageBack(period, in, set, previous)
                                               : CalculatePackageForward(period, in, set, previous);
}

} // namespace revtal
