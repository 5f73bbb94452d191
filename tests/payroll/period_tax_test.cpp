#include "payroll/period_tax.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

namespace revtal {
namespace {

constexpr int kMarch1 = kTaxYearStart; // 01/03/2020

int date(int year, int month, int day)
{
    return dayNumber(year, month, day);
}

PeriodTaxInput monthly(double salary, int startDay = 1, int endDay = 31, int month = 3, int year = 2020)
{
    PeriodTaxInput in;
    in.period = PayPeriod::Month;
    in.age = 40;
    in.amounts.S = salary;
    in.startDate = date(year, month, startDay);
    in.endDate = date(year, month, endDay);
    return in;
}

PeriodTaxInput shortPeriod(PayPeriod period, double salary, int normal = 0, int thisDays = 0)
{
    PeriodTaxInput in;
    in.period = period;
    in.age = 40;
    in.amounts.S = salary;
    in.normalDays = normal;
    in.thisDays = thisDays;
    return in;
}

PeriodTaxInput annual(double salary, int start = kTaxYearStart, int end = kTaxYearEnd)
{
    PeriodTaxInput in;
    in.period = PayPeriod::Year;
    in.age = 40;
    in.amounts.S = salary;
    in.startDate = start;
    in.endDate = end;
    return in;
}

double scale(double income)
{
    return ApplyTaxScale(income).Tax;
}

TEST(PeriodTax, monthly_full_month_taxes_a_twelfth_of_the_annual_tax)
{
    const PeriodTaxResult r = calculatePeriodTax(monthly(30000));
    ASSERT_TRUE(r.computed());
    EXPECT_EQ(r.annualEquivalent, 360000);
    EXPECT_EQ(r.taxWithoutBonus, 79048 - 14958);
    EXPECT_DOUBLE_EQ(r.tax, 64090.0 / 12);
    EXPECT_EQ(r.daysWorked, 31);
    EXPECT_EQ(r.daysInMonth, 31);
    EXPECT_DOUBLE_EQ(r.totalTax, r.tax);
    // The shared tax scale is left at the annual equivalent without the bonus.
    EXPECT_EQ(r.TaxableIncome, 360000);
    EXPECT_EQ(r.TaxScaleResult.Tax, 79048);
    EXPECT_EQ(r.TaxScaleResult.MarginalRate, 31);
}

TEST(PeriodTax, monthly_part_month_annualises_by_the_days_worked_and_takes_their_share)
{
    const PeriodTaxResult r = calculatePeriodTax(monthly(30000, 1, 15));
    EXPECT_EQ(r.annualEquivalent, 744000);
    EXPECT_DOUBLE_EQ(r.tax, (217827.0 - 14958) / 12 * 15 / 31);
    EXPECT_NEAR(r.tax, 8180.20, 0.005);
}

TEST(PeriodTax, monthly_days_in_month_follow_the_start_month_with_february_always_28)
{
    struct Case {
        int year, month, lastDay, daysInMonth;
    };
    for (const Case& k :
         {Case{2020, 3, 31, 31}, Case{2020, 4, 30, 30}, Case{2020, 5, 31, 31}, Case{2020, 6, 30, 30},
          Case{2020, 7, 31, 31}, Case{2020, 8, 31, 31}, Case{2020, 9, 30, 30}, Case{2020, 10, 31, 31},
          Case{2020, 11, 30, 30}, Case{2020, 12, 31, 31}, Case{2021, 1, 31, 31}, Case{2021, 2, 28, 28}}) {
        SCOPED_TRACE(k.month);
        const PeriodTaxResult r = calculatePeriodTax(monthly(30000, 1, k.lastDay, k.month, k.year));
        ASSERT_TRUE(r.computed());
        EXPECT_EQ(r.daysInMonth, k.daysInMonth);
        EXPECT_EQ(r.annualEquivalent, 360000); // a full month in every month
        EXPECT_DOUBLE_EQ(r.tax, 64090.0 / 12);
    }
    EXPECT_EQ(daysInMonthOf(date(2024, 2, 10)), 28); // a leap year too
}

TEST(PeriodTax, monthly_single_day_is_accepted)
{
    const PeriodTaxResult r = calculatePeriodTax(monthly(1000, 10, 10));
    ASSERT_TRUE(r.computed());
    EXPECT_EQ(r.daysWorked, 1);
    EXPECT_EQ(r.annualEquivalent, 12 * 1000 * 31);
    EXPECT_DOUBLE_EQ(r.tax, (scale(372000) - 14958) / 12 * 1 / 31);
}

TEST(PeriodTax, bonus_below_the_threshold_is_shielded_monthly_but_reduced_weekly)
{
    PeriodTaxInput m = monthly(5000);
    m.amounts.N = 20000;
    const PeriodTaxResult month = calculatePeriodTax(m);
    EXPECT_EQ(month.annualEquivalent, 60000);
    EXPECT_EQ(month.tax, 0);

    PeriodTaxInput w = shortPeriod(PayPeriod::Week, 60000.0 / 52, 5, 5);
    w.amounts.N = 20000;
    const PeriodTaxResult week = calculatePeriodTax(w);
    EXPECT_NEAR(week.annualEquivalent, 60000, 1e-6);
    EXPECT_NEAR(week.tax, 3600 + (10800.0 - 14958) / 52, 1e-6);
    EXPECT_NEAR(week.tax, 3520.04, 0.005);

    PeriodTaxInput f = shortPeriod(PayPeriod::Fortnight, 60000.0 / 26, 10, 10);
    f.amounts.N = 20000;
    EXPECT_NEAR(calculatePeriodTax(f).tax, 3600 + (10800.0 - 14958) / 26, 1e-6);
}

TEST(PeriodTax, short_periods_annualise_by_their_day_counts)
{
    struct Case {
        PayPeriod period;
        int normal, thisDays;
    };
    for (const Case& k :
         {Case{PayPeriod::Week, 5, 5}, Case{PayPeriod::Week, 5, 3}, Case{PayPeriod::Week, 7, 1},
          Case{PayPeriod::Fortnight, 10, 10}, Case{PayPeriod::Fortnight, 14, 9}, Case{PayPeriod::Day, 0, 0}}) {
        const int periods = k.period == PayPeriod::Week ? 52 : k.period == PayPeriod::Fortnight ? 26 : 260;
        SCOPED_TRACE(periods);
        SCOPED_TRACE(k.thisDays);
        PeriodTaxInput in = shortPeriod(k.period, 2500, k.normal, k.thisDays);
        in.amounts.N = 3000;
        const PeriodTaxResult r = calculatePeriodTax(in);
        ASSERT_TRUE(r.computed());
        const double A = k.period == PayPeriod::Day ? 260.0 * 2500 : double(periods) * 2500 * k.normal / k.thisDays;
        EXPECT_DOUBLE_EQ(r.annualEquivalent, A);
        const double share = k.period == PayPeriod::Day ? (scale(A) - 14958) / 260
                                                        : (scale(A) - 14958) / periods * k.thisDays / k.normal;
        EXPECT_DOUBLE_EQ(r.tax, std::max(0.0, (scale(A + 3000) - scale(A)) + share));
    }
}

TEST(PeriodTax, daily_tax_adds_the_bonus_tax_to_a_260th_share)
{
    PeriodTaxInput in = shortPeriod(PayPeriod::Day, 1000);
    in.amounts.N = 5000;
    const PeriodTaxResult r = calculatePeriodTax(in);
    EXPECT_EQ(r.annualEquivalent, 260000);
    EXPECT_DOUBLE_EQ(r.tax, (52428.0 - 51128) + (51128.0 - 14958) / 260);
    // Below the threshold the share is negative and a small bonus tax is lost.
    in.amounts.S = 100;
    in.amounts.N = 100;
    EXPECT_EQ(calculatePeriodTax(in).tax, 0);
}

TEST(PeriodTax, regular_income_takes_taxable_allowance_and_contributions_but_not_the_employee_medical)
{
    PeriodTaxInput in = monthly(20000);
    in.amounts.K = 1000;
    in.amounts.V = 5000;
    in.amounts.ME = 1500;
    in.amounts.MW = 2500;
    in.amounts.FE = 800;
    in.amounts.FW = 1200;
    in.amounts.N = 4000;
    in.settings.TAIncRate8020 = 0.2;
    const PeriodTaxResult r = calculatePeriodTax(in);
    EXPECT_EQ(r.taxableTravelAllowance, 1000);
    EXPECT_EQ(r.retirementDeduction, 2000);
    EXPECT_EQ(r.regularIncome, 20000 + 1000 + 1000 - 2000 + 1500 + 800);
    EXPECT_EQ(r.annualEquivalent, 12 * r.regularIncome);
    // UIF base: salary, employer medical, bonus, taxable allowance, employer fund; no commission.
    EXPECT_EQ(r.uifBase, 20000 + 1500 + 4000 + 1000 + 800);
    EXPECT_DOUBLE_EQ(r.skillsLevy, (r.uifBase - 2000 + 1000) * 1 / 100);
}

TEST(PeriodTax, shown_deduction_and_taxable_allowance_round_halves_to_even)
{
    struct Case {
        double salary, shown;
    };
    // D = 27.5% of the salary when the contributions are larger.
    for (const Case& k : {Case{20, 6}, Case{60, 16}}) {
        PeriodTaxInput in = monthly(k.salary);
        in.amounts.FW = 1000;
        const PeriodTaxResult r = calculatePeriodTax(in);
        EXPECT_DOUBLE_EQ(r.retirementDeduction, 0.275 * k.salary);
        EXPECT_EQ(r.retirementDeductionShown, k.shown);
    }
    PeriodTaxInput w = shortPeriod(PayPeriod::Week, 0, 5, 5);
    w.amounts.V = 12.5;
    w.settings.TAIncRate8020 = 0.2;
    EXPECT_EQ(calculatePeriodTax(w).taxableTravelAllowanceShown, 2); // 2.5
    w.amounts.V = 17.5;
    EXPECT_EQ(calculatePeriodTax(w).taxableTravelAllowanceShown, 4); // 3.5
}

TEST(PeriodTax, retirement_deduction_is_capped_per_period)
{
    struct Case {
        PayPeriod period;
        double cap;
    };
    for (const Case& k :
         {Case{PayPeriod::Month, 350000.0 / 12}, Case{PayPeriod::Fortnight, 350000.0 / 26},
          Case{PayPeriod::Week, 350000.0 / 52}, Case{PayPeriod::Day, 350000.0 / 260}, Case{PayPeriod::Year, 350000}}) {
        PeriodTaxInput in = k.period == PayPeriod::Month  ? monthly(9000000)
                            : k.period == PayPeriod::Year ? annual(9000000)
                                                          : shortPeriod(k.period, 9000000, 5, 5);
        in.amounts.FW = 9000000;
        EXPECT_EQ(calculatePeriodTax(in).retirementDeduction, k.cap);
    }
}

TEST(PeriodTax, uif_is_charged_up_to_the_period_ceiling)
{
    struct Case {
        PayPeriod period;
        double salary, employee;
    };
    // UIFLimit 13000 and 1%: monthly 12000 -> 120, 20000 -> 130; weekly ceiling 3000.
    for (const Case& k :
         {Case{PayPeriod::Month, 12000, 120}, Case{PayPeriod::Month, 20000, 130}, Case{PayPeriod::Week, 3500, 30},
          Case{PayPeriod::Week, 2000, 20}, Case{PayPeriod::Fortnight, 9000, 13000.0 * 12 / 26 / 100},
          Case{PayPeriod::Day, 9000, 13000.0 * 12 / 260 / 100}}) {
        PeriodTaxInput in = k.period == PayPeriod::Month ? monthly(k.salary) : shortPeriod(k.period, k.salary, 5, 5);
        in.settings.UIFLimit = 13000;
        in.settings.EmployerUIF = 2;
        const PeriodTaxResult r = calculatePeriodTax(in);
        EXPECT_DOUBLE_EQ(r.uifEmployee, k.employee);
        EXPECT_DOUBLE_EQ(r.uifEmployer, 2 * k.employee);
    }
}

TEST(PeriodTax, short_period_medical_credit_uses_the_period_factor)
{
    struct Case {
        PayPeriod period;
        double credit;
    };
    for (const Case& k : {Case{PayPeriod::Month, 853}, Case{PayPeriod::Fortnight, 426.5}, Case{PayPeriod::Week, 213.25},
                          Case{PayPeriod::Day, 853.0 * 12 / 260}}) {
        PeriodTaxInput in = k.period == PayPeriod::Month ? monthly(40000) : shortPeriod(k.period, 4000, 5, 5);
        in.beneficiaries = 3;
        in.amounts.MW = 1;
        const PeriodTaxResult r = calculatePeriodTax(in);
        EXPECT_DOUBLE_EQ(r.medicalCredit, k.credit);
        EXPECT_DOUBLE_EQ(r.totalTax, std::max(0.0, r.tax - k.credit));
        in.amounts.MW = 0;
        EXPECT_EQ(calculatePeriodTax(in).medicalCredit, 0);
    }
}

TEST(PeriodTax, additional_medical_credit_from_65_and_total_never_negative)
{
    PeriodTaxInput in = monthly(30000);
    in.beneficiaries = 2;
    in.amounts.ME = 3000;
    in.amounts.MW = 1000;
    in.age = 64;
    EXPECT_EQ(calculatePeriodTax(in).additionalMedicalCredit, 0);
    in.age = 65;
    PeriodTaxResult r = calculatePeriodTax(in);
    EXPECT_DOUBLE_EQ(r.additionalMedicalCredit, (4000 - 3 * 638.0) * 0.333);
    EXPECT_DOUBLE_EQ(r.totalTax, r.tax - (638 + r.additionalMedicalCredit));

    in.amounts.S = 12000; // tax below the credits
    r = calculatePeriodTax(in);
    EXPECT_GT(r.medicalCredit + r.additionalMedicalCredit, r.tax);
    EXPECT_EQ(r.totalTax, 0);
}

TEST(PeriodTax, annual_full_year_is_neither_annualised_nor_prorated)
{
    PeriodTaxInput in = annual(500000);
    in.amounts.N = 50000;
    const PeriodTaxResult r = calculatePeriodTax(in);
    EXPECT_EQ(r.daysWorked, 365);
    EXPECT_EQ(r.annualEquivalent, 500000);
    EXPECT_DOUBLE_EQ(r.tax, scale(550000) - 14958);
    EXPECT_EQ(r.uifEmployee, 0); // no UIF or levy on the annual screen
    EXPECT_EQ(r.skillsLevy, 0);
    EXPECT_EQ(r.TaxableIncome, 500000);
}

TEST(PeriodTax, annual_part_year_prorates_the_regular_tax_and_adds_the_bonus_tax_in_full)
{
    PeriodTaxInput in = annual(100000, kMarch1, kMarch1 + 99);
    in.amounts.N = 10000;
    const PeriodTaxResult r = calculatePeriodTax(in);
    EXPECT_EQ(r.daysWorked, 100);
    EXPECT_EQ(r.annualEquivalent, 365000);
    EXPECT_DOUBLE_EQ(r.tax, 65640.0 * 100 / 365 + (68740 - 65640));
}

TEST(PeriodTax, annual_taxes_lose_their_cents_only_with_travel_allowance_or_commission)
{
    struct Case {
        double salary, allowance, commission, tax;
    };
    for (const Case& k : {Case{300008, 0, 0, 46572.08}, Case{300000, 10, 0, 46572}, Case{300000, 0, 1, 46570},
                          Case{300001, 0, 0, 46570.26}}) {
        SCOPED_TRACE(k.salary + k.allowance + k.commission);
        PeriodTaxInput in = annual(k.salary);
        in.amounts.V = k.allowance;
        in.amounts.K = k.commission;
        EXPECT_NEAR(calculatePeriodTax(in).tax, k.tax, 1e-6);
    }
}

TEST(PeriodTax, annual_medical_credit_counts_the_months_of_the_period)
{
    struct Case {
        int start, end;
        double credit;
        std::array<std::int16_t, 13> after;
    };
    std::array<std::int16_t, 13> two{};
    two.fill(2);
    two[0] = 0;
    const std::array<std::int16_t, 13> juneToSeptember{0, 0, 0, 0, 0, 0, 2, 2, 2, 2, 0, 0, 0};
    const std::array<std::int16_t, 13> februaryOnly{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (const Case& k : {Case{kTaxYearStart, kTaxYearEnd, 7656, two},
                          Case{date(2020, 6, 1), date(2020, 9, 30), 4 * 638.0, juneToSeptember},
                          Case{date(2021, 2, 1), date(2021, 2, 28), 638, februaryOnly}}) {
        PeriodTaxInput in = annual(400000, k.start, k.end);
        in.monthBeneficiaries = two;
        in.amounts.ME = 100;
        const PeriodTaxResult r = calculatePeriodTax(in);
        EXPECT_EQ(r.medicalCredit, k.credit);
        EXPECT_EQ(r.monthBeneficiaries, k.after);
    }
    // Each month with its own count.
    PeriodTaxInput in = annual(400000);
    in.amounts.MW = 1;
    in.monthBeneficiaries = {0, 1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 24};
    EXPECT_EQ(calculatePeriodTax(in).medicalCredit, 319 + 638 + 853 + 1068 + (638 + 22 * 215));
    // No contribution: no credit and the month fields stay as typed.
    in.amounts.MW = 0;
    in.startDate = date(2020, 6, 1);
    const PeriodTaxResult r = calculatePeriodTax(in);
    EXPECT_EQ(r.medicalCredit, 0);
    EXPECT_EQ(r.monthBeneficiaries, in.monthBeneficiaries);
}

TEST(PeriodTax, period_checks_refuse_before_anything_is_computed)
{
    struct Case {
        PeriodTaxInput input;
        PeriodRefusal refusal;
    };
    PeriodTaxInput crossing = monthly(30000);
    crossing.startDate = date(2020, 3, 15);
    crossing.endDate = date(2020, 4, 14);
    PeriodTaxInput emptyDate = monthly(30000);
    emptyDate.endDate = kEmptyDate;
    PeriodTaxInput reversedYear = annual(30000, date(2020, 9, 1), date(2020, 8, 31));
    PeriodTaxInput beforeYear = annual(30000, kTaxYearStart - 1, kTaxYearEnd);
    for (const Case& k : {
             Case{crossing, PeriodRefusal::DifferentMonths},
             Case{monthly(30000, 20, 10), PeriodRefusal::StartAfterEnd},
             Case{emptyDate, PeriodRefusal::DateOutsideTaxYear},
             Case{monthly(30000, 1, 31, 3, 2021), PeriodRefusal::DateOutsideTaxYear},
             Case{shortPeriod(PayPeriod::Week, 1000, 5, 6), PeriodRefusal::ThisWeekAboveNormal},
             Case{shortPeriod(PayPeriod::Week, 1000, 5, 0), PeriodRefusal::NoDaysThisWeek},
             Case{shortPeriod(PayPeriod::Week, 1000, 0, 0), PeriodRefusal::NoDaysThisWeek},
             Case{shortPeriod(PayPeriod::Fortnight, 1000, 14, 15), PeriodRefusal::ThisFortnightAboveNormal},
             Case{shortPeriod(PayPeriod::Fortnight, 1000, 14, 0), PeriodRefusal::NoDaysThisFortnight},
             Case{reversedYear, PeriodRefusal::StartAfterEnd},
             Case{beforeYear, PeriodRefusal::DateOutsideTaxYear},
         }) {
        const PeriodTaxResult r = calculatePeriodTax(k.input);
        EXPECT_EQ(r.refusal, k.refusal);
        EXPECT_FALSE(r.computed());
        EXPECT_EQ(r.tax, 0);
        EXPECT_EQ(r.TaxableIncome, 0);
        EXPECT_FALSE(periodRefusalMessage(k.input.period, k.refusal).text.empty());
    }
    for (const PeriodTaxInput& ok : {monthly(30000, 10, 10), shortPeriod(PayPeriod::Week, 1000, 5, 5),
                                     shortPeriod(PayPeriod::Fortnight, 1000, 14, 1), shortPeriod(PayPeriod::Day, 1000),
                                     annual(1000, kTaxYearEnd, kTaxYearEnd)})
        EXPECT_TRUE(calculatePeriodTax(ok).computed());
}

TEST(PeriodTax, refusal_messages_are_the_screens_texts)
{
    struct Case {
        PayPeriod period;
        PeriodRefusal refusal;
        const char *text, *title, *focus;
    };
    for (const Case& k : {
             Case{PayPeriod::Month, PeriodRefusal::DifferentMonths,
                  "The Start and End dates entered must be for the same Month", "Incorrect Date", "dtMEndDate"},
             Case{PayPeriod::Month, PeriodRefusal::StartAfterEnd, "The Start date entered must be before the End date",
                  "Incorrect Date", "dtMStartDate"},
             Case{PayPeriod::Week, PeriodRefusal::ThisWeekAboveNormal,
                  "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.",
                  "Incorrect Number of Days", "cmdCalculate"},
             Case{PayPeriod::Fortnight, PeriodRefusal::ThisFortnightAboveNormal,
                  "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'.",
                  "Incorrect Number of Days", "cmdCalculate"},
             Case{PayPeriod::Week, PeriodRefusal::NoDaysThisWeek,
                  "The number of 'This work-week' days must be at least 1.", "Incorrect Number of Days", "silgEdit22"},
             Case{PayPeriod::Fortnight, PeriodRefusal::NoDaysThisFortnight,
                  "The number of 'This fortnight' days must be at least 1.", "Incorrect Number of Days", "silgEdit22"},
             Case{PayPeriod::Year, PeriodRefusal::StartAfterEnd, "The Start date entered must be before the End date",
                  "Incorrect Date", "dtStartDate"},
         }) {
        const PeriodRefusalMessage m = periodRefusalMessage(k.period, k.refusal);
        EXPECT_EQ(m.text, k.text);
        EXPECT_EQ(m.title, k.title);
        EXPECT_EQ(m.focus, k.focus);
    }
    EXPECT_TRUE(periodRefusalMessage(PayPeriod::Day, PeriodRefusal::ResultNotFinite).text.empty());
}

TEST(PeriodTax, settings_that_are_not_finite_refuse_quietly)
{
    PeriodTaxInput in = monthly(30000);
    in.settings.UIFLimit = std::numeric_limits<double>::infinity();
    in.settings.EmployeeUIF = std::numeric_limits<double>::infinity();
    EXPECT_EQ(calculatePeriodTax(in).refusal, PeriodRefusal::ResultNotFinite);
}

// Every value the fields accept, for every period: finite, never negative where
// floored, and refused only by a period check.
TEST(PeriodTax, generated_inputs_give_finite_figures)
{
    std::mt19937 gen(44255);
    std::uniform_int_distribution<int> pick(0, 9);
    auto upTo = [&](double max, bool cents) {
        const int p = pick(gen);
        if (p == 0)
            return 0.0;
        if (p == 1)
            return max;
        const double v = std::uniform_real_distribution<double>(0, max)(gen);
        return cents ? std::round(v * 100) / 100 : std::round(v);
    };
    for (int round = 0; round < 3000; ++round) {
        PeriodTaxInput in;
        in.period = static_cast<PayPeriod>(round % 5);
        const bool cents =
            in.period == PayPeriod::Week || in.period == PayPeriod::Fortnight || in.period == PayPeriod::Day;
        const double moneyMax = in.period == PayPeriod::Year ? 999999999 : cents ? 9999999.99 : 99999999;
        in.age = static_cast<std::int16_t>(upTo(999, false));
        in.amounts = {upTo(moneyMax, cents),
                      upTo(moneyMax, cents),
                      upTo(moneyMax, cents),
                      upTo(moneyMax, cents),
                      upTo(in.period == PayPeriod::Year ? 99999999 : moneyMax, cents),
                      upTo(in.period == PayPeriod::Year ? 99999999 : moneyMax, cents),
                      upTo(in.period == PayPeriod::Year ? 999999999 : 99999999, false),
                      upTo(in.period == PayPeriod::Year ? 999999999 : 99999999, false)};
        in.settings = {upTo(100, true), upTo(100, true), upTo(999999, false), upTo(100, true),
                       pick(gen) < 5 ? 0.8 : 0.2};
        in.beneficiaries = static_cast<std::int16_t>(upTo(99, false));
        for (int m = 1; m <= 12; ++m)
            in.monthBeneficiaries[m] = static_cast<std::int16_t>(upTo(99, false));
        const int maxDays = in.period == PayPeriod::Week ? 7 : 14;
        in.normalDays = static_cast<int>(upTo(maxDays, false));
        in.thisDays = static_cast<int>(upTo(maxDays, false));
        in.startDate = std::uniform_int_distribution<int>(kTaxYearStart, kTaxYearEnd)(gen);
        in.endDate = std::uniform_int_distribution<int>(in.startDate, kTaxYearEnd)(gen);
        if (in.period == PayPeriod::Month && pick(gen) < 7) {
            const CalendarDate s = calendarDate(in.startDate);
            in.endDate = std::min(kTaxYearEnd, dayNumber(s.year, s.month, daysInMonthOf(in.startDate)));
        }

        const PeriodTaxResult r = calculatePeriodTax(in);
        const PeriodRefusal check = periodCheck(in);
        EXPECT_EQ(r.refusal, check) << "round " << round;
        if (!r.computed())
            continue;
        for (double x : {r.retirementDeduction, r.tax, r.medicalCredit, r.additionalMedicalCredit, r.totalTax,
                         r.uifEmployee, r.uifEmployer, r.skillsLevy, r.annualEquivalent})
            ASSERT_TRUE(std::isfinite(x)) << "round " << round;
        EXPECT_GE(r.tax, 0);
        EXPECT_GE(r.totalTax, 0);
        EXPECT_LE(r.totalTax, r.tax);
        EXPECT_GE(r.medicalCredit, 0);
        EXPECT_GE(r.additionalMedicalCredit, 0);
    }
}

TEST(PeriodTax, all_fields_at_zero_or_at_their_maximum_compute)
{
    for (int p = 0; p < 5; ++p) {
        const auto period = static_cast<PayPeriod>(p);
        for (double v : {0.0, 999999999.0}) {
            PeriodTaxInput in;
            in.period = period;
            in.age = v == 0 ? 0 : 999;
            in.amounts = {v, v, v, v, v, v, v, v};
            in.settings = {v == 0 ? 0.0 : 100, v == 0 ? 0.0 : 100, v == 0 ? 0.0 : 999999, v == 0 ? 0.0 : 100, 0.8};
            in.beneficiaries = v == 0 ? 0 : 99;
            in.monthBeneficiaries.fill(v == 0 ? 0 : 99);
            in.normalDays = in.thisDays = v == 0 ? 0 : 14;
            in.startDate = kTaxYearStart;
            in.endDate = period == PayPeriod::Month ? kTaxYearStart + 30 : kTaxYearEnd;
            const PeriodTaxResult r = calculatePeriodTax(in);
            const bool dividesByZero = v == 0 && (period == PayPeriod::Week || period == PayPeriod::Fortnight);
            EXPECT_EQ(r.computed(), !dividesByZero) << p << " " << v;
            if (!r.computed())
                continue;
            EXPECT_TRUE(std::isfinite(r.totalTax));
            EXPECT_TRUE(std::isfinite(r.skillsLevy));
            if (v == 0) {
                EXPECT_EQ(r.tax, 0);
                EXPECT_EQ(r.totalTax, 0);
            } else {
                EXPECT_GT(r.tax, 0);
            }
        }
    }
}

} // namespace
} // namespace revtal
