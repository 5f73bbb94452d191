#pragma once
// The back calculation's search done as described: W raised one rand at a
// time from 1 until the net salary exceeds the one required. Up to a hundred
// million steps at the largest inputs, and endless where no W gets there; the
// tests and benchmarks hold findBackSalary against it.
#include <cstdint>
#include <optional>

#include "salarypackage/back_search.h"

namespace revtal {

// Gives up (nullopt) after `maxSteps` values of W.
std::optional<double> referenceFindBackSalary(const BackSearchSetup& s, std::uint64_t maxSteps);

} // namespace revtal
