#pragma once
// The steps both package directions take before their own: the company car
// fringe benefit, the rebate, the medical scheme fees credit and the
// additional medical credit, with the fields they clear.
#include <cstdint>
#include <initializer_list>

#include "salarypackage/package_inputs.h"
#include "salarypackage/package_result.h"
#include "salarypackage/package_settings.h"

namespace revtal {

struct PackageCredits {
    double CFB = 0;
    double REB = 0;
    double MTC = 0;
    double AMC = 0;
    std::int16_t numPMems = 0; // cleared when no medical contribution is above 0
    double numMedDeduct = 0;   // cleared under 65
};

PackageCredits packageCredits(PackagePeriod period, const PackageInputs& in, const PackageSettings& set);

// Every amount and setting a calculation reads is a finite number.
bool packageValuesFinite(const PackageInputs& in, const PackageSettings& set);

// A refused calculation rewrites no input field: the result keeps them as typed.
void keepTypedInputs(PackageResult& result, const PackageInputs& in);

// Every result field a screen shows, and the further figures given, is finite.
bool packageResultFinite(const PackageResult& r, std::initializer_list<double> figures);

} // namespace revtal
