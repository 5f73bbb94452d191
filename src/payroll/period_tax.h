#pragma once
// The PAYE, medical credits, UIF and skills levy of one pay period of the
// tax year: the regular income is annualised and taxed on the annual scale,
// the period takes its share, and a bonus adds its tax on top in full.
#include <array>
#include <cstdint>
#include <string>

#include "shell/day_number.h"
#include "taxrules/contributions.h"
#include "taxrules/tax_scale.h"

namespace revtal {

// The working settings of a period screen, as loaded from Setup.
struct PeriodSettings {
    double EmployeeUIF = 1;  // %
    double EmployerUIF = 1;  // %
    double UIFLimit = 14872; // rand a month, on every screen
    double SkillLevy = 1;    // %
    double TAIncRate8020 = 0.8;
};

struct PeriodTaxInput {
    PayPeriod period = PayPeriod::Month;
    std::int16_t age = 0;
    PeriodAmounts amounts; // for the period entered
    PeriodSettings settings;
    // Short periods: people covered by the medical scheme.
    std::int16_t beneficiaries = 0;
    // Year: people covered in each calendar month, [1] January to [12] December ([0] unused).
    std::array<std::int16_t, 13> monthBeneficiaries{};
    // Month and year.
    int startDate = kTaxYearStart;
    int endDate = kTaxYearEnd;
    // Week and fortnight: the normal day count and this period's.
    int normalDays = 0;
    int thisDays = 0;
};

enum class PeriodRefusal {
    None,
    DateOutsideTaxYear,  // a date field left empty or outside the tax year
    DifferentMonths,     // monthly
    StartAfterEnd,       // monthly, and a reversed annual period
    ThisWeekAboveNormal, // weekly
    ThisFortnightAboveNormal,
    NoDaysThisWeek, // would divide by a day count of 0
    NoDaysThisFortnight,
    ResultNotFinite, // refused quietly
};

// What the screen shows for a refusal: message, title and the control that
// takes the focus; an empty text means the refusal is quiet.
struct PeriodRefusalMessage {
    std::string text;
    std::string title;
    std::string focus;
};

PeriodRefusalMessage periodRefusalMessage(PayPeriod period, PeriodRefusal refusal);

struct PeriodTaxResult {
    // Anything but None: nothing was computed and the screen keeps its results.
    PeriodRefusal refusal = PeriodRefusal::None;

    double retirementDeduction = 0;      // D
    double retirementDeductionShown = 0; // D rounded to whole rand
    double taxableTravelAllowance = 0;   // V x r
    double taxableTravelAllowanceShown = 0;
    double regularIncome = 0;    // R: the period's taxable income without the bonus
    double annualEquivalent = 0; // A
    double rebate = 0;
    double taxWithBonus = 0;            // the annual tax on A + N as the period's rule takes it
    double taxWithoutBonus = 0;         // the same on A
    double tax = 0;                     // P, "Tax liability"
    double medicalCredit = 0;           // M
    double additionalMedicalCredit = 0; // AM
    double totalTax = 0;                // T, never negative
    double uifBase = 0;                 // U; no UIF or levy on the annual screen
    double uifEmployee = 0;
    double uifEmployer = 0;
    double skillsLevy = 0;

    double daysWorked = 0;  // month: days in the period; year: days of the period
    double daysInMonth = 0; // month only

    // The shared tax scale values the calculation leaves: the annual
    // equivalent without the bonus and its scale.
    double TaxableIncome = 0;
    revtal::TaxScaleResult TaxScaleResult;

    // Year: the month fields afterwards; months outside the period are set
    // to 0 when a medical contribution is above 0.
    std::array<std::int16_t, 13> monthBeneficiaries{};

    bool computed() const { return refusal == PeriodRefusal::None; }
};

// The period check of the screen; None when the calculation may run.
PeriodRefusal periodCheck(const PeriodTaxInput& input);

// "&Calculate" of a period screen: the check, the medical credit, the tax of
// the period, UIF and skills levy, the additional medical credit and the total.
PeriodTaxResult calculatePeriodTax(const PeriodTaxInput& input);

// Days in the month of a date as the monthly screen counts them: February
// always 28.
int daysInMonthOf(int dayNumber);

} // namespace revtal
