#pragma once
// The one application-wide state: what the screens keep between openings and
// what the shared routines exchange. Created zeroed, reset by start-up and
// "Initialise All", never saved.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "taxrules/quick_tax.h"
#include "taxrules/tax_scale.h"
#include "taxrules/travel_allowance_state.h"
#include "vehicle/vehicle_record.h"

namespace revtal {

inline constexpr std::size_t kScheduleSize = 1001;  // indexes 0 to 1000
inline constexpr int kNoDayBalDate = -36522;         // 1 January 1800: no date entered

struct AppState {
    // Database paths.
    std::string ReportDbPath;
    std::string PrefsDbPath;
    std::string SettingsDbPath;

    // Print destination: 1 printer, 0 preview window. The reset leaves it.
    std::int16_t PrintDestination = 0;

    // Tax scale.
    double TaxableIncome = 0;
    revtal::TaxScaleResult TaxScaleResult;
    std::int16_t TovrikAge = 0;
    double TovrikIncome = 0;
    QuickTaxResult tovrikResult;  // the quick tax screen's results

    // Travel allowance.
    revtal::TravelAllowanceState TravelAllowanceState;

    // Company car. vehicles[0] is the entry record; 1..VehicleCount the list.
    std::vector<VehicleRecord> vehicles = std::vector<VehicleRecord>(1);
    std::int16_t VehicleCount = 0;
    std::int16_t CurrentVehicle = 0;
    std::int16_t shownVehicle = 0;
    std::int16_t autoSplit3802 = 0;
    double Actual3802 = 0;

    // Loans.
    double LoanPrincipal = 0;
    double LoanPeriod = 0;
    double LoanRate = 0;
    double LoanRepayment = 0;
    double loanPeriodTarget = 0;  // the principal the period search works towards
    std::string LoanCalcMode = "Monthly repayment";
    std::string FinChargesState = "UP";
    std::array<double, kScheduleSize> monthlyCapital{};
    std::array<double, kScheduleSize> monthlyInterest{};
    std::array<double, kScheduleSize> balance{};
    std::array<double, kScheduleSize> annualCapital{};
    std::array<double, kScheduleSize> annualInterest{};
    std::int16_t scheduleKind = 0;  // 1 whole years, 2 with a last part-year
    std::int16_t wholeYears = 0;
    std::int16_t yearsWithPart = 0;
    std::int16_t annualScheduleDone = 0;
    std::int16_t monthlyScheduleDone = 0;

    // Loan buster.
    double BusterPrincipal = 0;
    float BusterRate = 0;
    double BusterExtra = 0;

    // Loan comparison.
    double ComparePrincipal = 0;
    float CompareRate = 0;

    // Inflation.
    double InflPresentCost = 0;
    double InflPeriod = 0;
    double InflRate = 0;
    double InflFutureCost = 0;
    double InflBuyingPower = 0;

    // Daily balance.
    float DayBalCapital = 0;
    float DayBalRate = 0;
    int DayBalStart = kNoDayBalDate;
    int DayBalEnd = kNoDayBalDate;
    double DayBalRateStep = 0.25;

    // Start-up flags.
    bool disclaimerAccepted = false;
    bool ViewAbout = false;

    // What start-up and "Initialise All" clear; paths, print destination,
    // start-up flags, schedule contents and the loan principal stay.
    void reset();
};

}  // namespace revtal
