#pragma once
// The monthly annuity loan: a principal repaid in equal monthly instalments
// at a nominal annual rate compounded monthly. Solves for any one of
// repayment, principal, period or rate from the other three.
#include <optional>
#include <string>
#include <string_view>

namespace revtal {

enum class LoanCalcMode { MonthlyRepayment, PrincipalAmount, RepaymentPeriod, InterestRate };

// "Monthly repayment", "Principal amount", "Repayment period", "Interest rate".
std::string_view loanCalcModeName(LoanCalcMode mode);
std::optional<LoanCalcMode> loanCalcModeFromName(std::string_view name);

// Field limits of the loan screens.
inline constexpr double kMaxLoanPrincipal = 99999999.99;
inline constexpr int kMaxLoanPeriod = 600;
inline constexpr double kMaxLoanRate = 50;
inline constexpr double kMaxLoanRepayment = 9999999.99;

inline constexpr std::string_view kLoanRateLimitMessage = "The maximum interest rate allowed is 50%";
inline constexpr std::string_view kLoanRateLimitTitle = "Incorrect Interest Rate!";
inline constexpr std::string_view kLoanPeriodLimitMessage = "The maximum period  allowed is 600 months";
inline constexpr std::string_view kLoanPeriodLimitTitle = "Incorrect Period!";
inline constexpr std::string_view kLoanRateErrorText = "   Error";

// Why a loan calculation gave no answer, for the screen to show if it wishes.
inline constexpr std::string_view kNoPeriodReason =
    "No period of 600 months or less repays this principal at this repayment.";
inline constexpr std::string_view kLoanTooLargeReason = "The figures are too large to calculate.";

struct LoanValues {
    double principal = 0; // P, rand
    double period = 0;    // N, whole months
    double rate = 0;      // R, percent a year
    double repayment = 0; // A, rand a month
};

// i = R / 12 / 100, evaluated in that order.
double loanMonthlyRate(double rate);

// 0 unless P, N and R are all non-zero (a zero rate is not P / N).
double loanRepayment(double principal, double period, double rate);
// 0 unless N, R and A are all non-zero.
double loanPrincipal(double period, double rate, double repayment);

struct PeriodSearchResult {
    int period = 0;       // months; 0 when no period of 600 months or less repays the loan
    double repayment = 0; // the starting repayment, raised in cents where the period needs it
};

// The longest whole number of months, at most 600, within which the
// repayment, raised in plain double additions of 0.01 where needed, repays the
// principal. Month 601 is probed, so a loan that needs just over 600 months is
// given 600 months at a raised repayment. A repayment beyond the principal
// plus one month's interest gives one month at P × (1 + i). Refused (period 0,
// repayment unchanged) unless P, R and A are all positive and finite, and when
// the repayment is so large that a cent no longer changes it.
PeriodSearchResult searchLoanPeriod(double principal, double rate, double repayment);

// The largest rate on the accumulated 0.01 grid whose repayment does not
// exceed the given one; 0 unless P, N and A are all positive. No upper limit.
double searchLoanRate(double principal, double period, double repayment);

struct LoanCalcResult {
    LoanValues values;             // what the four fields show: the inputs with the solved value replaced
    bool rateError = false;        // rate mode solved above 50 %: show "   Error" over the rate
    bool solvedAboveLimit = false; // the solved value is beyond its field's maximum
    double totalInterest = 0;      // A × N − P
    double totalRepayments = 0;    // A × N
    std::string refusal;           // empty when an answer was found
};

// "&Calculate": solves for the mode's value and works out the finance charges.
// A period search without an answer still shows period 0 and the repayment a
// cent lower; a result that is not finite leaves the inputs as they were.
LoanCalcResult calculateLoan(LoanCalcMode mode, const LoanValues& values);

} // namespace revtal
