// The quick tax report: what TovrikPrint writes and what the printed
// statement shows.
#include "report_test_support.h"

#include <QPushButton>

#include "reports/print_panel.h"
#include "reports/report_preview.h"
#include "shell/app_directory.h"
#include "shell/app_state.h"
#include "taxrules/quick_tax.h"
#include "taxrules/tovrik_print.h"

namespace revtal::test {
namespace {

class TovrikPrintTest : public ReportFixture {
  protected:
    // What "&Calculate" on the quick tax screen leaves.
    void calculate(double income, int age)
    {
        state.TaxableIncome = state.TovrikIncome = income;
        state.TovrikAge = static_cast<std::int16_t>(age);
        state.tovrikResult = NEWCALC(income, age);
    }

    QVariant field(const char* name) const
    {
        return rawValue(reportDbPath(), QStringLiteral("SELECT \"%1\" FROM tovriktax").arg(QLatin1String(name)));
    }

    AppState state;
};

TEST_F(TovrikPrintTest, writes_the_eleven_fields_of_the_last_calculation)
{
    calculate(500000, 40);
    ASSERT_TRUE(TovrikPrint(state, ReportDb(reportDbPath())));
    EXPECT_EQ(field("AGE").toInt(), 40);
    EXPECT_EQ(field("TAXINCOME").toDouble(), 500000.0);
    EXPECT_EQ(field("TAXTOPAY").toDouble(), 105429.0) << "the bracket's base tax, not the total";
    EXPECT_EQ(field("MARGRATE").toDouble(), 36.0);
    EXPECT_NEAR(field("PORTION").toDouble(), 19764.0, 1e-6);
    EXPECT_NEAR(field("TOTTAX").toDouble(), 125193.0, 1e-6);
    EXPECT_EQ(field("REBATE").toDouble(), 14958.0);
    EXPECT_NEAR(field("TAXCOM4").toDouble(), 110235.0, 1e-6);
    EXPECT_NEAR(field("AVRATE").toDouble(), 25.0386, 1e-9);
    EXPECT_NEAR(field("AVRATEAFT").toDouble(), 22.047, 1e-9);
    EXPECT_EQ(field("TAXCOM4/2").toDouble(), field("TAXCOM4").toDouble() / 12) << "one twelfth, unrounded";
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT count(*) FROM tovriktax").toInt(), 1);
}

TEST_F(TovrikPrintTest, typing_without_calculating_prints_the_new_income_and_age_beside_the_old_figures)
{
    calculate(500000, 40);
    state.TovrikIncome = state.TaxableIncome = 250000; // typed, not calculated
    state.TovrikAge = 70;
    ASSERT_TRUE(TovrikPrint(state, ReportDb(reportDbPath())));
    EXPECT_EQ(field("TAXINCOME").toDouble(), 250000.0);
    EXPECT_EQ(field("AGE").toInt(), 70);
    EXPECT_EQ(field("REBATE").toDouble(), 14958.0);
    EXPECT_NEAR(field("TOTTAX").toDouble(), 125193.0, 1e-6);
}

TEST_F(TovrikPrintTest, a_tax_worked_out_elsewhere_does_not_enter_the_report)
{
    calculate(500000, 40);
    state.TaxableIncome = 90000; // another screen's computation since
    state.TaxScaleResult = ApplyTaxScale(90000);
    ASSERT_TRUE(TovrikPrint(state, ReportDb(reportDbPath())));
    EXPECT_EQ(field("TAXTOPAY").toDouble(), 105429.0);
    EXPECT_EQ(field("MARGRATE").toDouble(), 36.0);
}

TEST_F(TovrikPrintTest, the_statement_shows_every_field_with_its_caption)
{
    calculate(500000, 40);
    pressTovrikPrint(state, engine.get(), "cmdPD");
    ASSERT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
    EXPECT_EQ(state.PrintDestination, 1);
    const QString text = pdfText(pdfPath).simplified();
    const char* shown[] = {"Quick Tax Calculation",
                           "Age 40 years",
                           "Annual taxable income R 500 000.00",
                           "Tax on the lower limit of the bracket R 105 429.00",
                           "Marginal tax rate 36.00 %",
                           "at the marginal rate R 19 764.00",
                           "Total tax before rebates R 125 193.00",
                           "as the age allows) R 14 958.00",
                           "Tax commitment for the year R 110 235.00",
                           "Tax commitment per month R 9 186.25",
                           "Average rate before rebates 25.04 %",
                           "Average rate after rebates 22.05 %",
                           "Page 1 of 1"};
    for (const char* figure : shown)
        EXPECT_TRUE(text.contains(QLatin1String(figure))) << figure << "\n" << text.toStdString();
    EXPECT_EQ(pdfPageCount(pdfPath), 1);
}

TEST_F(TovrikPrintTest, the_preview_bears_the_quick_tax_title)
{
    calculate(100000, 66);
    pressTovrikPrint(state, engine.get(), "cmdVR");
    ASSERT_EQ(engine->previews().size(), 1) << messages.join("\n").toStdString();
    EXPECT_EQ(engine->previews()[0]->windowTitle(),
              QStringLiteral("Tovrik - To export printout click on the suitcase button or goto Help"));
    EXPECT_EQ(engine->templatePath(), applicationFile("\\tovriktep.rpt"));
    EXPECT_EQ(engine->previews()[0]->pageCount(), 1);
}

} // namespace
} // namespace revtal::test
