#include "finance/amortisation.h"

#include <cmath>

#include "shell/numbers.h"

namespace revtal {

MonthlySchedule monthlySchedule(const LoanValues& loan)
{
    MonthlySchedule schedule;
    const double p = loan.principal;
    const double n = loan.period;
    if (p == 0 || n == 0 || loan.rate == 0 || loan.repayment == 0) {
        schedule.refusal = kScheduleNeedsLoanReason;
        return schedule;
    }
    if (!(n >= 1 && n <= kMaxScheduleMonths && n == std::floor(n))) {
        schedule.refusal = kSchedulePeriodReason;
        return schedule;
    }
    const double i = loanMonthlyRate(loan.rate);
    const double instalment = (i * p) / (1 - std::pow(1 + i, -n));
    if (!std::isfinite(instalment) || !std::isfinite(loan.repayment)) {
        schedule.refusal = kLoanTooLargeReason;
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
    if (!std::isfinite(balance)) {
        schedule.refusal = kLoanTooLargeReason;
        schedule.months.clear();
        return schedule;
    }
    schedule.done = true;
    return schedule;
}

AnnualSchedule annualSchedule(const LoanValues& loan, AnnualScheduleUse use)
{
    AnnualSchedule schedule;
    schedule.monthly = monthlySchedule(loan);
    if (!schedule.monthly.done) {
        schedule.refusal = schedule.monthly.refusal;
        return schedule;
    }
    if (use == AnnualScheduleUse::Screen && !(loan.period >= 13)) {
        schedule.refusal = kAnnualScheduleNeedsYearReason;
        schedule.monthly = {};
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
    for (const AmortisationRow& year : schedule.years) {
        if (!std::isfinite(year.capital) || !std::isfinite(year.interest)) {
            AnnualSchedule refused;
            refused.refusal = kLoanTooLargeReason;
            return refused;
        }
    }
    schedule.done = true;
    return schedule;
}

std::string formatScheduleAmount(double value)
{
    std::string text = formatNumber(value, 2);
    const std::size_t zero = text.rfind("0.", 1);
    if (zero != std::string::npos && (zero == 0 || text[zero - 1] == '-')) {
        text.erase(zero, 1);
    }
    return text;
}

} // namespace revtal
