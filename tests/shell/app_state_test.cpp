#include "shell/app_state.h"

#include <gtest/gtest.h>

namespace revtal {
namespace {

TEST(AppStateReset, clears_what_it_owns_and_keeps_the_rest)
{
    AppState s;
    s.ReportDbPath = "r";
    s.PrintDestination = 1;
    s.TaxableIncome = 500000;
    s.TaxScaleResult = ApplyTaxScale(500000);
    s.TovrikAge = 40;
    s.TovrikIncome = 500000;
    s.tovrikResult = NEWCALC(500000, 40);
    s.TravelAllowanceState.VehicleValue = 300000;
    s.TravelAllowanceState.IncludeFuel = 0;
    s.TravelAllowanceState.CarDescription = "Sedan";
    s.vehicles.resize(3);
    s.vehicles[1].CCRegNumber = "CA 123";
    s.VehicleCount = 2;
    s.CurrentVehicle = 1;
    s.Actual3802 = 50000;
    s.autoSplit3802 = 1;
    s.LoanPrincipal = 100000;
    s.LoanPeriod = 240;
    s.LoanRate = 10;
    s.LoanRepayment = 965.02;
    s.LoanCalcMode = "Interest rate";
    s.FinChargesState = "DOWN";
    s.balance[5] = 42;
    s.scheduleKind = 2;
    s.annualScheduleDone = 1;
    s.BusterRate = 9.5f;
    s.CompareRate = 7.f;
    s.InflRate = 5;
    s.DayBalStart = 43891;
    s.DayBalRateStep = 1;
    s.disclaimerAccepted = true;
    s.ViewAbout = true;

    s.reset();

    EXPECT_EQ(s.ReportDbPath, "r");
    EXPECT_EQ(s.PrintDestination, 1);
    EXPECT_EQ(s.TaxableIncome, 500000);
    EXPECT_EQ(s.TaxScaleResult.Tax, 0);
    EXPECT_EQ(s.TaxScaleResult.MarginalRate, 36);
    EXPECT_EQ(s.TovrikAge, 40);
    EXPECT_EQ(s.TovrikIncome, 500000);
    EXPECT_EQ(s.tovrikResult.commitment, 0);
    EXPECT_EQ(s.tovrikResult.totalTax, 0);
    EXPECT_EQ(s.TravelAllowanceState.VehicleValue, 0);
    EXPECT_EQ(s.TravelAllowanceState.IncludeFuel, 1);
    EXPECT_EQ(s.TravelAllowanceState.IncludeMaintenance, 1);
    EXPECT_EQ(s.TravelAllowanceState.CarDescription, "");
    EXPECT_EQ(s.VehicleCount, 0);
    EXPECT_EQ(s.CurrentVehicle, 0);
    EXPECT_EQ(s.Actual3802, 0);
    EXPECT_EQ(s.autoSplit3802, 0);
    EXPECT_EQ(s.vehicles[1].CCRegNumber, "CA 123");  // records are not cleared
    EXPECT_EQ(s.LoanPrincipal, 100000);
    EXPECT_EQ(s.LoanPeriod, 0);
    EXPECT_EQ(s.LoanRate, 0);
    EXPECT_EQ(s.LoanRepayment, 0);
    EXPECT_EQ(s.LoanCalcMode, "Monthly repayment");
    EXPECT_EQ(s.FinChargesState, "UP");
    EXPECT_EQ(s.balance[5], 42);
    EXPECT_EQ(s.scheduleKind, 0);
    EXPECT_EQ(s.annualScheduleDone, 0);
    EXPECT_EQ(s.BusterRate, 0);
    EXPECT_EQ(s.CompareRate, 0);
    EXPECT_EQ(s.InflRate, 0);
    EXPECT_EQ(s.DayBalStart, -36522);
    EXPECT_EQ(s.DayBalEnd, -36522);
    EXPECT_EQ(s.DayBalRateStep, 0.25);
    EXPECT_TRUE(s.disclaimerAccepted);
    EXPECT_TRUE(s.ViewAbout);
}

}  // namespace
}  // namespace revtal
