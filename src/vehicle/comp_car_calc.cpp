#include "vehicle/comp_car_calc.h"

#include <algorithm>
#include <cmath>

#include "taxrules/tax_year.h"

namespace revtal {

namespace {

// 3.5% or 3.25% a month spread over a year of 366 days.
constexpr double kDailyRate = 3.5 * 12 / 36600;
constexpr double kDailyRateWithPlan = 3.25 * 12 / 36600;

// Half to even; a negative zero becomes zero so no "-0" is ever shown.
double rounded(double value)
{
    return std::nearbyint(value) + 0.0;
}

// A step whose arithmetic fails (a division by zero) is skipped: the target
// keeps what it had.
void assignIfFinite(double& target, double value)
{
    if (std::isfinite(value))
        target = value + 0.0;
}

double daysOfUse(const VehicleRecord& v)
{
    return static_cast<double>(v.CCEndDate) - static_cast<double>(v.CCStartDate) + 1;
}

void calculateVehicle(VehicleRecord& v, CompCarVehicleResult& r, bool onDisplay, const CompCarInput& input,
                      double totalDays)
{
    r.days = daysOfUse(v);
    if (v.EndMileage > 0)
        v.TotalDistance = v.EndMileage - v.StartMileage;

    if (v.TotalDistance == 0 && v.CCPrice == 0) {
        // Nothing to value: the car's figures stay 0, stored results included.
        v.FuelComponent = 0;
        v.AdjustTaxableInc = 0;
        if (input.autoSplit3802)
            v.FB3802ThisCar = 0;
        if (onDisplay) {
            v.BusDistance = 0;
            v.FB3802ThisCar = 0;
        }
        return;
    }

    if (v.BusDistance > v.TotalDistance)
        v.BusDistance = v.TotalDistance;
    r.PrivateDistance = v.TotalDistance - v.BusDistance;

    if (input.autoSplit3802 && totalDays != 0)
        assignIfFinite(v.FB3802ThisCar, r.days / totalDays * input.Actual3802);

    const bool plan = v.MaintIncluded != 0;
    const bool logBook = v.BussMilage == 1;
    const double d = plan ? kDailyRateWithPlan : kDailyRate;
    if (logBook)
        assignIfFinite(r.TrueInclusion, rounded(v.CCPrice * d * r.days * r.PrivateDistance / v.TotalDistance));
    else
        assignIfFinite(r.TrueInclusion, rounded(v.CCPrice * d * r.days));

    if (v.SARSTable == 1) {
        assignIfFinite(v.FuelComponent, rounded(v.TotalDistance * companyCarFuelRate(v.CCPrice)));
        assignIfFinite(r.Arr_FuelClaim,
                       rounded((v.FuelComponent - v.FuelReimbEmployer) * r.PrivateDistance / v.TotalDistance));
    } else {
        v.FuelComponent = 0;
        assignIfFinite(r.Arr_FuelClaim,
                       rounded((v.ActualExpEmployee - v.FuelReimbEmployer) * r.PrivateDistance / v.TotalDistance));
    }

    assignIfFinite(r.TotAddExpense, rounded((v.EmpPaidInsurance + v.EmpPaidLicence + v.EmpPaidMaintenance) *
                                            r.PrivateDistance / v.TotalDistance));

    r.FuelExp = v.BusDistance > 0 ? rounded(r.Arr_FuelClaim + r.TotAddExpense) : 0;

    assignIfFinite(v.AdjustTaxableInc, rounded(r.TrueInclusion - r.FuelExp - v.FB3802ThisCar));
    if (v.AdjustTaxableInc < -input.Actual3802)
        v.AdjustTaxableInc = -input.Actual3802 + 0.0;

    if (logBook && v.BusDistance > 0 && v.TotalDistance > 0)
        assignIfFinite(r.SARSDeductionClaim, -(v.BusDistance / v.TotalDistance * v.FB3802ThisCar + r.FuelExp));

    const double rate = plan ? taxyear::kCarBenefitRateWithPlan : taxyear::kCarBenefitRateWithoutPlan;
    r.IRP53802 = rounded(v.CCPrice * rate * 12 * (r.days / 365));
    r.MonFB80 = rounded(v.CCPrice * rate * 0.8);
    r.MonFB20 = rounded(v.CCPrice * rate * 0.2);
    // Rounded before the split, so these may carry cents.
    const double fortnight = rounded(v.CCPrice * rate * 12 / 26);
    r.FortFB80 = fortnight * 0.8;
    r.FortFB20 = fortnight * 0.2;
    const double week = rounded(v.CCPrice * rate * 12 / 52);
    r.WeekFB80 = week * 0.8;
    r.WeekFB20 = week * 0.2;
}

} // namespace

double companyCarFuelRate(double price)
{
    // The fuel column of the cost scale; beyond the last bound the last rate.
    for (const taxyear::CostScaleRow& row : taxyear::kTravelCostScale)
        if (price <= row.upperValue)
            return row.fuelRate;
    return taxyear::kTravelCostScale.back().fuelRate;
}

CompCarResult CompCarCalc(const CompCarInput& input)
{
    CompCarResult out;
    out.vehicles.assign(input.vehicles.begin(), input.vehicles.end());
    if (out.vehicles.empty())
        out.vehicles.resize(1); // there is always an entry record

    const int lastRecord = static_cast<int>(out.vehicles.size()) - 1;
    const int count = std::clamp<int>(input.VehicleCount, 0, lastRecord);
    const int current = input.CurrentVehicle;
    const bool currentValid = current >= 0 && current <= lastRecord;
    out.results.assign(static_cast<std::size_t>(count) + 1, CompCarVehicleResult{});

    if (currentValid)
        out.shown.FB3802ThisCar = out.vehicles[current].FB3802ThisCar;

    // Every car's days count in the split, cars without price and distance too.
    double totalDays = 0;
    for (int i = 1; i <= count; ++i)
        totalDays += daysOfUse(out.vehicles[i]);

    for (int i = 1; i <= count; ++i)
        calculateVehicle(out.vehicles[i], out.results[i], i == current, input, totalDays);

    const CompCarVehicleResult noResults{};
    const CompCarVehicleResult& shownResults = currentValid && current <= count ? out.results[current] : noResults;
    if (currentValid) {
        VehicleRecord& v = out.vehicles[current];
        if (v.CCPrice == 0)
            v.AdjustTaxableInc = shownResults.SARSDeductionClaim;
    }

    for (int i = 1; i <= count; ++i) {
        out.totalAdjustTaxableInc += out.vehicles[i].AdjustTaxableInc;
        out.totalSARSDeductionClaim += out.results[i].SARSDeductionClaim;
    }

    if (currentValid) {
        const VehicleRecord& v = out.vehicles[current];
        out.shown.TotalDistance = v.TotalDistance;
        out.shown.PrivateDistance = v.TotalDistance - v.BusDistance;
        out.shown.FuelComponent = v.FuelComponent;
        out.shown.AdjustTaxableInc = v.AdjustTaxableInc;
    }
    out.shown.results = shownResults;
    return out;
}

CompCarResult compCarCalculateCommand(const CompCarInput& input)
{
    std::vector<VehicleRecord> records(input.vehicles.begin(), input.vehicles.end());
    const int current = input.CurrentVehicle;
    if (input.VehicleCount == 1 && current >= 0 && current < static_cast<int>(records.size()))
        records[current].FB3802ThisCar = input.Actual3802;
    CompCarInput first = input;
    first.vehicles = records;
    CompCarResult once = CompCarCalc(first);
    CompCarInput second = input;
    second.vehicles = once.vehicles;
    return CompCarCalc(second);
}

} // namespace revtal
