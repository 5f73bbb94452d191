#include "taxrules/travel_allowance.h"

#include <gtest/gtest.h>

namespace revtal {
namespace {

TravelAllowanceState trip(double totalKm, double days, double logbookKm = 0)
{
    TravelAllowanceState s;
    s.OpeningKm = 1000;
    s.ClosingKm = 1000 + totalKm;
    s.PeriodDays = days;
    s.LogbookBusinessKm = logbookKm;
    return s;
}

TEST(CostScale, a_value_on_a_bound_belongs_to_the_lower_band)
{
    struct Case {
        double value, fixed, fuel, maintenance;
    };
    const Case cases[] = {
        {-5, 31332, 1.058, 0.374},      {0, 31332, 1.058, 0.374},       {95000, 31332, 1.058, 0.374},
        {95001, 55894, 1.181, 0.468},   {190000, 55894, 1.181, 0.468},  {285000, 80539, 1.283, 0.516},
        {300000, 102211, 1.38, 0.564},  {475000, 123955, 1.477, 0.662}, {570000, 146753, 1.694, 0.778},
        {665000, 169552, 1.751, 0.966}, {700000, 169552, 1.751, 0.966}, {99999999, 169552, 1.751, 0.966},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        TravelAllowanceState s;
        s.VehicleValue = c.value;
        s = LookUpCostScale(s);
        EXPECT_EQ(s.FixedCost, c.fixed);
        EXPECT_EQ(s.FuelRate, c.fuel);
        EXPECT_EQ(s.MaintenanceRate, c.maintenance);
    }
}

TEST(DeemDistances, log_book_or_deemed_by_days_and_distance)
{
    struct Case {
        double totalKm, days, logbook, business, privateKm;
    };
    const Case cases[] = {
        {40000, 365, 0, 14000, 26000},
        {25000, 365, 0, 7000, 18000},
        {15000, 365, 0, 0, 15000},
        {18000, 365, 0, 0, 18000},
        {32000, 365, 0, 14000, 18000},
        {40000, 365, 5000, 5000, 35000},
        {20000, 182, 0, 6980.82, 20000 - 6980.82},      // part year, above 32000 x D / 365
        {10000, 182, 0, 10000 - 8975.34, 8975.34},      // part year, below it
        {5000, 182, 0, 0, 5000},                        // less driven than deemed private
        {40000, 182, 0, 14000.0 * 182 / 365, 33019.17}, // 32001 km or more: the full-year rule
        {0, 365, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.totalKm << " km, " << c.days << " days");
        const auto s = DeemDistances(trip(c.totalKm, c.days, c.logbook));
        EXPECT_EQ(s.TotalKm, c.totalKm);
        EXPECT_DOUBLE_EQ(s.BusinessKm, c.business);
        EXPECT_DOUBLE_EQ(s.PrivateKm, c.privateKm);
    }
}

TEST(DeemDistances, deemed_amounts_are_cut_to_the_cent_not_rounded)
{
    // 32000 x 100 / 365 - 18000 x 100 / 365 = 3835.616...: cut to 3835.61.
    const auto s = DeemDistances(trip(10000, 100));
    EXPECT_DOUBLE_EQ(s.BusinessKm, 3835.61);
    // 18000 x 100 / 365 = 4931.5068...: cut to 4931.50.
    const auto t = DeemDistances(trip(8000, 100));
    EXPECT_DOUBLE_EQ(t.PrivateKm, 4931.50);
    EXPECT_DOUBLE_EQ(t.BusinessKm, 8000 - 4931.50);
}

TravelAllowanceState costScaleExample()
{
    TravelAllowanceState s = trip(30000, 365, 20000);
    s.VehicleValue = 300000;
    return s;
}

TEST(CostScaleDeduction, worked_example)
{
    const auto s = CostScaleDeduction(costScaleExample());
    EXPECT_DOUBLE_EQ(s.FixedRate, 340.7033);
    EXPECT_DOUBLE_EQ(s.FuelRate, 138);
    EXPECT_DOUBLE_EQ(s.MaintenanceRate, 56.4);
    EXPECT_NEAR(s.Deduction, 107020.66, 1e-6);
    EXPECT_EQ(s.TotalRate, 535.1);
    EXPECT_EQ(s.BusinessKm, 20000);
    EXPECT_EQ(s.PrivateKm, 10000);
}

TEST(CostScaleDeduction, allowance_caps_the_claim_and_stays_unchanged)
{
    auto in = costScaleExample();
    in.AllowanceReceived = 80000;
    const auto s = CostScaleDeduction(in);
    EXPECT_EQ(s.Deduction, 80000);
    EXPECT_EQ(s.AllowanceReceived, 80000);
    in.AllowanceReceived = 200000;
    EXPECT_NEAR(CostScaleDeduction(in).Deduction, 107020.66, 1e-6);
}

TEST(CostScaleDeduction, excluded_costs_drop_their_rates)
{
    auto in = costScaleExample();
    in.IncludeFuel = 0;
    auto s = CostScaleDeduction(in);
    EXPECT_EQ(s.FuelRate, 0);
    EXPECT_NEAR(s.TotalRate, 397.1, 1e-9);
    EXPECT_NEAR(s.Deduction, 20000 * 397.1033 / 100, 1e-6);
    in.IncludeMaintenance = 0;
    s = CostScaleDeduction(in);
    EXPECT_EQ(s.MaintenanceRate, 0);
    EXPECT_NEAR(s.TotalRate, 340.7, 1e-9);
}

TEST(CostScaleDeduction, part_year_prorates_the_fixed_cost_before_the_cut)
{
    auto in = costScaleExample();
    in.PeriodDays = 100;
    const auto s = CostScaleDeduction(in);
    // 102211 / 30000 x 100 / 365 = 0.9334337...: cut to six decimals, then cents.
    EXPECT_DOUBLE_EQ(s.FixedRate, 93.3433);
}

TEST(CostScaleDeduction, no_distance_gives_no_fixed_rate_and_no_division)
{
    TravelAllowanceState in;
    in.VehicleValue = 100000;
    in.PeriodDays = 365;
    const auto s = CostScaleDeduction(in);
    EXPECT_EQ(s.FixedRate, 0);
    EXPECT_EQ(s.Deduction, 0);
    EXPECT_DOUBLE_EQ(s.TotalRate, 164.9); // 118.1 + 46.8
}

TEST(CostScaleDeduction, without_allowance_the_claim_is_capped_at_the_largest_amount)
{
    auto in = trip(99000000, 365, 99000000);
    in.VehicleValue = 700000;
    const auto s = CostScaleDeduction(in);
    EXPECT_EQ(s.Deduction, 9999999.97);
}

TEST(CostScaleDeduction, leaves_the_actual_cost_results)
{
    auto in = costScaleExample();
    in.TotalCosts = 123;
    in.PrivateUse = 45;
    const auto s = CostScaleDeduction(in);
    EXPECT_EQ(s.TotalCosts, 123);
    EXPECT_EQ(s.PrivateUse, 45);
}

TEST(ActualCostDeduction, business_share_of_the_costs)
{
    auto in = trip(30000, 365, 20000);
    in.FuelOil = 20000;
    in.RepairsMaintenance = 10000;
    in.InsuranceLicence = 5000;
    in.OtherExpenses = 5000;
    in.WearAndTear = 15000;
    in.LeasePayments = 5000;
    in.FuelRate = 7; // a rate left by an earlier cost-scale claim
    auto s = ActualCostDeduction(in);
    EXPECT_EQ(s.TotalCosts, 60000);
    EXPECT_EQ(s.Deduction, 40000);
    EXPECT_EQ(s.PrivateUse, 20000);
    EXPECT_EQ(s.FuelRate, 7);
    in.AllowanceReceived = 30000;
    s = ActualCostDeduction(in);
    EXPECT_EQ(s.Deduction, 30000);
    EXPECT_EQ(s.PrivateUse, 20000); // before the cap
}

TEST(ActualCostDeduction, one_kilometre_or_less_claims_nothing)
{
    auto in = trip(1, 365, 1);
    in.FuelOil = 1000;
    const auto s = ActualCostDeduction(in);
    EXPECT_EQ(s.Deduction, 0);
    EXPECT_EQ(s.PrivateUse, 1000);
}

TEST(ActualCostDeduction, without_distances_private_use_is_a_share_of_the_value)
{
    struct Case {
        double costs;
        std::int16_t fuel, maintenance;
        double allowance, privateUse, deduction;
    };
    const Case cases[] = {
        {70000, 1, 1, 0, 50400, 19600}, {40000, 1, 1, 0, 0, 0}, // private use above the costs shows 0
        {70000, 0, 1, 0, 55680, 14320}, {70000, 0, 0, 0, 60000, 10000}, {70000, 1, 1, 10000, 50400, 10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.costs);
        TravelAllowanceState in;
        in.VehicleValue = 200000;
        in.PeriodDays = 365;
        in.FuelOil = c.costs;
        in.IncludeFuel = c.fuel;
        in.IncludeMaintenance = c.maintenance;
        in.AllowanceReceived = c.allowance;
        const auto s = ActualCostDeduction(in);
        EXPECT_NEAR(s.PrivateUse, c.privateUse, 1e-9);
        EXPECT_NEAR(s.Deduction, c.deduction, 1e-9);
    }
}

TEST(ActualCostDeduction, without_distances_part_year_prorates_the_private_share)
{
    TravelAllowanceState in;
    in.VehicleValue = 365000;
    in.PeriodDays = 73;
    in.FuelOil = 20000;
    const auto s = ActualCostDeduction(in);
    // 365000 x 0.025 x 12 x 73 / 365 = 21900, less 1927.2 and 1576.8.
    EXPECT_NEAR(s.PrivateUse, 18396, 1e-9);
    EXPECT_NEAR(s.Deduction, 1604, 1e-9);
}

} // namespace
} // namespace revtal
