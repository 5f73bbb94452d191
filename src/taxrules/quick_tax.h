#pragma once
// The quick tax calculation of an annual taxable income and an age.
#include "taxrules/tax_scale.h"

namespace revtal {

struct QuickTaxResult {
    TaxScaleResult scale;     // what ApplyTaxScale left
    double totalTax = 0;      // T
    double rebate = 0;        // R
    double commitment = 0;    // C, never negative
    double averageBefore = 0; // B, percent
    double averageAfter = 0;  // D, percent, never negative
};

QuickTaxResult NEWCALC(double taxableIncome, int age);

}  // namespace revtal
