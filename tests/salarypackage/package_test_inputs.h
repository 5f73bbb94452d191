#pragma once
// The settings and inputs the salary package tests start from.
#include <cstdint>

#include "salarypackage/package_inputs.h"
#include "salarypackage/package_settings.h"

namespace revtal::test {

// The first Setup values (1 % UIF each way, 1 % skills levy) with a UIF
// ceiling of R17 712 a month.
inline PackageSettings oneEachWay()
{
    PackageSettings set;
    set.UIFLimit = 17712;
    return set;
}

// Nothing typed but the amount the calculation starts from (the net required
// on a back screen, the package on a forward one) and the age.
inline PackageInputs typedAmount(double amount, int age = 40)
{
    PackageInputs in;
    in.numNetMonSalReq = amount;
    in.numAge = static_cast<std::int16_t>(age);
    return in;
}

} // namespace revtal::test
