#include "taxrules/tax_scale.h"

#include "taxrules/tax_year.h"

namespace revtal {

TaxScaleResult ApplyTaxScale(double taxableIncome)
{
    const auto& scale = taxyear::kIncomeTaxScale;
    // An income on a bound belongs to the lower bracket; the top bracket takes the rest.
    std::size_t i = 0;
    while (i + 1 < scale.size() && taxableIncome > scale[i].upperBound)
        ++i;
    const auto& b = scale[i];
    TaxScaleResult r;
    r.MarginalRate = b.marginalRate;
    r.LowerBound = b.lowerBound;
    r.UpperBound = b.upperBound;
    r.BaseTax = b.baseTax;
    r.PortionTax = (taxableIncome - b.lowerBound) * b.marginalRate / 100;
    r.Tax = r.BaseTax + r.PortionTax;
    return r;
}

double rebateTotal(int age)
{
    double total = taxyear::kPrimaryRebate;
    if (age >= taxyear::kSecondaryRebateAge)
        total += taxyear::kSecondaryRebate;
    if (age >= taxyear::kTertiaryRebateAge)
        total += taxyear::kTertiaryRebate;
    return total;
}

}  // namespace revtal
