#pragma once
// The travel allowance deduction: the cost scale by the value of the vehicle,
// the distances deemed without a log book, and the two ways of claiming (by
// the cost scale, or by actual costs when accurate records are kept). Each
// routine takes the state as the car allowance screen left it and returns it
// with its results set; the screen calls exactly one deduction routine.
#include "taxrules/tax_year.h"
#include "taxrules/travel_allowance_state.h"

namespace revtal {

// The cost scale band of a vehicle value; 0 or less falls in the first band,
// a value on a band's upper bound in that band.
const taxyear::CostScaleRow& costScaleRow(double vehicleValue);

// FixedCost, FuelRate and MaintenanceRate (rand a km) from VehicleValue.
TravelAllowanceState LookUpCostScale(TravelAllowanceState state);

// TotalKm, BusinessKm and PrivateKm: the log book distance when given, else
// at most 14000 business km a year and the first 18000 km a year private, pro
// rata to the days of the period.
TravelAllowanceState DeemDistances(TravelAllowanceState state);

// Cost-scale method: the distances, the rates (cents a km), TotalRate and the
// Deduction, capped at the allowance received. Leaves TotalCosts and PrivateUse.
TravelAllowanceState CostScaleDeduction(TravelAllowanceState state);

// Actual-cost method: the distances, TotalCosts, PrivateUse and the Deduction.
// Leaves the rates.
TravelAllowanceState ActualCostDeduction(TravelAllowanceState state);

} // namespace revtal
