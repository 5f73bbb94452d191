#include "taxrules/contributions.h"

#include "taxrules/tax_year.h"

namespace revtal {

int periodsPerYear(PayPeriod period)
{
    switch (period) {
    case PayPeriod::Year:
        return 1;
    case PayPeriod::Month:
        return 12;
    case PayPeriod::Fortnight:
        return 26;
    case PayPeriod::Week:
        return 52;
    case PayPeriod::Day:
        return 260;
    }
    return 1;
}

double retirementCap(PayPeriod period)
{
    return taxyear::kRetirementCapPerYear / periodsPerYear(period);
}

double uifCeiling(PayPeriod period, double uifLimitPerMonth)
{
    switch (period) {
    case PayPeriod::Year:
        return 12 * uifLimitPerMonth;
    case PayPeriod::Month:
        return uifLimitPerMonth;
    case PayPeriod::Fortnight:
    case PayPeriod::Week:
    case PayPeriod::Day:
        break;
    }
    return uifLimitPerMonth * 12 / periodsPerYear(period);
}

double periodMedicalCredit(PayPeriod period, double monthlyCredit)
{
    switch (period) {
    case PayPeriod::Year:
        return monthlyCredit * 12;
    case PayPeriod::Month:
        return monthlyCredit;
    case PayPeriod::Fortnight:
        return monthlyCredit / 2;
    case PayPeriod::Week:
        return monthlyCredit / 4;
    case PayPeriod::Day:
        return monthlyCredit * 12 / 260;
    }
    return monthlyCredit;
}

double taxableTravelAllowance(double allowance, double inclusionRate)
{
    return allowance * inclusionRate;
}

double retirementDeductionBase(const PeriodAmounts& a, double inclusionRate)
{
    return a.S + a.ME + a.K + a.N + taxableTravelAllowance(a.V, inclusionRate) + a.FE;
}

double retirementDeductionLimit(double contributions, double base, double cap)
{
    const double share = taxyear::kRetirementShare * base;
    double deduction = contributions <= share ? contributions : share;
    if (deduction >= cap)
        deduction = cap;
    return deduction;
}

double retirementDeduction(PayPeriod period, const PeriodAmounts& a, double inclusionRate)
{
    return retirementDeductionLimit(a.FE + a.FW, retirementDeductionBase(a, inclusionRate), retirementCap(period));
}

namespace {

// Full credit for the first `mainCount`, the lower one for every further one.
double medicalCredit(int count, int mainCount, double employerMedical, double employeeMedical)
{
    if (!(employerMedical > 0 || employeeMedical > 0))
        return 0;
    // In double: no overflow for any count the fields allow.
    const double n = count;
    if (count <= mainCount)
        return n * taxyear::kMedicalCreditMain;
    return mainCount * taxyear::kMedicalCreditMain + (n - mainCount) * taxyear::kMedicalCreditFurther;
}

} // namespace

double monthlyMedicalCredit(int beneficiaries, double employerMedical, double employeeMedical)
{
    return medicalCredit(beneficiaries, taxyear::kMedicalCreditMainCount, employerMedical, employeeMedical);
}

double beneficiaryMonthsMedicalCredit(int beneficiaryMonths, double employerMedical, double employeeMedical)
{
    return medicalCredit(beneficiaryMonths, 12 * taxyear::kMedicalCreditMainCount, employerMedical, employeeMedical);
}

double additionalMedicalCredit(double medicalCredit, double employerMedical, double employeeMedical, int age)
{
    if (medicalCredit <= 0 || !(employerMedical > 0 || employeeMedical > 0) || age < taxyear::kAdditionalMedicalAge)
        return 0;
    const double credit = (employerMedical + employeeMedical - taxyear::kAdditionalMedicalMultiple * medicalCredit) *
                          taxyear::kAdditionalMedicalRate;
    return credit < 0 ? 0 : credit;
}

UifContributions uifContributions(double base, double ceiling, double employeePercent, double employerPercent)
{
    const double charged = base > ceiling ? ceiling : base;
    return {charged * employeePercent / 100, charged * employerPercent / 100};
}

double periodUifBase(const PeriodAmounts& a, double inclusionRate)
{
    return a.S + a.ME + a.N + taxableTravelAllowance(a.V, inclusionRate) + a.FE;
}

double skillsLevy(double uifBase, double retirementDeduction, double commission, double levyPercent)
{
    return (uifBase - retirementDeduction + commission) * levyPercent / 100;
}

} // namespace revtal
