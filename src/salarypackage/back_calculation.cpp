#include "salarypackage/back_calculation.h"

#include <cmath>

#include "salarypackage/back_search.h"
#include "salarypackage/package_credits.h"
#include "taxrules/contributions.h"

namespace revtal {

namespace {

PackageResult refuse(PackageResult result, PackageRefusal why, const PackageInputs& in)
{
    result.refusal = why;
    switch (why) {
    case PackageRefusal::FringeBenefits:
        result.message = "Fringe benefits more than salary required!";
        break;
    case PackageRefusal::NetUnreachable:
        result.message = "No salary gives the net salary required with these settings!";
        break;
    case PackageRefusal::UnusableValues:
        result.message = "The calculation cannot use these values!";
        break;
    case PackageRefusal::None:
    case PackageRefusal::NoAmount:
        result.message.clear();
        break;
    }
    keepTypedInputs(result, in);
    // The warning follows the contributions and limit still held.
    const PackageFigures& held = result.figures;
    result.warningLineShown = held.EEC + held.ERC > held.LIM;
    result.printLocked = result.warningLineShown;
    return result;
}

} // namespace

double backFringeBenefits(PackagePeriod period, const PackageInputs& in)
{
    const double fringe = in.numTravAll + in.numOTaxFB + otherExpensesTotal(in);
    return period == PackagePeriod::Year ? fringe - in.numCCRFundCont + in.numRFundCont : fringe;
}

PackageResult CalculatePackageBack(PackagePeriod period, const PackageInputs& in, const PackageSettings& set,
                                   const PackageResult& previous)
{
    const bool year = period == PackagePeriod::Year;
    const double NR = in.numNetMonSalReq;
    if (NR == 0)
        return refuse(previous, PackageRefusal::NoAmount, in);
    if (!packageValuesFinite(in, set))
        return refuse(previous, PackageRefusal::UnusableValues, in);

    const double T = in.numTravAll;
    const double S = otherExpensesTotal(in);
    if (backFringeBenefits(period, in) > NR)
        return refuse(previous, PackageRefusal::FringeBenefits, in);

    const PackageCredits credits = packageCredits(period, in, set);
    const BackSearchSetup setup = makeBackSearchSetup(period, in, set);
    if (!backSearchUsable(setup))
        return refuse(previous, PackageRefusal::UnusableValues, in);
    const auto W = findBackSalary(setup);
    if (!W) {
        PackageResult r = refuse(previous, PackageRefusal::NetUnreachable, in);
        r.numPMems = credits.numPMems;
        r.numMedDeduct = credits.numMedDeduct;
        return r;
    }

    const BackStep step = evaluateBackStep(setup, *W);
    PackageResult r;
    PackageFigures& f = r.figures;
    f.CFB = credits.CFB;
    f.REB = credits.REB;
    f.MTC = credits.MTC;
    f.AMC = credits.AMC;
    f.EEC = step.EEC;
    f.ERC = step.ERC;
    f.TI = step.TI;
    f.TAX = step.TAX;
    f.U = step.U;
    f.UIFE = step.UIFE;
    f.UIFR = step.UIFR;
    f.SDL = step.SDL;
    f.W = step.W;
    f.NET = step.NET;
    r.numPMems = credits.numPMems;
    r.numMedDeduct = credits.numMedDeduct;

    const double EEMED = in.numMedAidCont;
    const double ERMED = in.numCCMedAidCont;
    // Decides the warning only; the search deducts the contributions in full.
    const double base = step.W + ERMED + EEMED + T * set.TAIncRate8020 + f.ERC;
    f.LIM = retirementDeductionLimit(f.EEC + f.ERC, base, retirementCap(year ? PayPeriod::Year : PayPeriod::Month));

    r.numRFundCont = set.PensionCont > 0 ? f.EEC : in.numRFundCont;
    r.numCCRFundCont = set.EmployerPenCont > 0 ? f.ERC : in.numCCRFundCont;

    const double C = setup.C;
    r.numUIFCont = f.UIFE;
    r.numCCUIFCont = f.UIFR;
    r.numCCSkillLev = f.SDL;
    r.numMAns = f.TAX;
    r.numTaxCredit = C;
    r.numTaxDeduct = f.TAX - C > 0 ? f.TAX - C : 0;
    // Built on the net required, not on the net the search reached.
    r.numGrossSal = r.numMedDeduct + NR + r.numUIFCont + r.numTaxDeduct + S + r.numRFundCont + EEMED;
    r.onceOffLineShown = in.numCompCar > 0 && in.numCCCompCar == 0;
    r.numOnceOff = r.onceOffLineShown ? in.numCompCar : 0;
    r.numTotCostComp = r.numGrossSal + ERMED + r.numCCUIFCont + r.numCCSkillLev + in.numCCCompCar + r.numCCRFundCont;

    r.warningLineShown = f.EEC + f.ERC > f.LIM;
    r.printLocked = r.warningLineShown;

    if (!packageResultFinite(r, {r.figures.NET, r.figures.SDL}))
        return refuse(previous, PackageRefusal::UnusableValues, in);
    return r;
}

} // namespace revtal
