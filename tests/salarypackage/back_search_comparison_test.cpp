// The fast back search against the rand-by-rand reference, on a table of
// cases and on generated inputs of every kind the screens accept.
#include <array>
#include <cmath>
#include <cstdint>
#include <random>

#include <gtest/gtest.h>

#include "salarypackage/back_calculation.h"
#include "salarypackage/back_search.h"
#include "salarypackage/back_search_reference.h"
#include "package_test_inputs.h"

namespace revtal {
namespace {

constexpr std::uint32_t kSeed = 20210228;
constexpr std::uint64_t kTableSteps = 5000000;
constexpr std::uint64_t kGeneratedSteps = 100000;
constexpr std::uint64_t kHighSteps = 4000000;

struct Case {
    PackagePeriod period;
    PackageInputs in;
    PackageSettings set;
};

using test::oneEachWay;

// The back screens only search when the fringe benefits do not exceed the net.
bool searches(const Case& c)
{
    return c.in.numNetMonSalReq != 0 && !(backFringeBenefits(c.period, c.in) > c.in.numNetMonSalReq);
}

// Compares the two searches; false when the reference gave up within `steps`.
bool expectSameSalary(const Case& c, std::uint64_t steps)
{
    const BackSearchSetup setup = makeBackSearchSetup(c.period, c.in, c.set);
    const auto fast = findBackSalary(setup);
    const auto literal = referenceFindBackSalary(setup, steps);
    if (!literal) {
        // Not found within the steps: the fast search must agree that nothing is below.
        if (fast) {
            EXPECT_GT(*fast, static_cast<double>(steps));
        }
        return false;
    }
    EXPECT_TRUE(fast.has_value());
    if (fast) {
        EXPECT_EQ(*fast, *literal);
    }
    return true;
}

Case annual(double net)
{
    Case c{PackagePeriod::Year, {}, oneEachWay()};
    c.in.numNetMonSalReq = net;
    c.in.numAge = 40;
    return c;
}

Case monthly(double net)
{
    Case c = annual(net);
    c.period = PackagePeriod::Month;
    return c;
}

TEST(BackSearchComparison, table_of_cases)
{
    std::vector<Case> cases;
    for (double net : {0.01, 1.0, 100.0, 79000.0, 87300.0, 120000.0, 180000.0, 260000.0, 500000.0, 1200000.0})
        cases.push_back(annual(net));
    for (double net : {0.01, 5000.0, 6600.0, 10000.0, 20000.0, 45000.0, 100000.0, 400000.0})
        cases.push_back(monthly(net));
    {
        // Credits above the tax at 70.
        Case c = monthly(8000);
        c.in.numAge = 70;
        c.in.numMedAidCont = 6000;
        c.in.numCCMedAidCont = 2000;
        c.in.numPMems = 4;
        cases.push_back(c);
        c.period = PackagePeriod::Year;
        c.in.numNetMonSalReq = 150000;
        c.in.numPMems = 48;
        cases.push_back(c);
    }
    {
        // Every amount at once, percentages and a car.
        Case c = monthly(60000);
        c.in.numAge = 66;
        c.in.numCompCar = 450000;
        c.in.numTravAll = 6000;
        c.in.numMedAidCont = 2500;
        c.in.numCCMedAidCont = 3500;
        c.in.numPMems = 3;
        c.in.numOTaxFB = 800;
        c.in.numMedDeduct = 300;
        c.in.numOtherDet = {120.5, 80, 0, 33.33};
        c.set.PensionCont = 7.5;
        c.set.EmployerPenCont = 10;
        c.set.TAIncRate8020 = 0.2;
        cases.push_back(c);
        c.period = PackagePeriod::Year;
        c.in.numNetMonSalReq = 700000;
        c.in.numPMems = 36;
        cases.push_back(c);
    }
    {
        // UIF at 100%: the net does not rise with W until the ceiling.
        Case c = monthly(3000);
        c.set.EmployeeUIF = 100;
        c.set.UIFLimit = 4000;
        cases.push_back(c);
        c.set.EmployerPenCont = 100;
        cases.push_back(c);
    }
    {
        // The net falls as W rises, so only W = 1 can pass.
        Case c = monthly(0.5);
        c.in.numTravAll = 0.5;
        c.set.PensionCont = 90;
        c.set.EmployeeUIF = 50;
        cases.push_back(c);
    }
    {
        // Rounding alone lifts the net above the required one: (1 + 0.1) - 1 > 0.1.
        Case c = monthly(0.1);
        c.in.numTravAll = 0.1;
        c.set.PensionCont = 100;
        c.set.EmployeeUIF = 0;
        cases.push_back(c);
    }
    {
        // Retirement amounts held on the annual screen.
        Case c = annual(300000);
        c.in.numRFundCont = 30000;
        c.in.numCCRFundCont = 45000;
        cases.push_back(c);
    }
    {
        // A UIF limit of 0 and a skills levy of 100.
        Case c = annual(250000);
        c.set.UIFLimit = 0;
        c.set.SkillLevy = 100;
        cases.push_back(c);
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "case " << i << ", net " << cases[i].in.numNetMonSalReq);
        ASSERT_TRUE(searches(cases[i]));
        EXPECT_TRUE(expectSameSalary(cases[i], kTableSteps));
    }
}

TEST(BackSearchComparison, the_net_is_never_reached)
{
    struct Unreachable {
        const char* why;
        Case c;
    };
    std::vector<Unreachable> cases;
    {
        Case c = monthly(10000);
        c.set.PensionCont = 100;
        cases.push_back({"all of the salary to the fund", c});
    }
    {
        Case c = annual(50000);
        c.set.PensionCont = 100;
        c.set.EmployeeUIF = 100;
        c.set.UIFLimit = 999999;
        cases.push_back({"fund and UIF take everything", c});
    }
    {
        // The net equals the required one exactly at every W: never above it.
        Case c = monthly(0.5);
        c.in.numTravAll = 0.5;
        c.set.PensionCont = 100;
        c.set.EmployeeUIF = 0;
        cases.push_back({"a net that stays on the required one", c});
    }
    {
        // Every amount at its largest and 99.999% to the fund: the net rises by
        // R0.0000055 a rand, so it would take some 5 x 10^13 rand.
        Case c = annual(99999999.99);
        c.in.numAge = 999;
        c.in.numPMems = 999;
        c.in.numCompCar = 99999999.99;
        c.in.numMedAidCont = 99999999.99;
        c.in.numCCMedAidCont = 99999999.99;
        c.in.numMedDeduct = 99999999.99;
        c.in.numCCRFundCont = 99999999.99;
        c.set.EmployeeUIF = 100;
        c.set.UIFLimit = 999999;
        c.set.PensionCont = 99.999;
        c.set.EmployerPenCont = 27.5;
        cases.push_back({"a salary past 68 thousand million rand", c});
    }
    for (const auto& u : cases) {
        SCOPED_TRACE(u.why);
        const BackSearchSetup setup = makeBackSearchSetup(u.c.period, u.c.in, u.c.set);
        EXPECT_FALSE(findBackSalary(setup).has_value());
        EXPECT_FALSE(referenceFindBackSalary(setup, 1000000).has_value());
        EXPECT_EQ(CalculatePackageBack(u.c.period, u.c.in, u.c.set).refusal, PackageRefusal::NetUnreachable);
    }
}

// Large required nets the reference cannot reach in a test: the answer must
// pass at W and fail at W - 1 and at every W sampled below it.
TEST(BackSearchComparison, largest_required_nets_cross_first_at_the_answer)
{
    std::mt19937 rng(kSeed);
    std::vector<Case> cases;
    for (double net : {1200000.0, 5000000.0, 99999999.99}) {
        cases.push_back(annual(net));
        cases.push_back(monthly(net));
    }
    {
        Case all = monthly(99999999.99);
        all.in.numAge = 999;
        all.in.numPMems = 999;
        all.in.numCompCar = 99999999.99;
        all.in.numMedAidCont = 99999999.99;
        all.in.numCCMedAidCont = 99999999.99;
        all.in.numMedDeduct = 99999999.99;
        all.in.numCCRFundCont = 99999999.99;
        all.in.numCCCompCar = 99999999.99;
        all.set.EmployeeUIF = 100;
        all.set.EmployerUIF = 100;
        all.set.SkillLevy = 100;
        all.set.UIFLimit = 999999;
        all.set.EmployerPenCont = 27.5;
        cases.push_back(all);
        all.period = PackagePeriod::Year;
        cases.push_back(all);
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "case " << i << ", seed " << kSeed);
        const auto& c = cases[i];
        ASSERT_TRUE(searches(c));
        const BackSearchSetup setup = makeBackSearchSetup(c.period, c.in, c.set);
        const auto W = findBackSalary(setup);
        ASSERT_TRUE(W.has_value());
        EXPECT_GT(evaluateBackStep(setup, *W).NET, setup.NR);
        if (*W > 1) {
            EXPECT_LE(evaluateBackStep(setup, *W - 1).NET, setup.NR);
        }
        std::uniform_real_distribution<double> below(1, *W);
        for (int k = 0; k < 2000; ++k) {
            const double w = std::floor(below(rng));
            ASSERT_LE(evaluateBackStep(setup, w).NET, setup.NR) << "at W " << w;
        }
        const auto r = CalculatePackageBack(c.period, c.in, c.set);
        ASSERT_FALSE(r.refused());
        EXPECT_EQ(r.figures.W, *W);
        EXPECT_TRUE(std::isfinite(r.numTotCostComp));
    }
}

// Inputs across every range the fields and settings accept, often at their ends.
class Generator {
  public:
    struct NetRange {
        double annualLow, annualHigh, monthlyLow, monthlyHigh;
    };

    Generator(std::uint32_t seed, NetRange nets) : rng_(seed), nets_(nets) {}

    Case next()
    {
        Case c;
        c.period = pick(2) == 0 ? PackagePeriod::Year : PackagePeriod::Month;
        auto& in = c.in;
        in.numAge = static_cast<std::int16_t>(pick(4) == 0 ? pick(1000) : 18 + pick(70));
        const bool year = c.period == PackagePeriod::Year;
        const double net =
            year ? logMoney(nets_.annualLow, nets_.annualHigh) : logMoney(nets_.monthlyLow, nets_.monthlyHigh);
        in.numNetMonSalReq = net;
        in.numCompCar = sometimes(money(0, 800000));
        in.numTravAll = sometimes(money(0, net * 0.6));
        in.numMedAidCont = sometimes(money(0, net * 0.3));
        in.numCCMedAidCont = sometimes(money(0, net * 0.3));
        in.numPMems = static_cast<std::int16_t>(pick(5) == 0 ? pick(1000) : pick(40));
        in.numOTaxFB = sometimes(money(0, net * 0.3));
        in.numRFundCont = sometimes(money(0, net * 0.3));
        in.numMedDeduct = sometimes(money(0, net * 0.2));
        for (auto& other : in.numOtherDet)
            other = sometimes(money(0, net * 0.1));
        in.numCCCompCar = sometimes(money(0, 10000));
        in.numCCRFundCont = sometimes(money(0, net * 0.3));
        auto& set = c.set;
        set.PensionCont = percent();
        set.EmployerPenCont = percent();
        set.EmployeeUIF = pick(3) == 0 ? percent() : 1;
        set.EmployerUIF = pick(3) == 0 ? percent() : 1;
        set.SkillLevy = pick(3) == 0 ? percent() : 1;
        set.UIFLimit = pick(3) == 0 ? static_cast<double>(pick(1000000)) : 17712;
        const double rates[] = {0.8, 0.2, 0.5, 0, 1};
        set.TAIncRate8020 = rates[pick(5)];
        set.CompCarFBRate8020 = rates[pick(2)];
        set.CompCarMPYesNo = pick(2) == 0;
        return c;
    }

  private:
    std::uint32_t pick(std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(rng_); }
    double cents(double x) { return std::round(x * 100) / 100; }
    double money(double lo, double hi) { return cents(std::uniform_real_distribution<double>(lo, hi)(rng_)); }
    double logMoney(double lo, double hi)
    {
        return cents(std::exp(std::uniform_real_distribution<double>(std::log(lo), std::log(hi))(rng_)));
    }
    double sometimes(double x) { return pick(2) == 0 ? 0 : x; }
    // Three decimals; often 0, sometimes the usual, sometimes anywhere up to 100.
    double percent()
    {
        switch (pick(6)) {
        case 0:
        case 1:
            return 0;
        case 2:
            return std::round(std::uniform_real_distribution<double>(0, 27.5)(rng_) * 1000) / 1000;
        case 3:
            return 100;
        default:
            return std::round(std::uniform_real_distribution<double>(0, 100)(rng_) * 1000) / 1000;
        }
    }

    std::mt19937 rng_;
    NetRange nets_;
};

// Compares `count` generated cases; returns how many the reference decided.
int compareGenerated(std::uint32_t seed, Generator::NetRange nets, int count, std::uint64_t steps)
{
    Generator generate(seed, nets);
    int compared = 0;
    for (int i = 0; i < count; ++i) {
        const Case c = generate.next();
        if (!searches(c))
            continue;
        SCOPED_TRACE(testing::Message() << "generated case " << i << ", seed " << seed);
        if (expectSameSalary(c, steps))
            ++compared;
        const auto r = CalculatePackageBack(c.period, c.in, c.set);
        if (!r.refused()) {
            EXPECT_TRUE(std::isfinite(r.numTotCostComp) && std::isfinite(r.numGrossSal) &&
                        std::isfinite(r.figures.NET));
            EXPECT_GT(r.figures.NET, c.in.numNetMonSalReq);
        }
        if (testing::Test::HasFailure())
            break;
    }
    return compared;
}

TEST(BackSearchComparison, generated_inputs)
{
    const int compared = compareGenerated(kSeed, {0.01, 200000, 0.01, 60000}, 10000, kGeneratedSteps);
    // Most generated cases must be decided by the reference, or the comparison says little.
    EXPECT_GT(compared, 5000);
}

TEST(BackSearchComparison, generated_high_incomes_up_to_the_top_bracket)
{
    const int compared = compareGenerated(kSeed + 1, {200000, 2500000, 30000, 250000}, 150, kHighSteps);
    EXPECT_GT(compared, 40);
}

} // namespace
} // namespace revtal
