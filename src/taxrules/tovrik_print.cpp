#include "taxrules/tovrik_print.h"

#include "reports/print_panel.h"
#include "shell/app_state.h"

namespace revtal {

FieldValues tovrikFields(const AppState& state)
{
    // The scale figures come from the screen's own last calculation, so a tax
    // worked out on another screen since cannot slip into this report.
    const QuickTaxResult& r = state.tovrikResult;
    return {
        {QStringLiteral("AGE"), state.TovrikAge},
        {QStringLiteral("TAXINCOME"), state.TovrikIncome},
        {QStringLiteral("TAXTOPAY"), r.scale.BaseTax},
        {QStringLiteral("MARGRATE"), r.scale.MarginalRate},
        {QStringLiteral("PORTION"), r.scale.PortionTax},
        {QStringLiteral("TOTTAX"), r.totalTax},
        {QStringLiteral("REBATE"), r.rebate},
        {QStringLiteral("TAXCOM4"), r.commitment},
        {QStringLiteral("AVRATE"), r.averageBefore},
        {QStringLiteral("AVRATEAFT"), r.averageAfter},
        {QStringLiteral("TAXCOM4/2"), r.commitment / 12},
    };
}

StorageStatus TovrikPrint(const AppState& state, const ReportDb& db)
{
    return db.writeRecord(QStringLiteral("tovriktax"), tovrikFields(state));
}

void setUpTovrikPrint(PrintPanel& panel, const AppState& state)
{
    panel.setWriter([&state](const ReportDb& db) { return TovrikPrint(state, db); });
    panel.setReport({kTovrikTemplate, kTovrikTitle});
}

} // namespace revtal
