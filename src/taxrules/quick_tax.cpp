#include "taxrules/quick_tax.h"

#include "taxrules/tax_year.h"

#include <cmath>

namespace revtal {

QuickTaxResult NEWCALC(double taxableIncome, int age)
{
    QuickTaxResult r;
    // Built as 14958 plus the age extra, as the screen always has; the same figure as rebateTotal.
    const double extra = age >= taxyear::kTertiaryRebateAge
                             ? taxyear::kSecondaryRebate + taxyear::kTertiaryRebate
                             : (age >= taxyear::kSecondaryRebateAge ? taxyear::kSecondaryRebate : 0);
    r.rebate = std::floor(taxyear::kPrimaryRebate + extra);
    r.scale = ApplyTaxScale(taxableIncome);
    const double tax = r.scale.Tax;
    // Tax > 0 implies a positive income, so the divisions are safe.
    r.averageBefore = tax > 0 ? tax / taxableIncome * 100 : r.scale.MarginalRate;
    r.totalTax = tax;
    r.commitment = r.totalTax - r.rebate < 0 ? 0 : r.totalTax - r.rebate;
    r.averageAfter = tax > 0 ? (tax - r.rebate) / taxableIncome * 100 : 0;
    if (r.averageAfter < 0)
        r.averageAfter = 0;
    return r;
}

}  // namespace revtal
