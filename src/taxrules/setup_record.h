#pragma once
// The per-installation payroll figures of the one Setup record.

namespace revtal {

struct SetupRecord {
    double PensionCont = 0;         // employee retirement fund, % of salary
    double EmployerPenCont = 0;     // employer retirement fund, % of salary
    double EmployeeUIF = 1;         // %
    double EmployerUIF = 1;         // %
    double SkillLevy = 1;           // %
    double ProvCont = 0;            // employee provident fund, %
    double EmployerProvCont = 0;    // employer provident fund, %
    double UIFLimit = 14872;        // rand per month, on every screen
    double TAIncRate8020 = 0.8;     // travel allowance inclusion rate
    double CompCarFBRate8020 = 0.8; // company car fringe benefit inclusion rate
    bool CompCarMPYesNo = false;    // the company car has a maintenance plan

    bool operator==(const SetupRecord&) const = default;
};

} // namespace revtal
