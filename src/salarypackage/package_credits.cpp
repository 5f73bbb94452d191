#include "salarypackage/package_credits.h"

#include <cmath>

#include "taxrules/contributions.h"
#include "taxrules/tax_scale.h"
#include "taxrules/tax_year.h"

namespace revtal {

PackageCredits packageCredits(PackagePeriod period, const PackageInputs& in, const PackageSettings& set)
{
    PackageCredits c;
    const double carRate = set.CompCarMPYesNo ? taxyear::kCarBenefitRateWithPlan : taxyear::kCarBenefitRateWithoutPlan;
    c.CFB = in.numCompCar * carRate * set.CompCarFBRate8020;
    if (period == PackagePeriod::Year)
        c.CFB = c.CFB * 12;

    c.REB = rebateTotal(in.numAge);
    c.numMedDeduct = in.numAge < taxyear::kSecondaryRebateAge ? 0 : in.numMedDeduct;

    const double employer = in.numCCMedAidCont;
    const double employee = in.numMedAidCont;
    c.numPMems = in.numPMems;
    if (employer > 0 || employee > 0) {
        c.MTC = period == PackagePeriod::Year ? beneficiaryMonthsMedicalCredit(in.numPMems, employer, employee)
                                              : monthlyMedicalCredit(in.numPMems, employer, employee);
    } else {
        c.MTC = 0;
        c.numPMems = 0;
    }
    c.AMC = additionalMedicalCredit(c.MTC, employer, employee, in.numAge);
    return c;
}

bool packageValuesFinite(const PackageInputs& in, const PackageSettings& set)
{
    const double values[] = {
        in.numNetMonSalReq,  in.numCompCar,         in.numTravAll,      in.numMedAidCont,  in.numOTaxFB,
        in.numRFundCont,     in.numMedDeduct,       in.numOtherDet[0],  in.numOtherDet[1], in.numOtherDet[2],
        in.numOtherDet[3],   in.numCCCompCar,       in.numCCMedAidCont, in.numCCRFundCont, set.PensionCont,
        set.EmployerPenCont, set.EmployeeUIF,       set.EmployerUIF,    set.SkillLevy,     set.UIFLimit,
        set.TAIncRate8020,   set.CompCarFBRate8020,
    };
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

void keepTypedInputs(PackageResult& result, const PackageInputs& in)
{
    result.numPMems = in.numPMems;
    result.numMedDeduct = in.numMedDeduct;
    result.numRFundCont = in.numRFundCont;
    result.numCCRFundCont = in.numCCRFundCont;
    result.onceOffLineShown = false;
    result.numOnceOff = 0;
}

bool packageResultFinite(const PackageResult& r, std::initializer_list<double> figures)
{
    const double shown[] = {r.numRFundCont, r.numCCRFundCont, r.numUIFCont,   r.numCCUIFCont, r.numCCSkillLev,
                            r.numMAns,      r.numTaxCredit,   r.numTaxDeduct, r.numGrossSal,  r.numTotCostComp,
                            r.figures.LIM};
    for (double v : shown)
        if (!std::isfinite(v))
            return false;
    for (double v : figures)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace revtal
