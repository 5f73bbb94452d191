#pragma once
// Repeated double-precision additions of one step, jumped over in bulk with
// the bit-exact result the one-at-a-time loop would leave. The loan searches
// raise a repayment cent by cent; done literally that can take billions of
// additions, and each addition rounds, so a closed form would drift.
#include <cstdint>

namespace revtal {

struct AdditionRun {
    double value = 0;        // the last value of the run
    std::uint64_t steps = 0; // additions made to reach it
};

// Starting at `start`, adds `step` for as long as the next value is still
// below `limit`: the result is below `limit` (unless `start` is not), and one
// more addition would reach it. Fast for start > 0 and step > 0; otherwise the
// additions are made one by one. Stops, too, where an addition no longer
// changes the value.
AdditionRun addWhileBelow(double start, double step, double limit);

} // namespace revtal
