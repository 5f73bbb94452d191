#include "shell/app_state.h"

namespace revtal {

void AppState::reset()
{
    // Tax scale: only the tax and the quick tax results; the income, age and the
    // other scale fields stay.
    TaxScaleResult.Tax = 0;
    tovrikResult = {};



    TravelAllowanceState = {};  // numbers 0, text empty, fuel and maintenance included
    TravelAllowanceState.AccurateRecords = 0;
    TravelAllowanceState.IncludeFuel = 1;
    TravelAllowanceState.IncludeMaintenance = 1;

    // The records stay; the list is empty again.
    VehicleCount = 0;
    CurrentVehicle = 0;
    shownVehicle = 0;
    autoSplit3802 = 0;
    Actual3802 = 0;

    InflPresentCost = InflPeriod = InflRate = InflFutureCost = InflBuyingPower = 0;

    BusterPrincipal = 0;
    BusterRate = 0;
    BusterExtra = 0;

    ComparePrincipal = 0;
    CompareRate = 0;

    LoanPeriod = LoanRate = LoanRepayment = loanPeriodTarget = 0;
    LoanCalcMode = "Monthly repayment";
    FinChargesState = "UP";
    annualScheduleDone = monthlyScheduleDone = 0;
    scheduleKind = wholeYears = yearsWithPart = 0;

    DayBalCapital = 0;
    DayBalRate = 0;
    DayBalStart = kNoDayBalDate;
    DayBalEnd = kNoDayBalDate;
    DayBalRateStep = 0.25;
}

}  // namespace revtal
