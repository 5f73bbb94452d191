#include "finance/repeated_addition.h"

#include <algorithm>
#include <cmath>

namespace revtal {
namespace {

// Within one binade [2^(e-1), 2^e) every double is a multiple of its ulp u,
// so x + step rounds to x + d with the same d for every x there, as long as
// the exact sum stays below 2^e and step / u is not an exact half (a tie,
// which would round by the parity of x). Returns how many such additions can
// be taken at once from `a` with every start point staying below `limit`,
// and the increment d; 0 when the next addition must be made literally.
std::uint64_t uniformRun(double a, double step, double limit, double& increment)
{
    if (!(a >= 0x1p-900) || !(step > 0) || !std::isfinite(a) || !std::isfinite(step)) {
        return 0;
    }
    int exponent = 0;
    std::frexp(a, &exponent);
    const double top = std::ldexp(1.0, exponent);
    const double ulp = std::ldexp(1.0, exponent - 53);
    const double inUlps = step / ulp; // exact: scaling by a power of two
    if (inUlps - std::floor(inUlps) == 0.5) {
        return 0;
    }
    const double bound = std::min(limit, top - step);
    if (!(bound > a)) {
        return 0;
    }
    increment = (a + step) - a; // exact: a <= a + step < 2a
    if (!(increment > 0)) {
        return 0;
    }
    // Two steps and a relative sliver of slack absorb the rounding of this estimate.
    const double estimate = std::floor((bound - a) / increment * (1 - 0x1p-50)) - 2;
    if (!(estimate >= 1)) {
        return 0;
    }
    return estimate >= 0x1p62 ? std::uint64_t{1} << 62 : static_cast<std::uint64_t>(estimate);
}

} // namespace

AdditionRun addWhileBelow(double start, double step, double limit)
{
    AdditionRun run{start, 0};
    if (!(start < limit)) {
        return run;
    }
    for (;;) {
        double increment = 0;
        const std::uint64_t n = uniformRun(run.value, step, limit, increment);
        if (n > 0) {
            run.value += static_cast<double>(n) * increment;
            run.steps += n;
            continue;
        }
        const double next = run.value + step;
        if (!(next < limit) || next == run.value) {
            return run;
        }
        run.value = next;
        ++run.steps;
    }
}

} // namespace revtal
