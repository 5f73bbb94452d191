#pragma once
// Payroll contributions and credits of the tax year: taxable travel allowance,
// retirement deduction limit, medical scheme fees credit, additional medical
// credit, UIF and skills levy. Every rule works on the amounts of one pay
// period; nothing here rounds. The settings percentages (EmployeeUIF,
// EmployerUIF, SkillLevy) are percent values, TAIncRate8020 a fraction.

namespace revtal {

enum class PayPeriod { Year, Month, Fortnight, Week, Day };

// 1, 12, 26, 52, 260.
int periodsPerYear(PayPeriod period);

// 350000 divided by the periods per year, unrounded (350000 / 12 = 29166.666...).
double retirementCap(PayPeriod period);

// The UIF ceiling of a period from the monthly UIFLimit: month UIFLimit,
// fortnight UIFLimit x 12 / 26, week x 12 / 52, day x 12 / 260. The annual
// period screen computes no UIF; for Year this gives 12 x UIFLimit, the
// ceiling the annual salary package screens use.
double uifCeiling(PayPeriod period, double uifLimitPerMonth);

// The medical scheme fees credit of a period from the monthly credit: month x1,
// fortnight /2, week /4 (not 12/52), day x 12 / 260. For Year this is 12
// months of the same credit; the annual period screen adds up its own months.
double periodMedicalCredit(PayPeriod period, double monthlyCredit);

// What the period screens read for one pay period, in rand for the period.
struct PeriodAmounts {
    double S = 0;  // salary / remuneration
    double K = 0;  // commission
    double N = 0;  // bonus
    double V = 0;  // travel allowance received
    double ME = 0; // employer medical scheme contribution
    double MW = 0; // employee medical scheme contribution
    double FE = 0; // employer retirement fund contribution
    double FW = 0; // employee retirement fund contribution
};

// V x TAIncRate8020: the only part of the allowance that is taxed.
double taxableTravelAllowance(double allowance, double inclusionRate);

// B = S + ME + K + N + V x rate + FE (bonus and commission in, MW out).
double retirementDeductionBase(const PeriodAmounts& amounts, double inclusionRate);

// The contributions when they are at most 27.5% of the base, else 27.5% of
// the base; then cut to the cap when at least the cap.
double retirementDeductionLimit(double contributions, double base, double cap);

// The period screens' deduction: contributions FE + FW against the base above
// and the period's cap.
double retirementDeduction(PayPeriod period, const PeriodAmounts& amounts, double inclusionRate);

// The credit for one month: 0 unless a contribution is above 0; else
// n x 319 for n <= 2, 638 + (n - 2) x 215 above.
double monthlyMedicalCredit(int beneficiaries, double employerMedical, double employeeMedical);

// The same rule over the beneficiary-months of a year (two people all year =
// 24): n x 319 for n <= 24, 7656 + (n - 24) x 215 above.
double beneficiaryMonthsMedicalCredit(int beneficiaryMonths, double employerMedical, double employeeMedical);

// (ME + MW - 3 x credit) x 0.333 from 65, never negative; 0 when the credit is
// not above 0, when no contribution is above 0 or under 65.
double additionalMedicalCredit(double medicalCredit, double employerMedical, double employeeMedical, int age);

struct UifContributions {
    double employee = 0;
    double employer = 0;
};

// Both portions on the base, or on the ceiling when the base is above it.
UifContributions uifContributions(double base, double ceiling, double employeePercent, double employerPercent);

// The period screens' UIF base U = S + ME + N + V x rate + FE (no commission).
double periodUifBase(const PeriodAmounts& amounts, double inclusionRate);

// SDL = (U - retirement deduction + K) x SkillLevy / 100; no ceiling, no floor.
double skillsLevy(double uifBase, double retirementDeduction, double commission, double levyPercent);

} // namespace revtal
