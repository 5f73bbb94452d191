#include "payroll/period_tax.h"

#include <cmath>
#include <initializer_list>

namespace revtal {

namespace {

bool inTaxYear(int day)
{
    return day >= kTaxYearStart && day <= kTaxYearEnd;
}

// March = 1 ... December = 10, January = 11, February = 12.
int taxYearPosition(int month)
{
    return month >= 3 ? month - 2 : month + 10;
}

double scaleTax(double taxableIncome, TaxScaleResult* last)
{
    *last = ApplyTaxScale(taxableIncome);
    return last->Tax;
}

double atLeastZero(double value)
{
    return value < 0 ? 0 : value;
}

// The annual taxes of the regular income with and without the bonus; the
// scale is applied with the bonus first, so the one without is left last.
void annualTaxes(PeriodTaxResult& r, double bonus)
{
    r.taxWithBonus = scaleTax(r.annualEquivalent + bonus, &r.TaxScaleResult);
    r.TaxableIncome = r.annualEquivalent;
    r.taxWithoutBonus = scaleTax(r.annualEquivalent, &r.TaxScaleResult);
}

void shortPeriodTax(const PeriodTaxInput& in, PeriodTaxResult& r)
{
    const PeriodAmounts& a = in.amounts;
    const double rate = in.settings.TAIncRate8020;
    r.retirementDeduction = retirementDeduction(in.period, a, rate);
    r.taxableTravelAllowance = taxableTravelAllowance(a.V, rate);
    r.regularIncome = a.S + a.K + r.taxableTravelAllowance - r.retirementDeduction + a.ME + a.FE;

    const double R = r.regularIncome;
    switch (in.period) {
    case PayPeriod::Month:
        r.daysInMonth = daysInMonthOf(in.startDate);
        r.daysWorked = static_cast<double>(in.endDate) - in.startDate + 1;
        r.annualEquivalent = 12 * R * r.daysInMonth / r.daysWorked;
        break;
    case PayPeriod::Fortnight:
        r.annualEquivalent = 26 * R * in.normalDays / in.thisDays;
        break;
    case PayPeriod::Week:
        r.annualEquivalent = 52 * R * in.normalDays / in.thisDays;
        break;
    case PayPeriod::Day:
    case PayPeriod::Year:
        r.annualEquivalent = 260 * R;
        break;
    }

    r.rebate = rebateTotal(in.age);
    annualTaxes(r, a.N);
    const double Tw = r.taxWithBonus;
    const double To = r.taxWithoutBonus;

    double P = 0;
    switch (in.period) {
    case PayPeriod::Month: {
        // Both floored before the difference: a low regular income cannot
        // reduce the bonus tax.
        const double withBonus = atLeastZero(Tw - r.rebate);
        const double without = atLeastZero(To - r.rebate);
        r.taxWithBonus = withBonus;
        r.taxWithoutBonus = without;
        P = (withBonus - without) + without / 12 * r.daysWorked / r.daysInMonth;
        break;
    }
    case PayPeriod::Fortnight:
        P = (Tw - To) + (To - r.rebate) / 26 * in.thisDays / in.normalDays;
        break;
    case PayPeriod::Week:
        P = (Tw - To) + (To - r.rebate) / 52 * in.thisDays / in.normalDays;
        break;
    case PayPeriod::Day:
    case PayPeriod::Year:
        P = (Tw - To) + (To - r.rebate) / 260;
        break;
    }
    r.tax = atLeastZero(P);
}

void annualTax(const PeriodTaxInput& in, PeriodTaxResult& r)
{
    const PeriodAmounts& a = in.amounts;
    const double rate = in.settings.TAIncRate8020;
    r.rebate = rebateTotal(in.age);
    const double days = static_cast<double>(in.endDate) - in.startDate + 1;
    r.daysWorked = days;
    r.retirementDeduction = retirementDeduction(PayPeriod::Year, a, rate);
    r.taxableTravelAllowance = taxableTravelAllowance(a.V, rate);
    r.regularIncome = r.taxableTravelAllowance + a.S + a.K - r.retirementDeduction + a.ME + a.FE;
    r.annualEquivalent = days < 365 ? r.regularIncome * 365 / days : r.regularIncome;

    annualTaxes(r, a.N);
    double Tw = r.taxWithBonus - r.rebate;
    double To = r.taxWithoutBonus - r.rebate;
    // With a travel allowance or commission the two taxes lose their cents.
    if (a.V + a.K > 0) {
        Tw = std::floor(Tw);
        To = std::floor(To);
    }
    Tw = atLeastZero(Tw);
    To = atLeastZero(To);
    r.taxWithBonus = Tw;
    r.taxWithoutBonus = To;
    const double P = days < 365 ? To * days / 365 + (Tw - To) : To + (Tw - To);
    r.tax = atLeastZero(P);
}

// The year's credit: each month inside the period with its own count; the
// months outside count nothing and their fields are cleared.
double annualMedicalCredit(const PeriodTaxInput& in, std::array<std::int16_t, 13>& months)
{
    const PeriodAmounts& a = in.amounts;
    if (!(a.ME > 0 || a.MW > 0))
        return 0;
    const int first = taxYearPosition(calendarDate(in.startDate).month);
    const int last = taxYearPosition(calendarDate(in.endDate).month);
    double credit = 0;
    for (int position = 1; position <= 12; ++position) {
        const int month = position <= 10 ? position + 2 : position - 10;
        if (position >= first && position <= last)
            credit += monthlyMedicalCredit(months[month], a.ME, a.MW);
        else
            months[month] = 0;
    }
    return credit;
}

bool allFinite(const PeriodTaxResult& r)
{
    for (double x :
         {r.retirementDeduction, r.taxableTravelAllowance, r.regularIncome, r.annualEquivalent, r.taxWithBonus,
          r.taxWithoutBonus, r.tax, r.medicalCredit, r.additionalMedicalCredit, r.totalTax, r.uifBase, r.uifEmployee,
          r.uifEmployer, r.skillsLevy, r.TaxableIncome, r.TaxScaleResult.Tax, r.TaxScaleResult.PortionTax})
        if (!std::isfinite(x))
            return false;
    return true;
}

} // namespace

int daysInMonthOf(int dayNumber)
{
    switch (calendarDate(dayNumber).month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        return 28;
    default:
        return 30;
    }
}

PeriodRefusal periodCheck(const PeriodTaxInput& in)
{
    switch (in.period) {
    case PayPeriod::Month: {
        if (!inTaxYear(in.startDate) || !inTaxYear(in.endDate))
            return PeriodRefusal::DateOutsideTaxYear;
        const CalendarDate start = calendarDate(in.startDate);
        const CalendarDate end = calendarDate(in.endDate);
        if (start.month != end.month || start.year != end.year)
            return PeriodRefusal::DifferentMonths;
        if (start.day > end.day)
            return PeriodRefusal::StartAfterEnd;
        return PeriodRefusal::None;
    }
    case PayPeriod::Week:
        if (in.thisDays > in.normalDays)
            return PeriodRefusal::ThisWeekAboveNormal;
        if (in.thisDays <= 0)
            return PeriodRefusal::NoDaysThisWeek;
        return PeriodRefusal::None;
    case PayPeriod::Fortnight:
        if (in.thisDays > in.normalDays)
            return PeriodRefusal::ThisFortnightAboveNormal;
        if (in.thisDays <= 0)
            return PeriodRefusal::NoDaysThisFortnight;
        return PeriodRefusal::None;
    case PayPeriod::Year:
        // The screen's date limits keep the start before the end; a period
        // that is not one would divide by a day count of 0 or less.
        if (!inTaxYear(in.startDate) || !inTaxYear(in.endDate))
            return PeriodRefusal::DateOutsideTaxYear;
        if (in.startDate > in.endDate)
            return PeriodRefusal::StartAfterEnd;
        return PeriodRefusal::None;
    case PayPeriod::Day:
        return PeriodRefusal::None;
    }
    return PeriodRefusal::None;
}

PeriodTaxResult calculatePeriodTax(const PeriodTaxInput& in)
{
    PeriodTaxResult r;
    r.monthBeneficiaries = in.monthBeneficiaries;
    r.refusal = periodCheck(in);
    if (!r.computed())
        return r;

    const PeriodAmounts& a = in.amounts;
    const PeriodSettings& s = in.settings;
    if (in.period == PayPeriod::Year) {
        r.medicalCredit = annualMedicalCredit(in, r.monthBeneficiaries);
        annualTax(in, r);
    } else {
        r.medicalCredit = periodMedicalCredit(in.period, monthlyMedicalCredit(in.beneficiaries, a.ME, a.MW));
        shortPeriodTax(in, r);
        r.uifBase = periodUifBase(a, s.TAIncRate8020);
        const UifContributions uif =
            uifContributions(r.uifBase, uifCeiling(in.period, s.UIFLimit), s.EmployeeUIF, s.EmployerUIF);
        r.uifEmployee = uif.employee;
        r.uifEmployer = uif.employer;
        r.skillsLevy = skillsLevy(r.uifBase, r.retirementDeduction, a.K, s.SkillLevy);
    }
    r.retirementDeductionShown = std::nearbyint(r.retirementDeduction);
    r.taxableTravelAllowanceShown = std::nearbyint(r.taxableTravelAllowance);
    r.additionalMedicalCredit = additionalMedicalCredit(r.medicalCredit, a.ME, a.MW, in.age);
    const double total = r.tax - (r.medicalCredit + r.additionalMedicalCredit);
    r.totalTax = total > 0 ? total : 0;

    if (!allFinite(r)) {
        PeriodTaxResult refused;
        refused.monthBeneficiaries = in.monthBeneficiaries;
        refused.refusal = PeriodRefusal::ResultNotFinite;
        return refused;
    }
    return r;
}

PeriodRefusalMessage periodRefusalMessage(PayPeriod period, PeriodRefusal refusal)
{
    const bool monthly = period == PayPeriod::Month;
    const std::string incorrectDate = "Incorrect Date";
    const std::string incorrectDays = "Incorrect Number of Days";
    switch (refusal) {
    case PeriodRefusal::None:
    case PeriodRefusal::ResultNotFinite:
        return {};
    case PeriodRefusal::DateOutsideTaxYear:
        return {"The date entered is not correct please enter a date between 01/03/2020 and 28/02/2021", incorrectDate,
                monthly ? "dtMStartDate" : "dtStartDate"};
    case PeriodRefusal::DifferentMonths:
        return {"The Start and End dates entered must be for the same Month", incorrectDate, "dtMEndDate"};
    case PeriodRefusal::StartAfterEnd:
        return {"The Start date entered must be before the End date", incorrectDate,
                monthly ? "dtMStartDate" : "dtStartDate"};
    case PeriodRefusal::ThisWeekAboveNormal:
        return {"The number of 'Normal work-week' days must be = to or larger than 'This work-week'.", incorrectDays,
                "cmdCalculate"};
    case PeriodRefusal::ThisFortnightAboveNormal:
        return {"The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'.", incorrectDays,
                "cmdCalculate"};
    case PeriodRefusal::NoDaysThisWeek:
        return {"The number of 'This work-week' days must be at least 1.", incorrectDays, "silgEdit22"};
    case PeriodRefusal::NoDaysThisFortnight:
        return {"The number of 'This fortnight' days must be at least 1.", incorrectDays, "silgEdit22"};
    }
    return {};
}

} // namespace revtal
