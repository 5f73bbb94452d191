#include "vehicle/comp_car_calc.h"

#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "shell/numbers.h"

namespace revtal {
namespace {

// A car that is valued: a price, the full tax year, nothing else.
VehicleRecord car(double price)
{
    VehicleRecord v;
    v.CCRegNumber = "CA 1";
    v.CCPrice = price;
    return v;
}

VehicleRecord withLogBook(VehicleRecord v, double total, double business)
{
    v.BussMilage = 1;
    v.TotalDistance = total;
    v.BusDistance = business;
    return v;
}

VehicleRecord forDays(VehicleRecord v, int days)
{
    v.CCStartDate = kTaxYearStart;
    v.CCEndDate = kTaxYearStart + days - 1;
    return v;
}

// Record 0 is the entry record; the cars follow as 1, 2, ...
struct List {
    std::vector<VehicleRecord> records;
    CompCarInput input;

    explicit List(std::vector<VehicleRecord> cars, std::int16_t current = 1)
    {
        records.push_back(VehicleRecord{});
        records.insert(records.end(), cars.begin(), cars.end());
        input.vehicles = records;
        input.VehicleCount = static_cast<std::int16_t>(cars.size());
        input.CurrentVehicle = current;
    }
};

CompCarResult calc(std::vector<VehicleRecord> cars, double actual3802 = 0, bool autoSplit = false,
                   std::int16_t current = 1)
{
    List list(std::move(cars), current);
    list.input.Actual3802 = actual3802;
    list.input.autoSplit3802 = autoSplit;
    return CompCarCalc(list.input);
}

TEST(CompCarCalc, full_year_without_log_book_values_the_car_at_three_and_a_half_percent)
{
    const CompCarResult r = calc({car(300000)});
    const CompCarVehicleResult& c = r.results[1];
    EXPECT_EQ(c.days, 365);
    EXPECT_EQ(c.TrueInclusion, 125656);
    EXPECT_EQ(c.IRP53802, 126000);
    EXPECT_EQ(c.MonFB80, 8400);
    EXPECT_EQ(c.MonFB20, 2100);
    EXPECT_DOUBLE_EQ(c.FortFB80, 3876.8); // rounded to 4846 before the split
    EXPECT_DOUBLE_EQ(c.FortFB20, 969.2);
    EXPECT_DOUBLE_EQ(c.WeekFB80, 1938.4); // 2423 x 0.8
    EXPECT_DOUBLE_EQ(c.WeekFB20, 484.6);
    // No distance: the claims divide by zero and stay 0.
    EXPECT_EQ(c.Arr_FuelClaim, 0);
    EXPECT_EQ(c.TotAddExpense, 0);
    EXPECT_EQ(c.SARSDeductionClaim, 0);
    EXPECT_EQ(r.vehicles[1].AdjustTaxableInc, 125656);
    EXPECT_EQ(r.totalAdjustTaxableInc, 125656);
    EXPECT_EQ(r.shown.results.TrueInclusion, 125656);
    EXPECT_EQ(r.shown.AdjustTaxableInc, 125656);
}

TEST(CompCarCalc, maintenance_plan_uses_three_and_a_quarter_percent)
{
    VehicleRecord v = car(300000);
    v.MaintIncluded = 1;
    const CompCarVehicleResult c = calc({v}).results[1];
    EXPECT_EQ(c.IRP53802, 117000);
    EXPECT_EQ(c.MonFB80, 7800);
    EXPECT_EQ(c.MonFB20, 1950);
    EXPECT_EQ(c.TrueInclusion, std::nearbyint(300000 * (3.25 * 12 / 36600) * 365));
    EXPECT_EQ(c.TrueInclusion, 116680);
}

TEST(CompCarCalc, part_year_prorates_true_inclusion_and_code_3802_but_not_the_payroll_amounts)
{
    const CompCarVehicleResult c = calc({forDays(car(300000), 100)}).results[1];
    EXPECT_EQ(c.days, 100);
    EXPECT_EQ(c.TrueInclusion, 34426); // 300000 x 42 / 36600 x 100 = 34426.23
    EXPECT_EQ(c.IRP53802, 34521);      // 126000 x 100 / 365 = 34520.55
    EXPECT_EQ(c.MonFB80, 8400);
    EXPECT_DOUBLE_EQ(c.WeekFB20, 484.6);
}

TEST(CompCarCalc, log_book_takes_the_private_share_and_business_distance_is_cut_to_the_total)
{
    struct Case {
        double business;
        double storedBusiness, privateDistance, trueInclusion;
    };
    for (const Case& k : {Case{30000, 30000, 10000, 31414}, Case{45000, 40000, 0, 0}, Case{40000, 40000, 0, 0},
                          Case{0, 0, 40000, 125656}}) {
        SCOPED_TRACE(k.business);
        const CompCarResult r = calc({withLogBook(car(300000), 40000, k.business)});
        EXPECT_EQ(r.vehicles[1].BusDistance, k.storedBusiness);
        EXPECT_EQ(r.results[1].PrivateDistance, k.privateDistance);
        EXPECT_EQ(r.shown.PrivateDistance, k.privateDistance);
        EXPECT_EQ(r.results[1].TrueInclusion, k.trueInclusion);
    }
}

TEST(CompCarCalc, odometer_readings_replace_the_total_distance_only_with_an_end_reading)
{
    VehicleRecord v = withLogBook(car(300000), 1234, 100);
    v.EndMileage = 60000;
    v.StartMileage = 20000;
    CompCarResult r = calc({v});
    EXPECT_EQ(r.vehicles[1].TotalDistance, 40000);
    EXPECT_EQ(r.shown.TotalDistance, 40000);

    v.EndMileage = 0;
    r = calc({v});
    EXPECT_EQ(r.vehicles[1].TotalDistance, 1234);
}

TEST(CompCarCalc, odometer_running_backwards_gives_no_private_distance_and_finite_figures)
{
    VehicleRecord v = withLogBook(car(300000), 0, 500);
    v.EndMileage = 10000;
    v.StartMileage = 30000;
    v.ActualExpEmployee = 5000;
    const CompCarResult r = calc({v});
    EXPECT_EQ(r.vehicles[1].TotalDistance, -20000);
    EXPECT_EQ(r.vehicles[1].BusDistance, -20000);
    EXPECT_EQ(r.results[1].PrivateDistance, 0);
    EXPECT_EQ(r.results[1].TrueInclusion, 0);
    EXPECT_FALSE(std::signbit(r.results[1].TrueInclusion));
    EXPECT_EQ(r.results[1].FuelExp, 0);
    EXPECT_EQ(r.results[1].SARSDeductionClaim, 0);
}

TEST(CompCarCalc, sars_fuel_table_values_the_distance_by_the_price_band)
{
    VehicleRecord v = withLogBook(car(300000), 20000, 15000);
    v.SARSTable = 1;
    v.FuelReimbEmployer = 5000;
    v.ActualExpEmployee = 999; // ignored with the fuel table
    v.EmpPaidInsurance = 1000;
    v.EmpPaidLicence = 500;
    v.EmpPaidMaintenance = 300;
    v.FB3802ThisCar = 20000;
    const CompCarResult r = calc({v});
    const CompCarVehicleResult& c = r.results[1];
    EXPECT_EQ(r.vehicles[1].FuelComponent, 27600); // 20000 km x R1.38
    EXPECT_EQ(r.shown.FuelComponent, 27600);
    EXPECT_EQ(c.Arr_FuelClaim, 5650); // (27600 - 5000) x 5000 / 20000
    EXPECT_EQ(c.TotAddExpense, 450);  // 1800 x 5000 / 20000
    EXPECT_EQ(c.FuelExp, 6100);
    EXPECT_EQ(c.TrueInclusion, 31414);
    EXPECT_EQ(r.vehicles[1].AdjustTaxableInc, 31414 - 6100 - 20000);
    EXPECT_DOUBLE_EQ(c.SARSDeductionClaim, -(15000.0 / 20000 * 20000 + 6100));
    EXPECT_EQ(r.totalSARSDeductionClaim, c.SARSDeductionClaim);
}

TEST(CompCarCalc, actual_fuel_expense_without_the_table_and_a_stale_fuel_component_is_cleared)
{
    VehicleRecord v = withLogBook(car(300000), 20000, 10000);
    v.ActualExpEmployee = 8001;
    v.FuelReimbEmployer = 1;
    v.FuelComponent = 777;
    const CompCarResult r = calc({v});
    EXPECT_EQ(r.vehicles[1].FuelComponent, 0);
    EXPECT_EQ(r.results[1].Arr_FuelClaim, 4000);
    EXPECT_EQ(r.results[1].FuelExp, 4000);
}

TEST(CompCarCalc, fuel_rate_bands_include_their_upper_bound)
{
    struct Case {
        double price, rate;
    };
    for (const Case& k :
         {Case{-5, 1.058}, Case{0, 1.058}, Case{95000, 1.058}, Case{95001, 1.181}, Case{190000, 1.181},
          Case{190001, 1.283}, Case{285001, 1.38}, Case{380000, 1.38}, Case{475000, 1.477}, Case{570000, 1.694},
          Case{570001, 1.751}, Case{665000, 1.751}, Case{700000, 1.751}, Case{999999999, 1.751}}) {
        SCOPED_TRACE(k.price);
        EXPECT_EQ(companyCarFuelRate(k.price), k.rate);
    }
}

TEST(CompCarCalc, without_business_distance_nothing_is_deducted_and_sars_awards_nothing)
{
    VehicleRecord v = withLogBook(car(300000), 40000, 0);
    v.ActualExpEmployee = 10000;
    v.EmpPaidInsurance = 5000;
    v.FB3802ThisCar = 1000;
    const CompCarResult r = calc({v}, 1000);
    EXPECT_EQ(r.results[1].Arr_FuelClaim, 10000);
    EXPECT_EQ(r.results[1].TotAddExpense, 5000);
    EXPECT_EQ(r.results[1].FuelExp, 0);
    EXPECT_EQ(r.results[1].SARSDeductionClaim, 0);
    EXPECT_EQ(r.vehicles[1].AdjustTaxableInc, 125656 - 1000);
}

TEST(CompCarCalc, sars_awards_nothing_without_a_log_book)
{
    VehicleRecord v = car(300000);
    v.TotalDistance = 40000;
    v.BusDistance = 30000;
    v.ActualExpEmployee = 4000;
    v.FB3802ThisCar = 10000;
    const CompCarResult r = calc({v}, 10000);
    EXPECT_EQ(r.results[1].TrueInclusion, 125656); // no log book: the whole period
    EXPECT_EQ(r.results[1].FuelExp, 1000);         // business distance still lets fuel count
    EXPECT_EQ(r.results[1].SARSDeductionClaim, 0);
    EXPECT_EQ(r.vehicles[1].AdjustTaxableInc, 125656 - 1000 - 10000);
}

TEST(CompCarCalc, auto_split_shares_code_3802_by_days_and_counts_days_of_cars_without_figures)
{
    VehicleRecord nothing = forDays(VehicleRecord{}, 100);
    nothing.FB3802ThisCar = 999; // a share left from before
    {
        const CompCarResult r = calc({forDays(car(200000), 200), forDays(car(100000), 165)}, 50000, true);
        EXPECT_DOUBLE_EQ(r.vehicles[1].FB3802ThisCar, 200.0 / 365 * 50000);
        EXPECT_DOUBLE_EQ(r.vehicles[2].FB3802ThisCar, 165.0 / 365 * 50000);
        EXPECT_NEAR(r.vehicles[1].FB3802ThisCar, 27397.26, 0.005);
        EXPECT_NEAR(r.vehicles[2].FB3802ThisCar, 22602.74, 0.005);
    }
    {
        const CompCarResult r = calc({forDays(car(200000), 200), forDays(car(100000), 165), nothing}, 50000, true);
        EXPECT_DOUBLE_EQ(r.vehicles[1].FB3802ThisCar, 200.0 / 465 * 50000);
        EXPECT_DOUBLE_EQ(r.vehicles[2].FB3802ThisCar, 165.0 / 465 * 50000);
        EXPECT_EQ(r.vehicles[3].FB3802ThisCar, 0);
        EXPECT_EQ(r.results[3].days, 100);
    }
    {
        // Switched off, the shares typed in stay.
        VehicleRecord a = car(200000);
        a.FB3802ThisCar = 123;
        const CompCarResult r = calc({a, nothing}, 50000, false);
        EXPECT_EQ(r.vehicles[1].FB3802ThisCar, 123);
        EXPECT_EQ(r.vehicles[2].FB3802ThisCar, 999);
    }
}

TEST(CompCarCalc, auto_split_with_no_days_in_total_keeps_the_stored_shares)
{
    VehicleRecord a = car(200000);
    a.CCStartDate = kTaxYearStart;
    a.CCEndDate = kTaxYearStart - 1; // 0 days
    a.FB3802ThisCar = 321;
    const CompCarResult r = calc({a}, 50000, true);
    EXPECT_EQ(r.vehicles[1].FB3802ThisCar, 321);
    EXPECT_EQ(r.results[1].TrueInclusion, 0);
    EXPECT_EQ(r.results[1].IRP53802, 0);
}

TEST(CompCarCalc, adjustment_is_floored_at_minus_the_code_3802_total)
{
    struct Case {
        double actual3802, adjustment;
    };
    VehicleRecord v = car(20000); // true inclusion 8377
    v.FB3802ThisCar = 70000;
    for (const Case& k : {Case{50000, -50000}, Case{61623, -61623}, Case{100000, -61623}}) {
        SCOPED_TRACE(k.actual3802);
        const CompCarResult r = calc({v}, k.actual3802);
        EXPECT_EQ(r.results[1].TrueInclusion, 8377);
        EXPECT_EQ(r.vehicles[1].AdjustTaxableInc, k.adjustment);
        EXPECT_EQ(r.totalAdjustTaxableInc, k.adjustment);
    }
}

TEST(CompCarCalc, car_without_price_takes_its_sars_claim_as_adjustment_when_on_display)
{
    VehicleRecord v = withLogBook(car(0), 10000, 4000);
    v.FB3802ThisCar = 5000;
    const CompCarResult shown = calc({v, car(300000)}, 5000, false, 1);
    EXPECT_EQ(shown.results[1].TrueInclusion, 0);
    EXPECT_EQ(shown.results[1].IRP53802, 0);
    EXPECT_EQ(shown.results[1].SARSDeductionClaim, -2000);
    EXPECT_EQ(shown.vehicles[1].AdjustTaxableInc, -2000);
    EXPECT_EQ(shown.shown.AdjustTaxableInc, -2000);
    EXPECT_EQ(shown.totalAdjustTaxableInc, -2000 + 125656);

    const CompCarResult notShown = calc({v, car(300000)}, 5000, false, 2);
    EXPECT_EQ(notShown.vehicles[1].AdjustTaxableInc, -5000);
    EXPECT_EQ(notShown.totalAdjustTaxableInc, -5000 + 125656);
    EXPECT_EQ(notShown.totalSARSDeductionClaim, -2000);
}

TEST(CompCarCalc, car_without_price_or_distance_is_left_at_zero)
{
    VehicleRecord empty = withLogBook(VehicleRecord{}, 0, 3000);
    empty.FB3802ThisCar = 4000;
    empty.FuelComponent = 50;
    empty.AdjustTaxableInc = 60000; // from an earlier calculation with a price
    empty.ActualExpEmployee = 7000;

    const CompCarResult other = calc({empty, car(300000)}, 0, false, 2);
    EXPECT_EQ(other.vehicles[1].BusDistance, 3000); // only the car on display is cleared
    EXPECT_EQ(other.vehicles[1].FB3802ThisCar, 4000);
    EXPECT_EQ(other.vehicles[1].AdjustTaxableInc, 0);
    EXPECT_EQ(other.vehicles[1].FuelComponent, 0);
    EXPECT_EQ(other.results[1].days, 365);
    EXPECT_EQ(other.results[1].TrueInclusion, 0);
    EXPECT_EQ(other.results[1].Arr_FuelClaim, 0);
    EXPECT_EQ(other.totalAdjustTaxableInc, 125656);

    const CompCarResult onDisplay = calc({empty, car(300000)}, 0, false, 1);
    EXPECT_EQ(onDisplay.vehicles[1].BusDistance, 0);
    EXPECT_EQ(onDisplay.vehicles[1].FB3802ThisCar, 0);
    EXPECT_EQ(onDisplay.shown.FB3802ThisCar, 4000); // shown before the calculation
    EXPECT_EQ(onDisplay.shown.results.TrueInclusion, 0);
}

TEST(CompCarCalc, rounding_sends_halves_to_the_even_rand)
{
    struct Case {
        double price, monFB80, monFB20, weekFB80;
    };
    // 125 x 0.028 = 3.5; 1875 x 0.028 = 52.5; 500 x 0.007 = 3.5; 7500 x 0.007 = 52.5; 3900 x 0.42 / 52 = 31.5
    for (const Case& k : {Case{125, 4, 1, 0.8}, Case{1875, 52, 13, 12.0}, Case{500, 14, 4, 3.2},
                          Case{7500, 210, 52, 48.8}, Case{3900, 109, 27, 25.6}}) {
        SCOPED_TRACE(k.price);
        const CompCarVehicleResult c = calc({car(k.price)}).results[1];
        EXPECT_EQ(c.MonFB80, k.monFB80);
        EXPECT_EQ(c.MonFB20, k.monFB20);
        EXPECT_DOUBLE_EQ(c.WeekFB80, k.weekFB80);
    }
}

TEST(CompCarCalc, no_vehicles_gives_zero_totals_and_shows_the_entry_record)
{
    List list({});
    list.records[0].TotalDistance = 555;
    list.records[0].BusDistance = 55;
    list.records[0].FuelComponent = 12;
    list.records[0].FB3802ThisCar = 70;
    list.records[0].CCPrice = 100000;
    list.records[0].AdjustTaxableInc = 9;
    list.input.vehicles = list.records;
    list.input.CurrentVehicle = 0;
    list.input.Actual3802 = 1000;
    list.input.autoSplit3802 = true;
    const CompCarResult r = CompCarCalc(list.input);
    EXPECT_EQ(r.results.size(), 1u);
    EXPECT_EQ(r.totalAdjustTaxableInc, 0);
    EXPECT_EQ(r.totalSARSDeductionClaim, 0);
    EXPECT_EQ(r.shown.TotalDistance, 555);
    EXPECT_EQ(r.shown.PrivateDistance, 500);
    EXPECT_EQ(r.shown.FuelComponent, 12);
    EXPECT_EQ(r.shown.FB3802ThisCar, 70);
    EXPECT_EQ(r.shown.AdjustTaxableInc, 9); // priced: kept
    EXPECT_EQ(r.shown.results.TrueInclusion, 0);
    EXPECT_EQ(r.vehicles[0].FB3802ThisCar, 70);

    list.records[0].CCPrice = 0;
    list.input.vehicles = list.records;
    EXPECT_EQ(CompCarCalc(list.input).vehicles[0].AdjustTaxableInc, 0); // takes the SARS claim, 0
}

TEST(CompCarCalc, counts_beyond_the_records_given_are_cut_to_the_records)
{
    List list({car(300000)});
    list.input.VehicleCount = 5;
    list.input.CurrentVehicle = 7;
    const CompCarResult r = CompCarCalc(list.input);
    EXPECT_EQ(r.results.size(), 2u);
    EXPECT_EQ(r.results[1].TrueInclusion, 125656);
    EXPECT_EQ(r.shown.results.TrueInclusion, 0);

    list.input.VehicleCount = -3;
    EXPECT_EQ(CompCarCalc(list.input).results.size(), 1u);
    EXPECT_EQ(CompCarCalc(CompCarInput{}).vehicles.size(), 1u);
}

TEST(CompCarCalc, records_beyond_the_count_are_kept_untouched)
{
    VehicleRecord old = car(100000);
    old.EndMileage = 500;
    old.AdjustTaxableInc = 77;
    List list({car(300000), old});
    list.input.VehicleCount = 1;
    const CompCarResult r = CompCarCalc(list.input);
    ASSERT_EQ(r.vehicles.size(), 3u);
    EXPECT_EQ(r.vehicles[2].AdjustTaxableInc, 77);
    EXPECT_EQ(r.vehicles[2].TotalDistance, 0);
    EXPECT_EQ(r.totalAdjustTaxableInc, 125656);
}

TEST(CompCarCalculateCommand, one_car_takes_the_whole_code_3802_total_and_shows_it)
{
    VehicleRecord v = car(300000);
    v.FB3802ThisCar = 1;
    List list({v});
    list.input.Actual3802 = 126000;
    const CompCarResult r = compCarCalculateCommand(list.input);
    EXPECT_EQ(r.vehicles[1].FB3802ThisCar, 126000);
    EXPECT_EQ(r.shown.FB3802ThisCar, 126000);
    EXPECT_EQ(r.vehicles[1].AdjustTaxableInc, 125656 - 126000);
}

TEST(CompCarCalculateCommand, second_run_shows_the_split_the_first_run_computed)
{
    List list({forDays(car(200000), 200), forDays(car(100000), 165)});
    list.input.Actual3802 = 50000;
    list.input.autoSplit3802 = true;
    const CompCarResult once = CompCarCalc(list.input);
    EXPECT_EQ(once.shown.FB3802ThisCar, 0); // the share before the split
    const CompCarResult r = compCarCalculateCommand(list.input);
    EXPECT_DOUBLE_EQ(r.shown.FB3802ThisCar, 200.0 / 365 * 50000);
    EXPECT_EQ(r.totalAdjustTaxableInc, once.totalAdjustTaxableInc);
}

// Generated lists: every figure stays finite, the floors and zero rules hold,
// and a second calculation on the stored records changes nothing.
TEST(CompCarCalc, generated_lists_give_finite_consistent_figures)
{
    std::mt19937 gen(20200301);
    std::uniform_int_distribution<int> pick(0, 9);
    auto amount = [&] {
        switch (pick(gen)) {
        case 0:
            return 0.0;
        case 1:
            return 999999999.0;
        default:
            return static_cast<double>(std::uniform_int_distribution<int>(0, 999999999)(gen));
        }
    };
    auto day = [&] { return std::uniform_int_distribution<int>(kTaxYearStart, kTaxYearEnd)(gen); };
    for (int round = 0; round < 400; ++round) {
        const int count = std::uniform_int_distribution<int>(0, 6)(gen);
        std::vector<VehicleRecord> cars;
        for (int i = 0; i < count; ++i) {
            VehicleRecord v;
            v.CCPrice = amount();
            v.MaintIncluded = static_cast<std::int16_t>(pick(gen) % 2);
            v.CCStartDate = day();
            v.CCEndDate = pick(gen) == 0 ? day() : std::max(v.CCStartDate, day());
            v.EndMileage = pick(gen) < 3 ? 0 : amount();
            v.StartMileage = amount();
            v.TotalDistance = amount();
            v.BusDistance = amount();
            v.BussMilage = static_cast<std::int16_t>(pick(gen) % 2);
            v.SARSTable = static_cast<std::int16_t>(pick(gen) % 2);
            v.ActualExpEmployee = amount();
            v.FuelReimbEmployer = amount();
            v.EmpPaidInsurance = amount();
            v.EmpPaidLicence = amount();
            v.EmpPaidMaintenance = amount();
            v.FB3802ThisCar = amount();
            cars.push_back(v);
        }
        List list(cars, static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, count)(gen)));
        list.input.Actual3802 = amount();
        list.input.autoSplit3802 = pick(gen) % 2 == 0;
        const CompCarResult r = compCarCalculateCommand(list.input);
        ASSERT_TRUE(std::isfinite(r.totalAdjustTaxableInc));
        ASSERT_TRUE(std::isfinite(r.totalSARSDeductionClaim));
        for (int i = 1; i <= count; ++i) {
            const VehicleRecord& v = r.vehicles[i];
            const CompCarVehicleResult& c = r.results[i];
            for (double x :
                 {c.days, c.PrivateDistance, c.TrueInclusion, c.Arr_FuelClaim, c.TotAddExpense, c.FuelExp,
                  c.SARSDeductionClaim, c.IRP53802, c.MonFB80, c.MonFB20, c.FortFB80, c.FortFB20, c.WeekFB80,
                  c.WeekFB20, v.TotalDistance, v.BusDistance, v.FB3802ThisCar, v.FuelComponent, v.AdjustTaxableInc})
                ASSERT_TRUE(std::isfinite(x)) << "round " << round << " car " << i;
            if (v.TotalDistance != 0 || v.CCPrice != 0) {
                EXPECT_LE(v.BusDistance, v.TotalDistance);
            }
            EXPECT_GE(c.PrivateDistance, 0);
            if (v.BusDistance <= 0) {
                EXPECT_EQ(c.FuelExp, 0);
            }
            if (v.BussMilage == 0) {
                EXPECT_EQ(c.SARSDeductionClaim, 0);
            }
            if (i != list.input.CurrentVehicle || v.CCPrice != 0) {
                EXPECT_GE(v.AdjustTaxableInc, -list.input.Actual3802);
            }
            EXPECT_EQ(c.MonFB80, std::floor(c.MonFB80));
        }
        List again(std::vector<VehicleRecord>(r.vehicles.begin() + 1, r.vehicles.end()), list.input.CurrentVehicle);
        again.input.Actual3802 = list.input.Actual3802;
        again.input.autoSplit3802 = list.input.autoSplit3802;
        const CompCarResult second = CompCarCalc(again.input);
        EXPECT_EQ(second.totalAdjustTaxableInc, r.totalAdjustTaxableInc) << "round " << round;
        EXPECT_EQ(second.totalSARSDeductionClaim, r.totalSARSDeductionClaim) << "round " << round;
    }
}

TEST(CompCarCalc, all_fields_at_their_maximum_give_finite_figures)
{
    VehicleRecord v;
    v.CCPrice = v.EndMileage = v.TotalDistance = v.BusDistance = v.ActualExpEmployee = v.FuelReimbEmployer =
        v.EmpPaidInsurance = v.EmpPaidLicence = v.EmpPaidMaintenance = v.FB3802ThisCar = 999999999;
    v.BussMilage = v.SARSTable = v.MaintIncluded = 1;
    const std::vector<VehicleRecord> cars(32767, v);
    List list(cars, 32767);
    list.input.Actual3802 = 999999999;
    list.input.autoSplit3802 = true;
    const CompCarResult r = CompCarCalc(list.input);
    EXPECT_TRUE(std::isfinite(r.totalAdjustTaxableInc));
    EXPECT_TRUE(std::isfinite(r.totalSARSDeductionClaim));
    EXPECT_EQ(r.vehicles[1].TotalDistance, 999999999); // end reading less a start of 0
    EXPECT_DOUBLE_EQ(r.vehicles[1].FB3802ThisCar, 365.0 / (365.0 * 32767) * 999999999);
    EXPECT_EQ(r.results[32767].IRP53802, std::nearbyint(999999999 * 0.0325 * 12));
}

} // namespace
} // namespace revtal
