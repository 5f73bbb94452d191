#pragma once
// The company car fringe benefit of every car on the list: true inclusion,
// fuel and expense claims, adjustment to taxable income and the payroll
// amounts per car, with the record fields the calculation stores.
#include <cstdint>
#include <span>
#include <vector>

#include "vehicle/vehicle_record.h"

namespace revtal {

struct CompCarInput {
    // Record 0 is the entry record, 1 to VehicleCount the list.
    std::span<const VehicleRecord> vehicles;
    std::int16_t VehicleCount = 0;
    std::int16_t CurrentVehicle = 0; // the record on display
    double Actual3802 = 0;
    bool autoSplit3802 = false;
};

// Recomputed from zero by every calculation.
struct CompCarVehicleResult {
    double days = 0;
    double PrivateDistance = 0;
    double TrueInclusion = 0;
    double Arr_FuelClaim = 0;
    double TotAddExpense = 0;
    double FuelExp = 0;
    double SARSDeductionClaim = 0;
    double IRP53802 = 0;
    double MonFB80 = 0;
    double MonFB20 = 0;
    double FortFB80 = 0;
    double FortFB20 = 0;
    double WeekFB80 = 0;
    double WeekFB20 = 0;
};

// The result fields of the record on display.
struct CompCarShown {
    double FB3802ThisCar = 0; // as it stood before the calculation
    double TotalDistance = 0;
    double PrivateDistance = 0; // TotalDistance - BusDistance
    double FuelComponent = 0;
    double AdjustTaxableInc = 0;
    CompCarVehicleResult results;
};

struct CompCarResult {
    // Every record after the calculation: TotalDistance, BusDistance,
    // FB3802ThisCar, FuelComponent and AdjustTaxableInc may have changed.
    std::vector<VehicleRecord> vehicles;
    std::vector<CompCarVehicleResult> results; // indexed like vehicles
    double totalAdjustTaxableInc = 0;
    double totalSARSDeductionClaim = 0;
    CompCarShown shown;
};

// Fuel rate in rand per km of the cost scale band the price falls in.
double companyCarFuelRate(double price);

// A step that would divide by zero is skipped and its result keeps what it had.
// A VehicleCount beyond the records given counts only the records given.
CompCarResult CompCarCalc(const CompCarInput& input);

// "&Calculate": with exactly one car its share becomes the whole code 3802
// total, then the calculation runs twice so the share shown is the new one.
CompCarResult compCarCalculateCommand(const CompCarInput& input);

} // namespace revtal
