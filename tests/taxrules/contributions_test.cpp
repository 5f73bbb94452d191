#include "taxrules/contributions.h"

#include <gtest/gtest.h>

namespace revtal {
namespace {

TEST(PayPeriodScaling, caps_ceilings_and_credits_follow_the_period_table)
{
    struct Case {
        PayPeriod period;
        int periods;
        double cap;
        double ceiling; // for UIFLimit 13000
        double credit;  // for a monthly credit of 853
    };
    const Case cases[] = {
        {PayPeriod::Year, 1, 350000, 156000, 10236},
        {PayPeriod::Month, 12, 350000.0 / 12, 13000, 853},
        {PayPeriod::Fortnight, 26, 350000.0 / 26, 13000.0 * 12 / 26, 426.5},
        {PayPeriod::Week, 52, 350000.0 / 52, 3000, 213.25},
        {PayPeriod::Day, 260, 350000.0 / 260, 600, 853.0 * 12 / 260},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.periods);
        EXPECT_EQ(periodsPerYear(c.period), c.periods);
        EXPECT_EQ(retirementCap(c.period), c.cap);
        EXPECT_EQ(uifCeiling(c.period, 13000), c.ceiling);
        EXPECT_EQ(periodMedicalCredit(c.period, 853), c.credit);
    }
    EXPECT_NEAR(periodMedicalCredit(PayPeriod::Day, 853), 39.3692, 1e-4);
}

TEST(TravelAllowance, only_the_inclusion_rate_is_taxable)
{
    EXPECT_EQ(taxableTravelAllowance(5000, 0.8), 4000);
    EXPECT_EQ(taxableTravelAllowance(5000, 0.2), 1000);
    EXPECT_EQ(taxableTravelAllowance(5000, 0.5), 2500);
}

TEST(RetirementDeduction, base_takes_bonus_commission_and_employer_amounts_but_not_employee_medical)
{
    PeriodAmounts a;
    a.S = 20000;
    a.K = 1000;
    a.N = 3000;
    a.V = 5000;
    a.ME = 700;
    a.MW = 900;
    a.FE = 1500;
    a.FW = 2000;
    EXPECT_EQ(retirementDeductionBase(a, 0.8), 20000 + 700 + 1000 + 3000 + 4000 + 1500);
}

TEST(RetirementDeduction, share_of_base_and_cap)
{
    struct Case {
        double contributions, base, cap, expected;
    };
    const Case cases[] = {
        {6000, 20000, 350000.0 / 12, 5500}, // 27.5% of 20000 below the contributions
        {5000, 20000, 350000.0 / 12, 5000}, // contributions below the share
        {5500, 20000, 350000.0 / 12, 5500}, // equal: the same figure
        {40000, 200000, 350000.0 / 12, 350000.0 / 12},
        {400000, 2000000, 350000, 350000},
        {350000, 2000000, 350000, 350000}, // at the cap stays the cap
        {0, 0, 350000, 0},
        {1000, 0, 350000, 0}, // nothing to deduct against
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contributions);
        EXPECT_EQ(retirementDeductionLimit(c.contributions, c.base, c.cap), c.expected);
    }
}

TEST(RetirementDeduction, period_screens_add_both_contributions)
{
    PeriodAmounts a;
    a.S = 20000;
    a.FW = 6000;
    EXPECT_EQ(retirementDeduction(PayPeriod::Month, a, 0.8), 5500);
    a.FW = 5000;
    EXPECT_EQ(retirementDeduction(PayPeriod::Month, a, 0.8), 5000);
    a.S = 200000;
    a.FW = 30000;
    a.FE = 10000;
    EXPECT_EQ(retirementDeduction(PayPeriod::Month, a, 0.8), 350000.0 / 12);
    EXPECT_EQ(retirementDeduction(PayPeriod::Week, a, 0.8), 350000.0 / 52);
}

TEST(MedicalCredit, monthly_by_beneficiaries)
{
    struct Case {
        int n;
        double employer, employee, expected;
    };
    const Case cases[] = {
        {1, 0, 1, 319},
        {2, 1, 0, 638},
        {3, 1, 1, 853},
        {5, 0, 0.01, 1283},
        {0, 500, 500, 0}, // contributions without beneficiaries
        {4, 0, 0, 0},     // beneficiaries without contributions
        {4, -5, 0, 0},    // no contribution above 0
        {99, 1, 0, 638 + 97 * 215.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(monthlyMedicalCredit(c.n, c.employer, c.employee), c.expected);
    }
}

TEST(MedicalCredit, beneficiary_months_of_a_year)
{
    EXPECT_EQ(beneficiaryMonthsMedicalCredit(12, 1, 0), 12 * 319.0);
    EXPECT_EQ(beneficiaryMonthsMedicalCredit(24, 1, 0), 7656);
    EXPECT_EQ(beneficiaryMonthsMedicalCredit(36, 0, 1), 10236);
    EXPECT_EQ(beneficiaryMonthsMedicalCredit(999, 0, 1), 7656 + 975 * 215.0);
    EXPECT_EQ(beneficiaryMonthsMedicalCredit(36, 0, 0), 0);
}

TEST(AdditionalMedicalCredit, from_65_on_what_exceeds_three_times_the_credit)
{
    struct Case {
        double credit, employer, employee;
        int age;
        double expected;
    };
    const Case cases[] = {
        {638, 3000, 2000, 64, 0},
        {638, 3000, 2000, 65, (3000 + 2000 - 3 * 638.0) * 0.333},
        {638, 3000, 2000, 75, (3000 + 2000 - 3 * 638.0) * 0.333},
        {853, 1000, 1000, 70, 0}, // below three times the credit: not negative
        {0, 3000, 2000, 70, 0},   // no credit
        {638, 0, 0, 70, 0},       // no contribution
        {319, 0, 957, 65, 0},     // exactly three times
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.age);
        EXPECT_EQ(additionalMedicalCredit(c.credit, c.employer, c.employee, c.age), c.expected);
    }
    EXPECT_NEAR(additionalMedicalCredit(638, 3000, 2000, 65), 1027.638, 1e-9);
}

TEST(Uif, charged_on_the_base_up_to_the_ceiling)
{
    struct Case {
        double base, ceiling, employee, employer;
    };
    const Case cases[] = {
        {12000, 13000, 120, 120}, {20000, 13000, 130, 130},
        {13000, 13000, 130, 130}, {3500, uifCeiling(PayPeriod::Week, 13000), 30, 30},
        {0, 13000, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base);
        const auto uif = uifContributions(c.base, c.ceiling, 1, 1);
        EXPECT_EQ(uif.employee, c.employee);
        EXPECT_EQ(uif.employer, c.employer);
    }
    const auto split = uifContributions(10000, 13000, 1, 2.5);
    EXPECT_EQ(split.employee, 100);
    EXPECT_EQ(split.employer, 250);
}

TEST(Uif, period_base_leaves_out_commission_and_employee_amounts)
{
    PeriodAmounts a;
    a.S = 10000;
    a.K = 5000;
    a.N = 2000;
    a.V = 1000;
    a.ME = 300;
    a.MW = 400;
    a.FE = 600;
    a.FW = 700;
    EXPECT_EQ(periodUifBase(a, 0.2), 10000 + 300 + 2000 + 200 + 600);
}

TEST(SkillsLevy, on_uif_base_less_deduction_plus_commission_without_floor)
{
    EXPECT_EQ(skillsLevy(20000, 5000, 3000, 1), 180);
    EXPECT_EQ(skillsLevy(1000, 5000, 0, 1), -40);
    EXPECT_EQ(skillsLevy(1000000, 0, 0, 0), 0);
}

} // namespace
} // namespace revtal
