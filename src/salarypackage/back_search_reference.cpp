#include "salarypackage/back_search_reference.h"

namespace revtal {

std::optional<double> referenceFindBackSalary(const BackSearchSetup& s, std::uint64_t maxSteps)
{
    double W = 0;
    for (std::uint64_t step = 0; step < maxSteps; ++step) {
        W = W + 1;
        if (evaluateBackStep(s, W).NET > s.NR)
            return W;
    }
    return std::nullopt;
}

} // namespace revtal
