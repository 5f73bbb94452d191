#pragma once
// The forward calculation of the "Pendral" screens: from a total package to
// the take-home pay and the total cost to the company, in a fixed sequence of
// steps.
#include "salarypackage/package_inputs.h"
#include "salarypackage/package_result.h"
#include "salarypackage/package_settings.h"

namespace revtal {

// `previous` is what the screen holds from its last calculation; a refused
// calculation returns it with the refusal, the once-off car line hidden, the
// warning line hidden and the print lock as it was. On both annual and monthly
// screens the other expenses reduce the take-home pay.
PackageResult CalculatePackageForward(PackagePeriod period, const PackageInputs& in, const PackageSettings& set,
                                      const PackageResult& previous = {});

} // namespace revtal
