#pragma once
// One company car as entered on the company car screen; the fields are the
// columns of the compcar report table.
#include <cstdint>
#include <string>

#include "shell/day_number.h"

namespace revtal {

struct VehicleRecord {
    std::string CCRegNumber;    // at most 10 characters; empty = unnamed
    std::string CCMake;         // at most 25
    std::string CCModel;        // at most 25
    std::string YearOfManfact;  // at most 25, free text
    double CCPrice = 0;
    std::int16_t MaintIncluded = 0;
    int CCStartDate = kTaxYearStart;
    int CCEndDate = kTaxYearEnd;
    double EndMileage = 0;
    double StartMileage = 0;
    double TotalDistance = 0;
    double BusDistance = 0;
    std::int16_t BussMilage = 0;
    std::int16_t SARSTable = 0;
    double ActualExpEmployee = 0;
    double FuelReimbEmployer = 0;
    double EmpPaidInsurance = 0;
    double EmpPaidLicence = 0;
    double EmpPaidMaintenance = 0;
    double FB3802ThisCar = 0;
    double FuelComponent = 0;
    double AdjustTaxableInc = 0;
};

}  // namespace revtal
