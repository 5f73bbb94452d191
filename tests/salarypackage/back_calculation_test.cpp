#include "salarypackage/back_calculation.h"

#include <limits>

#include <gtest/gtest.h>

#include "salarypackage/back_search.h"
#include "salarypackage/package_calculation.h"
#include "package_test_inputs.h"

namespace revtal {
namespace {

constexpr PackagePeriod kYear = PackagePeriod::Year;
constexpr PackagePeriod kMonth = PackagePeriod::Month;

using test::oneEachWay;
using test::typedAmount;

TEST(BackPackage, annual_required_net_with_nothing_else)
{
    const auto r = CalculatePackageBack(kYear, typedAmount(120000), oneEachWay());
    ASSERT_FALSE(r.refused());
    // NET = 0.81 W + 14958 in the first bracket: first above 120000 at 129682.
    EXPECT_EQ(r.figures.W, 129682);
    EXPECT_DOUBLE_EQ(r.figures.TAX, 129682 * 0.18 - 14958);
    EXPECT_DOUBLE_EQ(r.numUIFCont, 1296.82);
    EXPECT_DOUBLE_EQ(r.figures.NET, 129682 - 1296.82 - (129682 * 0.18 - 14958));
    EXPECT_GT(r.figures.NET, 120000);
    EXPECT_DOUBLE_EQ(r.numTaxDeduct, r.numMAns);
    EXPECT_DOUBLE_EQ(r.numGrossSal, 120000 + r.numUIFCont + r.numTaxDeduct);
    EXPECT_DOUBLE_EQ(r.numCCSkillLev, 1296.82);
    EXPECT_DOUBLE_EQ(r.numTotCostComp, r.numGrossSal + r.numCCUIFCont + r.numCCSkillLev);
    EXPECT_FALSE(r.warningLineShown);
}

TEST(BackPackage, the_search_moves_one_rand_a_period)
{
    // Monthly: NET = W - UIF - (scale(12 W) - 14958) / 12; 12 W stays in the first bracket.
    const auto r = CalculatePackageBack(kMonth, typedAmount(10000), oneEachWay());
    ASSERT_FALSE(r.refused());
    const double W = r.figures.W;
    auto net = [](double w) { return w - w / 100 - (12 * w * 18 / 100 - 14958) / 12; };
    EXPECT_GT(net(W), 10000);
    EXPECT_LE(net(W - 1), 10000);
    EXPECT_EQ(W, 10807);
}

TEST(BackPackage, fringe_benefit_check_counts_retirement_amounts_only_on_the_annual_screen)
{
    auto in = typedAmount(100000);
    in.numTravAll = 50000;
    in.numOTaxFB = 30000;
    in.numOtherDet = {4000, 3000, 2000, 1000};
    in.numRFundCont = 20000;
    const auto annual = CalculatePackageBack(kYear, in, oneEachWay());
    EXPECT_EQ(annual.refusal, PackageRefusal::FringeBenefits);
    EXPECT_EQ(annual.message, "Fringe benefits more than salary required!");
    const auto monthly = CalculatePackageBack(kMonth, in, oneEachWay());
    EXPECT_FALSE(monthly.refused());

    in.numNetMonSalReq = 110000; // equal passes
    EXPECT_FALSE(CalculatePackageBack(kYear, in, oneEachWay()).refused());
    in.numCCRFundCont = 5000; // the employer amount lowers F
    in.numNetMonSalReq = 105000;
    EXPECT_FALSE(CalculatePackageBack(kYear, in, oneEachWay()).refused());
}

TEST(BackPackage, zero_required_net_is_refused_silently_and_keeps_previous_warning)
{
    auto set = oneEachWay();
    set.PensionCont = 25;
    set.EmployerPenCont = 10; // as if saved on a forward screen
    const auto previous = CalculatePackageBack(kYear, typedAmount(400000), set);
    ASSERT_FALSE(previous.refused());
    ASSERT_TRUE(previous.warningLineShown);
    const auto r = CalculatePackageBack(kYear, typedAmount(0), set, previous);
    EXPECT_EQ(r.refusal, PackageRefusal::NoAmount);
    EXPECT_TRUE(r.message.empty());
    EXPECT_TRUE(r.warningLineShown);
    EXPECT_TRUE(r.printLocked);
    EXPECT_EQ(r.numGrossSal, previous.numGrossSal);
    EXPECT_EQ(r.figures.W, previous.figures.W);
    EXPECT_EQ(r.numRFundCont, 0); // the field as it stands, not the previous contribution

    const auto fresh = CalculatePackageBack(kYear, typedAmount(0), set);
    EXPECT_FALSE(fresh.warningLineShown);
    EXPECT_EQ(fresh.numGrossSal, 0);
}

TEST(BackPackage, credits_above_the_tax_are_deducted_instead_of_it)
{
    auto in = typedAmount(5000, 70);
    in.numMedAidCont = 5000;
    in.numPMems = 2;
    const auto r = CalculatePackageBack(kMonth, in, oneEachWay());
    ASSERT_FALSE(r.refused());
    const double credits = 638 + (5000 - 3 * 638.0) * 0.333;
    EXPECT_DOUBLE_EQ(r.numTaxCredit, credits);
    EXPECT_EQ(r.numMAns, 0);
    EXPECT_EQ(r.numTaxDeduct, 0);
    EXPECT_DOUBLE_EQ(r.figures.NET, r.figures.W - r.numUIFCont - credits);
    EXPECT_DOUBLE_EQ(r.numGrossSal, 5000 + r.numUIFCont + 0 + 5000);
}

TEST(BackPackage, retirement_percentages_follow_the_search_salary)
{
    auto set = oneEachWay();
    set.PensionCont = 7.5;
    set.EmployerPenCont = 10;
    auto in = typedAmount(20000);
    in.numRFundCont = 999;
    in.numCCRFundCont = 888;
    const auto r = CalculatePackageBack(kMonth, in, set);
    ASSERT_FALSE(r.refused());
    const double W = r.figures.W;
    EXPECT_EQ(r.numRFundCont, W * 7.5 / 100);
    EXPECT_EQ(r.numCCRFundCont, W * 10 / 100);
    EXPECT_DOUBLE_EQ(r.numGrossSal, 20000 + r.numUIFCont + r.numTaxDeduct + r.numRFundCont);
    EXPECT_DOUBLE_EQ(r.numTotCostComp, r.numGrossSal + r.numCCUIFCont + r.numCCSkillLev + r.numCCRFundCont);
    // The UIF base takes the employer contribution, the levy base leaves both out.
    EXPECT_DOUBLE_EQ(r.figures.U, W + r.numCCRFundCont);
    EXPECT_DOUBLE_EQ(r.numCCSkillLev, (r.figures.U - (r.numRFundCont + r.numCCRFundCont)) / 100);
}

TEST(BackPackage, typed_retirement_amounts_are_deducted_in_full_and_warn_above_the_limit)
{
    auto in = typedAmount(10000);
    in.numRFundCont = 5000;
    const auto r = CalculatePackageBack(kMonth, in, oneEachWay());
    ASSERT_FALSE(r.refused());
    EXPECT_EQ(r.figures.EEC, 5000);
    EXPECT_EQ(r.numRFundCont, 5000);
    EXPECT_DOUBLE_EQ(r.figures.LIM, 0.275 * r.figures.W);
    EXPECT_TRUE(r.warningLineShown);
    EXPECT_TRUE(r.printLocked);
    EXPECT_DOUBLE_EQ(r.numGrossSal, 10000 + r.numUIFCont + r.numTaxDeduct + 5000);
}

TEST(BackPackage, medical_deductions_count_from_65_and_are_cleared_below)
{
    auto in = typedAmount(10000, 64);
    in.numMedDeduct = 1000;
    auto r = CalculatePackageBack(kMonth, in, oneEachWay());
    EXPECT_EQ(r.numMedDeduct, 0);
    const double young = r.figures.W;
    in.numAge = 65;
    r = CalculatePackageBack(kMonth, in, oneEachWay());
    EXPECT_EQ(r.numMedDeduct, 1000);
    EXPECT_DOUBLE_EQ(r.numGrossSal, 1000 + 10000 + r.numUIFCont + r.numTaxDeduct);
    EXPECT_GT(r.figures.W, young);
}

TEST(BackPackage, beneficiaries_are_cleared_without_contributions)
{
    auto in = typedAmount(10000);
    in.numPMems = 3;
    EXPECT_EQ(CalculatePackageBack(kMonth, in, oneEachWay()).numPMems, 0);
    in.numCCMedAidCont = 1;
    EXPECT_EQ(CalculatePackageBack(kMonth, in, oneEachWay()).numPMems, 3);
}

TEST(BackPackage, full_retirement_percentage_never_reaches_the_net_and_is_refused)
{
    auto set = oneEachWay();
    set.PensionCont = 100;
    auto in = typedAmount(10000);
    in.numPMems = 2;
    in.numMedDeduct = 50;
    const auto r = CalculatePackageBack(kMonth, in, set);
    EXPECT_EQ(r.refusal, PackageRefusal::NetUnreachable);
    EXPECT_FALSE(r.message.empty());
    EXPECT_EQ(r.numPMems, 0);
    EXPECT_EQ(r.numMedDeduct, 0);
    EXPECT_EQ(r.numRFundCont, 0);
}

TEST(BackPackage, once_off_car_line_and_car_cost)
{
    auto in = typedAmount(30000);
    in.numCompCar = 200000;
    auto r = CalculatePackageBack(kMonth, in, oneEachWay());
    EXPECT_TRUE(r.onceOffLineShown);
    EXPECT_EQ(r.numOnceOff, 200000);
    in.numCCCompCar = 4000;
    r = CalculatePackageBack(kMonth, in, oneEachWay());
    EXPECT_FALSE(r.onceOffLineShown);
    EXPECT_DOUBLE_EQ(r.numTotCostComp, r.numGrossSal + r.numCCUIFCont + r.numCCSkillLev + 4000);
    // The car benefit is taxed: a higher salary is needed than without the car.
    EXPECT_GT(r.figures.W, CalculatePackageBack(kMonth, typedAmount(30000), oneEachWay()).figures.W);
}

TEST(BackPackage, values_that_are_not_numbers_or_overflow_are_refused)
{
    auto set = oneEachWay();
    set.SkillLevy = std::numeric_limits<double>::infinity();
    EXPECT_EQ(CalculatePackageBack(kMonth, typedAmount(10000), set).refusal, PackageRefusal::UnusableValues);
    set = oneEachWay();
    set.CompCarFBRate8020 = 1e308;
    auto in = typedAmount(10000);
    in.numCompCar = 99999999.99;
    const auto r = CalculatePackageBack(kYear, in, set);
    EXPECT_EQ(r.refusal, PackageRefusal::UnusableValues);
    EXPECT_FALSE(r.message.empty());
}

TEST(BackPackage, dispatch_by_direction)
{
    const auto back = CalculatePackage(PackageDirection::Back, kYear, typedAmount(120000), oneEachWay());
    EXPECT_EQ(back.figures.W, 129682);
    const auto forward = CalculatePackage(PackageDirection::Forward, kYear, typedAmount(129682), oneEachWay());
    EXPECT_DOUBLE_EQ(forward.numGrossSal, back.figures.NET);
}

} // namespace
} // namespace revtal
