#pragma once
// The values the car allowance screen and the travel allowance routines share.
#include <cstdint>
#include <string>

namespace revtal {

struct TravelAllowanceState {
    // Inputs, whole numbers as typed.
    double VehicleValue = 0;
    double AllowanceReceived = 0;
    double ClosingKm = 0;
    double OpeningKm = 0;
    double LogbookBusinessKm = 0;
    double FuelOil = 0;
    double RepairsMaintenance = 0;
    double InsuranceLicence = 0;
    double OtherExpenses = 0;
    double WearAndTear = 0;
    double LeasePayments = 0;
    double PeriodDays = 0;
    std::int16_t AccurateRecords = 0;
    std::int16_t IncludeFuel = 1;
    std::int16_t IncludeMaintenance = 1;
    std::string CarDescription;
    // Results.
    double TotalKm = 0;
    double BusinessKm = 0;
    double PrivateKm = 0;
    double TotalCosts = 0;
    double PrivateUse = 0;
    double Deduction = 0;
    double FixedCost = 0;
    double FixedRate = 0;
    double FuelRate = 0;
    double MaintenanceRate = 0;
    double TotalRate = 0;
};

}  // namespace revtal
