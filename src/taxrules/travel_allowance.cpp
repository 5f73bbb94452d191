#include "taxrules/travel_allowance.h"

#include <cmath>

#include "shell/numbers.h"

namespace revtal {

namespace {

// The largest multiple of 0.01 not above x.
double floor2(double x)
{
    return std::floor(x * 100) / 100;
}

double capDeduction(double deduction, double allowanceReceived)
{
    const double cap = allowanceReceived != 0 ? allowanceReceived : taxyear::kNoAllowanceDeductionCap;
    return deduction < cap ? deduction : cap;
}

} // namespace

const taxyear::CostScaleRow& costScaleRow(double vehicleValue)
{
    const auto& scale = taxyear::kTravelCostScale;
    std::size_t i = 0;
    while (i + 1 < scale.size() && vehicleValue > scale[i].upperValue)
        ++i;
    return scale[i];
}

TravelAllowanceState LookUpCostScale(TravelAllowanceState s)
{
    const auto& row = costScaleRow(s.VehicleValue);
    s.FixedCost = row.fixedCost;
    s.FuelRate = row.fuelRate;
    s.MaintenanceRate = row.maintenanceRate;
    return s;
}

TravelAllowanceState DeemDistances(TravelAllowanceState s)
{
    const double days = s.PeriodDays;
    const double logbook = s.LogbookBusinessKm;
    s.TotalKm = s.ClosingKm - s.OpeningKm;
    const double total = s.TotalKm;
    if (logbook > 0) {
        s.BusinessKm = logbook;
        s.PrivateKm = total - logbook;
        return s;
    }
    const double year = taxyear::kDaysInTaxYear;
    // Private km deemed for the period, never more than was driven.
    auto deemPrivate = [&] {
        s.PrivateKm = floor2(taxyear::kDeemedPrivateKm * days / year);
        if (s.PrivateKm > total) {
            s.PrivateKm = total;
            s.BusinessKm = 0;
        } else {
            s.BusinessKm = total - s.PrivateKm;
        }
    };
    if (days < year && total < taxyear::kPartYearKmLimit + 1) {
        const double partYearLimit = taxyear::kPartYearKmLimit * days / year;
        if (total > partYearLimit) {
            s.BusinessKm = floor2(partYearLimit - taxyear::kDeemedPrivateKm * days / year);
            s.PrivateKm = total - s.BusinessKm;
        } else {
            deemPrivate();
        }
    } else if (total > taxyear::kPartYearKmLimit) {
        s.BusinessKm = taxyear::kDeemedBusinessKmCap * days / year;
        s.PrivateKm = floor2(total - s.BusinessKm);
    } else if (total < taxyear::kDeemedPrivateKm) {
        s.BusinessKm = 0;
        s.PrivateKm = total;
    } else {
        deemPrivate();
    }
    return s;
}

TravelAllowanceState CostScaleDeduction(TravelAllowanceState s)
{
    s = LookUpCostScale(DeemDistances(s));
    if (s.IncludeFuel == 0)
        s.FuelRate = 0;
    if (s.IncludeMaintenance == 0)
        s.MaintenanceRate = 0;
    const double total = s.TotalKm;
    const double days = s.PeriodDays;
    s.FixedRate = total >= 1 ? s.FixedCost / total : 0;
    if (days > 0 && days < taxyear::kDaysInTaxYear)
        s.FixedRate = s.FixedRate * days / taxyear::kDaysInTaxYear;
    s.FixedRate = std::floor(s.FixedRate * 1000000) / 1000000;
    // Rand a km to cents a km.
    s.FixedRate *= 100;
    s.FuelRate *= 100;
    s.MaintenanceRate *= 100;
    const double rate = s.FixedRate + s.FuelRate + s.MaintenanceRate;
    s.Deduction = capDeduction(s.BusinessKm * rate / 100, s.AllowanceReceived);
    s.TotalRate = roundHalfEven(rate, 1);
    return s;
}

TravelAllowanceState ActualCostDeduction(TravelAllowanceState s)
{
    s.TotalCosts =
        s.FuelOil + s.RepairsMaintenance + s.InsuranceLicence + s.OtherExpenses + s.WearAndTear + s.LeasePayments;
    s = DeemDistances(s);
    const double days = s.PeriodDays;
    const double year = taxyear::kDaysInTaxYear;
    if (s.ClosingKm == 0 && s.OpeningKm == 0 && s.LogbookBusinessKm == 0) {
        // No distances at all: private use is 2.5% of the value a month, less
        // the fuel and maintenance shares that are claimed.
        const double value = s.VehicleValue;
        double privateUse = value * taxyear::kPrivateUseShare * 12 * days / year;
        if (value > 0) {
            if (s.IncludeFuel == 1)
                privateUse = privateUse - taxyear::kPrivateFuelShare * value * days / year * 12;
            if (s.IncludeMaintenance == 1)
                privateUse = privateUse - taxyear::kPrivateMaintenanceShare * value * days / year * 12;
        }
        s.PrivateUse = privateUse > s.TotalCosts ? 0 : privateUse;
        s.Deduction = s.TotalCosts - privateUse;
        if (s.Deduction < 0)
            s.Deduction = 0;
        if (s.AllowanceReceived != 0 && s.Deduction > s.AllowanceReceived)
            s.Deduction = s.AllowanceReceived;
        return s;
    }
    const double total = s.TotalKm;
    const double deduction = total > 1 ? s.TotalCosts * s.BusinessKm / total : 0;
    s.PrivateUse = s.TotalCosts - deduction;
    s.Deduction = capDeduction(deduction, s.AllowanceReceived);
    return s;
}

} // namespace revtal
