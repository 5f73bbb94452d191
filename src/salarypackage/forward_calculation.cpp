#include "salarypackage/forward_calculation.h"

#include <cmath>

#include "salarypackage/package_credits.h"
#include "taxrules/contributions.h"
#include "taxrules/tax_scale.h"

namespace revtal {

namespace {

PackageResult refuse(PackageResult result, PackageRefusal why, const PackageInputs& in)
{
    result.refusal = why;
    result.message = why == PackageRefusal::UnusableValues ? "The calculation cannot use these values!" : "";
    keepTypedInputs(result, in);
    result.warningLineShown = false; // the print lock stays as it was
    return result;
}

} // namespace

PackageResult CalculatePackageForward(PackagePeriod period, const PackageInputs& in, const PackageSettings& set,
                                      const PackageResult& previous)
{
    const bool year = period == PackagePeriod::Year;
    const double K = in.numNetMonSalReq;
    if (K == 0)
        return refuse(previous, PackageRefusal::NoAmount, in);
    if (!packageValuesFinite(in, set))
        return refuse(previous, PackageRefusal::UnusableValues, in);

    const double T = in.numTravAll;
    const double TAR = set.TAIncRate8020;
    const double EEMED = in.numMedAidCont;
    const double ERMED = in.numCCMedAidCont;
    const double S = otherExpensesTotal(in);

    PackageResult r;
    PackageFigures& f = r.figures;
    const PackageCredits credits = packageCredits(period, in, set);
    f.CFB = credits.CFB;
    f.REB = credits.REB;
    f.MTC = credits.MTC;
    f.AMC = credits.AMC;
    r.numPMems = credits.numPMems;
    r.numMedDeduct = credits.numMedDeduct;

    f.EEC = set.PensionCont > 0 ? K * set.PensionCont / 100 : in.numRFundCont;
    f.ERC = set.EmployerPenCont > 0 ? K * set.EmployerPenCont / 100 : in.numCCRFundCont;

    const double base = K + ERMED + T * TAR + f.ERC;
    f.LIM = retirementDeductionLimit(f.EEC + f.ERC, base, retirementCap(year ? PayPeriod::Year : PayPeriod::Month));

    f.TI = K - T + T * TAR + f.CFB - f.LIM;
    if (!year)
        f.TI = 12 * f.TI;
    if (f.TI < 0)
        f.TI = 0;
    f.TAX = ApplyTaxScale(f.TI).Tax - f.REB;
    if (f.TAX < 0)
        f.TAX = 0;
    if (!year)
        f.TAX = f.TAX / 12;

    f.U = K - T + T * TAR + f.CFB;
    r.numRFundCont = set.PensionCont > 0 ? f.EEC : in.numRFundCont;
    r.numCCRFundCont = set.EmployerPenCont > 0 ? f.ERC : in.numCCRFundCont;

    const auto uif = uifContributions(f.U, uifCeiling(year ? PayPeriod::Year : PayPeriod::Month, set.UIFLimit),
                                      set.EmployeeUIF, set.EmployerUIF);
    f.UIFE = uif.employee;
    f.UIFR = uif.employer;
    f.SDL = (f.U - f.LIM) * set.SkillLevy / 100;

    r.warningLineShown = f.EEC + f.ERC > f.LIM;
    r.printLocked = r.warningLineShown;

    r.numUIFCont = f.UIFE;
    r.numCCUIFCont = f.UIFR;
    r.numCCSkillLev = f.SDL;
    r.numMAns = f.TAX;
    r.numTaxCredit = f.MTC + f.AMC;
    r.numTaxDeduct = f.TAX - (f.MTC + f.AMC) > 0 ? f.TAX - (f.MTC + f.AMC) : 0;
    // The employer's medical and retirement amounts and the other benefits come out of the package.
    r.numGrossSal = K - EEMED - in.numOTaxFB - r.numRFundCont - r.numMedDeduct - r.numUIFCont - r.numTaxDeduct - ERMED -
                    r.numCCRFundCont - S;
    r.numTotCostComp = K + r.numCCRFundCont + r.numCCUIFCont + r.numCCSkillLev + in.numCCCompCar;

    r.onceOffLineShown = in.numCompCar > 0 && in.numCCCompCar == 0;
    r.numOnceOff = r.onceOffLineShown ? in.numCompCar : 0;

    if (!packageResultFinite(r, {r.figures.TI, r.figures.U}))
        return refuse(previous, PackageRefusal::UnusableValues, in);
    return r;
}

} // namespace revtal
