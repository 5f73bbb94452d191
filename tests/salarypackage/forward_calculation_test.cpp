#include "salarypackage/forward_calculation.h"

#include <limits>

#include <gtest/gtest.h>

#include "package_test_inputs.h"
#include "taxrules/tax_scale.h"

namespace revtal {
namespace {

constexpr PackagePeriod kYear = PackagePeriod::Year;
constexpr PackagePeriod kMonth = PackagePeriod::Month;

using test::oneEachWay;
using test::typedAmount;

TEST(ForwardPackage, annual_package_without_extras)
{
    const auto r = CalculatePackageForward(kYear, typedAmount(300000), oneEachWay());
    ASSERT_FALSE(r.refused());
    EXPECT_EQ(r.figures.LIM, 0);
    EXPECT_EQ(r.figures.TI, 300000);
    EXPECT_EQ(r.numMAns, ApplyTaxScale(300000).Tax - 14958);
    EXPECT_EQ(r.numMAns, 46570);
    EXPECT_EQ(r.numCCSkillLev, 3000);
    // 12 x 17712 = 212544 is below the package: UIF on the ceiling.
    EXPECT_DOUBLE_EQ(r.numUIFCont, 2125.44);
    EXPECT_DOUBLE_EQ(r.numCCUIFCont, 2125.44);
    EXPECT_EQ(r.numTaxDeduct, 46570);
    EXPECT_DOUBLE_EQ(r.numGrossSal, 300000 - 2125.44 - 46570);
    EXPECT_DOUBLE_EQ(r.numTotCostComp, 300000 + 2125.44 + 3000);
    EXPECT_FALSE(r.warningLineShown);
    EXPECT_FALSE(r.printLocked);

    auto set = oneEachWay();
    set.UIFLimit = 30000;
    EXPECT_EQ(CalculatePackageForward(kYear, typedAmount(300000), set).numUIFCont, 3000);
}

TEST(ForwardPackage, monthly_package_with_every_kind_of_amount)
{
    auto in = typedAmount(30000);
    in.numTravAll = 5000;
    in.numMedAidCont = 1000;
    in.numCCMedAidCont = 1500;
    in.numPMems = 2;
    in.numOTaxFB = 500;
    auto set = oneEachWay();
    set.PensionCont = 7.5;
    set.EmployerPenCont = 10;
    const auto r = CalculatePackageForward(kMonth, in, set);
    ASSERT_FALSE(r.refused());
    EXPECT_EQ(r.figures.MTC, 638);
    EXPECT_EQ(r.figures.AMC, 0);
    EXPECT_EQ(r.figures.EEC, 2250);
    EXPECT_EQ(r.figures.ERC, 3000);
    EXPECT_EQ(r.figures.LIM, 5250);
    EXPECT_EQ(r.figures.TI, 285000);
    EXPECT_DOUBLE_EQ(r.numMAns, (57628.0 - 14958) / 12);
    EXPECT_DOUBLE_EQ(r.numUIFCont, 177.12);
    EXPECT_DOUBLE_EQ(r.numCCSkillLev, 237.5);
    EXPECT_EQ(r.numTaxCredit, 638);
    EXPECT_DOUBLE_EQ(r.numTaxDeduct, (57628.0 - 14958) / 12 - 638);
    EXPECT_NEAR(r.numGrossSal, 18655.0467, 1e-4);
    EXPECT_DOUBLE_EQ(r.numTotCostComp, 33414.62);
    EXPECT_EQ(r.numRFundCont, 2250);
    EXPECT_EQ(r.numCCRFundCont, 3000);
    EXPECT_FALSE(r.warningLineShown); // contributions equal to the limit
}

TEST(ForwardPackage, medical_credit_by_beneficiaries_and_period)
{
    struct Case {
        PackagePeriod period;
        int beneficiaries;
        double employee, employer, credit;
        int fieldAfter;
    };
    const Case cases[] = {
        {kMonth, 3, 100, 0, 853, 3},    {kMonth, 2, 0, 100, 638, 2}, {kMonth, 3, 0, 0, 0, 0},
        {kYear, 36, 100, 0, 10236, 36}, {kYear, 24, 0, 1, 7656, 24}, {kYear, 12, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.beneficiaries);
        auto in = typedAmount(20000);
        in.numPMems = static_cast<std::int16_t>(c.beneficiaries);
        in.numMedAidCont = c.employee;
        in.numCCMedAidCont = c.employer;
        const auto r = CalculatePackageForward(c.period, in, oneEachWay());
        EXPECT_EQ(r.figures.MTC, c.credit);
        EXPECT_EQ(r.numPMems, c.fieldAfter);
        EXPECT_EQ(r.numTaxCredit, c.credit);
    }
}

TEST(ForwardPackage, additional_credit_from_65_and_medical_deductions_cleared_under_65)
{
    auto in = typedAmount(20000, 64);
    in.numPMems = 2;
    in.numMedAidCont = 3000;
    in.numCCMedAidCont = 2000;
    in.numMedDeduct = 400;
    auto r = CalculatePackageForward(kMonth, in, oneEachWay());
    EXPECT_EQ(r.figures.AMC, 0);
    EXPECT_EQ(r.numMedDeduct, 0);
    EXPECT_EQ(r.figures.REB, 14958);
    in.numAge = 65;
    r = CalculatePackageForward(kMonth, in, oneEachWay());
    EXPECT_DOUBLE_EQ(r.figures.AMC, (2000 + 3000 - 3 * 638.0) * 0.333);
    EXPECT_EQ(r.numMedDeduct, 400);
    EXPECT_EQ(r.figures.REB, 23157);
    in.numAge = 75;
    EXPECT_EQ(CalculatePackageForward(kMonth, in, oneEachWay()).figures.REB, 25893);
}

TEST(ForwardPackage, retirement_percentages_limit_and_warning)
{
    struct Case {
        double employeePercent, employerPercent, package;
        PackagePeriod period;
        double limit;
        bool warning;
    };
    const Case cases[] = {
        {25, 10, 500000, kYear, 151250, true},          {20, 10, 500000, kYear, 150000, false},
        {10, 7.5, 2000000, kYear, 350000, false},  // exactly the cap
        {12.5, 7.5, 2000000, kYear, 350000, true}, // 400000 cut to the cap
        {10, 7.5, 200000, kMonth, 350000.0 / 12, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.employeePercent);
        auto set = oneEachWay();
        set.PensionCont = c.employeePercent;
        set.EmployerPenCont = c.employerPercent;
        const auto r = CalculatePackageForward(c.period, typedAmount(c.package), set);
        EXPECT_EQ(r.figures.LIM, c.limit);
        EXPECT_EQ(r.warningLineShown, c.warning);
        EXPECT_EQ(r.printLocked, c.warning);
        EXPECT_EQ(r.numRFundCont, c.package * c.employeePercent / 100);
        EXPECT_EQ(r.numCCRFundCont, c.package * c.employerPercent / 100);
    }
}

TEST(ForwardPackage, typed_retirement_amounts_are_used_and_kept_without_percentages)
{
    auto in = typedAmount(30000);
    in.numRFundCont = 2000;
    in.numCCRFundCont = 1000;
    const auto r = CalculatePackageForward(kMonth, in, oneEachWay());
    EXPECT_EQ(r.figures.LIM, 3000);
    EXPECT_EQ(r.figures.TI, 12 * 27000.0);
    EXPECT_EQ(r.numRFundCont, 2000);
    EXPECT_EQ(r.numCCRFundCont, 1000);
    EXPECT_DOUBLE_EQ(r.numGrossSal, 30000 - 2000 - 177.12 - r.numTaxDeduct - 1000);
}

TEST(ForwardPackage, a_computed_contribution_replaces_the_typed_one_for_later_calculations)
{
    auto set = oneEachWay();
    set.PensionCont = 10;
    auto in = typedAmount(30000);
    in.numRFundCont = 500;
    const auto first = CalculatePackageForward(kMonth, in, set);
    EXPECT_EQ(first.numRFundCont, 3000);
    set.PensionCont = 0;
    in.numRFundCont = first.numRFundCont;
    in.numNetMonSalReq = 40000;
    const auto second = CalculatePackageForward(kMonth, in, set);
    EXPECT_EQ(second.figures.EEC, 3000);
}

TEST(ForwardPackage, company_car_benefit_by_maintenance_plan_and_period)
{
    struct Case {
        PackagePeriod period;
        bool plan;
        double rate, benefit;
    };
    const Case cases[] = {
        {kMonth, true, 0.8, 2600}, {kMonth, false, 0.8, 2800}, {kYear, true, 0.8, 31200},
        {kYear, false, 0.2, 8400}, {kMonth, false, 0.2, 700},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.benefit);
        auto set = oneEachWay();
        set.CompCarMPYesNo = c.plan;
        set.CompCarFBRate8020 = c.rate;
        auto in = typedAmount(40000);
        in.numCompCar = 100000;
        const auto r = CalculatePackageForward(c.period, in, set);
        EXPECT_DOUBLE_EQ(r.figures.CFB, c.benefit);
        EXPECT_DOUBLE_EQ(r.figures.U, 40000 + c.benefit);
    }
}

TEST(ForwardPackage, travel_allowance_counts_in_full_but_taxed_at_the_inclusion_rate)
{
    auto in = typedAmount(30000);
    in.numTravAll = 10000;
    auto set = oneEachWay();
    set.TAIncRate8020 = 0.2;
    const auto r = CalculatePackageForward(kMonth, in, set);
    EXPECT_EQ(r.figures.U, 22000);
    EXPECT_EQ(r.figures.TI, 12 * 22000.0);
}

TEST(ForwardPackage, uif_on_a_base_equal_to_the_ceiling)
{
    EXPECT_DOUBLE_EQ(CalculatePackageForward(kMonth, typedAmount(17712), oneEachWay()).numUIFCont, 177.12);
    EXPECT_DOUBLE_EQ(CalculatePackageForward(kYear, typedAmount(212544), oneEachWay()).numUIFCont, 2125.44);
}

TEST(ForwardPackage, other_expenses_reduce_take_home_pay_on_both_periods)
{
    for (auto period : {kMonth, kYear}) {
        auto in = typedAmount(30000);
        const double without = CalculatePackageForward(period, in, oneEachWay()).numGrossSal;
        in.numOtherDet = {100, 200, 300, 400};
        const auto r = CalculatePackageForward(period, in, oneEachWay());
        EXPECT_DOUBLE_EQ(r.numGrossSal, without - 1000);
    }
}

TEST(ForwardPackage, low_package_pays_no_tax_and_deductions_may_make_take_home_negative)
{
    auto in = typedAmount(5000);
    in.numOTaxFB = 9000;
    const auto r = CalculatePackageForward(kMonth, in, oneEachWay());
    EXPECT_EQ(r.numMAns, 0);
    EXPECT_EQ(r.numTaxDeduct, 0);
    EXPECT_DOUBLE_EQ(r.numGrossSal, 5000 - 9000 - 50);
}

TEST(ForwardPackage, once_off_car_line_only_for_a_car_bought_outright)
{
    auto in = typedAmount(40000);
    in.numCompCar = 100000;
    auto r = CalculatePackageForward(kMonth, in, oneEachWay());
    EXPECT_TRUE(r.onceOffLineShown);
    EXPECT_EQ(r.numOnceOff, 100000);
    in.numCCCompCar = 1;
    r = CalculatePackageForward(kMonth, in, oneEachWay());
    EXPECT_FALSE(r.onceOffLineShown);
    EXPECT_EQ(r.numOnceOff, 0);
    EXPECT_EQ(r.numTotCostComp, 40000 + r.numCCUIFCont + r.numCCSkillLev + 1);
}

TEST(ForwardPackage, zero_package_is_refused_silently_keeping_previous_results_and_lock)
{
    auto set = oneEachWay();
    set.PensionCont = 25;
    set.EmployerPenCont = 10;
    auto in = typedAmount(500000);
    in.numCompCar = 1000;
    const auto previous = CalculatePackageForward(kYear, in, set);
    ASSERT_TRUE(previous.warningLineShown);
    ASSERT_TRUE(previous.onceOffLineShown);
    in.numNetMonSalReq = 0;
    in.numRFundCont = 77;
    const auto r = CalculatePackageForward(kYear, in, set, previous);
    EXPECT_TRUE(r.refused());
    EXPECT_EQ(r.refusal, PackageRefusal::NoAmount);
    EXPECT_TRUE(r.message.empty());
    EXPECT_EQ(r.numGrossSal, previous.numGrossSal);
    EXPECT_EQ(r.numMAns, previous.numMAns);
    EXPECT_EQ(r.numRFundCont, 77); // the field as it stands
    EXPECT_FALSE(r.warningLineShown);
    EXPECT_TRUE(r.printLocked);
    EXPECT_FALSE(r.onceOffLineShown);

    const auto fresh = CalculatePackageForward(kYear, in, set);
    EXPECT_TRUE(fresh.refused());
    EXPECT_EQ(fresh.numGrossSal, 0);
    EXPECT_FALSE(fresh.printLocked);
}

TEST(ForwardPackage, settings_that_are_not_numbers_are_refused)
{
    auto set = oneEachWay();
    set.TAIncRate8020 = std::numeric_limits<double>::quiet_NaN();
    const auto r = CalculatePackageForward(kMonth, typedAmount(30000), set);
    EXPECT_EQ(r.refusal, PackageRefusal::UnusableValues);
    EXPECT_FALSE(r.message.empty());
    set.TAIncRate8020 = 0.8;
    set.CompCarFBRate8020 = 1e308;
    auto in = typedAmount(30000);
    in.numCompCar = 99999999.99;
    EXPECT_EQ(CalculatePackageForward(kYear, in, set).refusal, PackageRefusal::UnusableValues);
}

} // namespace
} // namespace revtal
