// The salary package calculations at the sizes the screens see, the back
// search beside the rand-by-rand reference where that finishes in time.
#include <benchmark/benchmark.h>

#include "salarypackage/back_calculation.h"
#include "salarypackage/back_search.h"
#include "salarypackage/back_search_reference.h"
#include "salarypackage/forward_calculation.h"

namespace revtal {
namespace {

PackageSettings usualSettings()
{
    PackageSettings set; // the first Setup values
    set.UIFLimit = 17712;
    return set;
}

PackageInputs amount(double value, bool everything)
{
    PackageInputs in;
    in.numAge = 45;
    in.numNetMonSalReq = value;
    if (everything) {
        in.numCompCar = 450000;
        in.numTravAll = value * 0.05;
        in.numMedAidCont = value * 0.02;
        in.numCCMedAidCont = value * 0.03;
        in.numPMems = 3;
        in.numOTaxFB = value * 0.01;
        in.numOtherDet = {value * 0.01, 0, 0, 0};
    }
    return in;
}

PackageSettings settingsFor(bool everything)
{
    PackageSettings set = usualSettings();
    if (everything) {
        set.PensionCont = 7.5;
        set.EmployerPenCont = 10;
    }
    return set;
}

PackagePeriod periodOf(std::int64_t monthly)
{
    return monthly ? PackagePeriod::Month : PackagePeriod::Year;
}

// Args: required net in cents, 1 for the monthly screen, 1 for every kind of amount.
void BM_BackCalculation(benchmark::State& state)
{
    const auto in = amount(static_cast<double>(state.range(0)) / 100, state.range(2) != 0);
    const auto set = settingsFor(state.range(2) != 0);
    const auto period = periodOf(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculatePackageBack(period, in, set));
}

void BM_BackSearchReference(benchmark::State& state)
{
    const auto in = amount(static_cast<double>(state.range(0)) / 100, state.range(2) != 0);
    const auto setup = makeBackSearchSetup(periodOf(state.range(1)), in, settingsFor(state.range(2) != 0));
    for (auto _ : state)
        benchmark::DoNotOptimize(referenceFindBackSalary(setup, 1000000000));
}

void BM_ForwardCalculation(benchmark::State& state)
{
    const auto in = amount(static_cast<double>(state.range(0)) / 100, state.range(2) != 0);
    const auto set = settingsFor(state.range(2) != 0);
    const auto period = periodOf(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculatePackageForward(period, in, set));
}

void backSizes(benchmark::internal::Benchmark* b)
{
    for (std::int64_t cents : {12000000LL, 120000000LL, 9999999999LL})
        for (std::int64_t everything : {0, 1})
            b->Args({cents, 0, everything});
    for (std::int64_t cents : {1000000LL, 10000000LL, 833333333LL, 9999999999LL})
        for (std::int64_t everything : {0, 1})
            b->Args({cents, 1, everything});
}

BENCHMARK(BM_BackCalculation)->Apply(backSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BackSearchReference)
    ->Args({12000000, 0, 0})
    ->Args({12000000, 0, 1})
    ->Args({120000000, 0, 0})
    ->Args({1000000, 1, 0})
    ->Args({10000000, 1, 0})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ForwardCalculation)
    ->Args({30000000, 0, 0})
    ->Args({30000000, 0, 1})
    ->Args({3000000, 1, 0})
    ->Args({3000000, 1, 1})
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace revtal
