#pragma once
// The income tax scale and rebates every tax figure starts from.

namespace revtal {

struct TaxScaleResult {
    double MarginalRate = 0;
    double LowerBound = 0;
    double UpperBound = 0;
    double BaseTax = 0;
    double PortionTax = 0;
    double Tax = 0;  // before rebates
};

// Applies the scale to an annual taxable income. Unrounded; a negative income
// falls in the first bracket and gives a negative tax.
TaxScaleResult ApplyTaxScale(double taxableIncome);

// Primary, plus secondary from 65, plus tertiary from 75.
double rebateTotal(int age);

}  // namespace revtal
