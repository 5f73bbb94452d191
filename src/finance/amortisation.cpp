#include "finance/amortisation.h"

#include <cmath>

namespace revtal {

MonthlySchedule monthlySchedule(const LoanValues& loan)
{
    MonthlySchedule schedule;
    const double p = loan.principal;
    const double n = loan.period;
    if (p == 0 || n == 0 || loan.rate == 0 || loan.repayment == 0) {
        return schedule;
    }
    if (!(n >= 1 && n <= kMaxScheduleMonths && n == std::floor(n)) || !std::isfinite(p) ||
        !std::isfinite(loan.rate)) {
        return schedule;
    }
    const double i = loanMonthlyRate(loan.rate);
    const double instalment = (i * p) / (1 - std::pow(1 + i, -n));
    if (!std::isfinite(instalment)) {
        return schedule;
    }
    const int months = static_cast<int>(n);
    schedule.months.reserve(months);
    double balance = p;
    for (int k = 1; k <= months; ++k) {
        AmortisationRow row;
        row.capital = instalment * std::pow(1 + i, -(n + 1 - k));
        row.interest = instalment - row.capital;
        balance = std::fabs(balance - row.capital);
        row.balance = balance;
        schedule.months.push_back(row);
    }
    schedule.done = true;
    return schedule;
}

AnnualSchedule annualSchedule(const LoanValues& loan, AnnualScheduleUse use)
{
    AnnualSchedule schedule;
    if (use == AnnualScheduleUse::Screen && !(loan.period >= 13)) {
        return schedule;
    }
    schedule.monthly = monthlySchedule(loan);
    if (!schedule.monthly.done) {
        return schedule;
    }
    const auto& months = schedule.monthly.months;
    const int n = static_cast<int>(months.size());
    double capitalSoFar = 0;
    double interestSoFar = 0;
    for (int k = 12; k <= n; k += 12) {
        AmortisationRow year;
        for (int m = k - 11; m <= k; ++m) {
            year.capital += months[m - 1].capital;
            year.interest += months[m - 1].interest;
        }
        year.balance = months[k - 1].balance;
        capitalSoFar += year.capital;
        interestSoFar += year.interest;
        schedule.years.push_back(year);
        schedule.wholeYears = k / 12;
        schedule.kind = 1;
    }
    schedule.yearsWithPart = schedule.wholeYears;
    if (n % 12 != 0) {
        schedule.kind = 2;
        AmortisationRow part;
        part.capital = loan.principal - capitalSoFar;
        part.interest = (loan.repayment * loan.period - loan.principal) - interestSoFar;
        part.balance = 0;
        schedule.years.push_back(part);
        schedule.yearsWithPart = schedule.wholeYears + 1;
    }
    schedule.done = true;
    return schedule;
}

}  // namespace revtal
