// Period tax for each pay period and the company car calculation over a list.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "payroll/period_tax.h"
#include "vehicle/comp_car_calc.h"

namespace revtal {
namespace {

PeriodTaxInput periodInput(PayPeriod period)
{
    PeriodTaxInput in;
    in.period = period;
    in.age = 67;
    in.amounts = {35000, 2500, 10000, 4000, 1800, 1200, 2000, 1500};
    in.beneficiaries = 3;
    in.monthBeneficiaries.fill(3);
    in.startDate = period == PayPeriod::Month ? kTaxYearStart + 4 : kTaxYearStart + 30;
    in.endDate = period == PayPeriod::Month ? kTaxYearStart + 25 : kTaxYearEnd;
    in.normalDays = period == PayPeriod::Week ? 5 : 10;
    in.thisDays = period == PayPeriod::Week ? 4 : 9;
    return in;
}

void periodTax(benchmark::State& state)
{
    const PeriodTaxInput in = periodInput(static_cast<PayPeriod>(state.range(0)));
    for (auto _ : state) {
        PeriodTaxResult r = calculatePeriodTax(in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(periodTax)->ArgName("period")->DenseRange(0, 4); // year, month, fortnight, week, day

void compCar(benchmark::State& state)
{
    std::vector<VehicleRecord> records(1);
    for (int i = 0; i < state.range(0); ++i) {
        VehicleRecord v;
        v.CCRegNumber = "CA " + std::to_string(i);
        v.CCPrice = 150000 + 50000 * i;
        v.MaintIncluded = static_cast<std::int16_t>(i % 2);
        v.CCStartDate = kTaxYearStart + 10 * i;
        v.EndMileage = 60000 + 1000 * i;
        v.StartMileage = 20000;
        v.BusDistance = 25000;
        v.BussMilage = 1;
        v.SARSTable = static_cast<std::int16_t>(i % 2);
        v.ActualExpEmployee = 12000;
        v.FuelReimbEmployer = 3000;
        v.EmpPaidInsurance = 6000;
        records.push_back(v);
    }
    CompCarInput in;
    in.vehicles = records;
    in.VehicleCount = static_cast<std::int16_t>(state.range(0));
    in.CurrentVehicle = 1;
    in.Actual3802 = 90000;
    in.autoSplit3802 = true;
    for (auto _ : state) {
        CompCarResult r = compCarCalculateCommand(in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(compCar)->ArgName("vehicles")->Arg(1)->Arg(3)->Arg(10);

} // namespace
} // namespace revtal
