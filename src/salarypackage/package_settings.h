#pragma once
// The Setup figures a salary package screen loads when it opens and edits in
// its settings panel. Percentages are percent values, rates fractions.

namespace revtal {

struct PackageSettings {
    double PensionCont = 0;     // employee retirement fund, % of salary
    double EmployerPenCont = 0; // employer retirement fund, % of salary
    double EmployeeUIF = 0;
    double EmployerUIF = 0;
    double SkillLevy = 0;
    double ProvCont = 0;         // carried only; enters no calculation
    double EmployerProvCont = 0; // carried only; enters no calculation
    double UIFLimit = 0;         // rand a month, also on the annual screens
    double TAIncRate8020 = 0.8;
    double CompCarFBRate8020 = 0.8;
    bool CompCarMPYesNo = false; // the company car has a maintenance plan
};

} // namespace revtal
