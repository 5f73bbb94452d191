// The report engine: the four operations, the two destinations, and what the
// user is told when something is missing.
#include "report_test_support.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QSpinBox>

#include "reports/app_printer.h"
#include "reports/report_db.h"
#include "reports/report_preview.h"
#include "shell/app_directory.h"

namespace revtal::test {
namespace {

class ReportEngineTest : public ReportFixture {
  protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        writeTemplate("\\loanbuster.rpt", "@table BondBust\n<h1>Loan Buster</h1><p>Principal R [[PAmt]]</p>"
                                          "<p>Saving R [[XTotSavings]]</p>");
        writeTemplate("\\DayBal.rpt", "@table DailyBal\n<p>From [[StartDate]] interest R [[ANS1]]</p>");
        ASSERT_TRUE(ReportDb(reportDbPath()).writeRecord("BondBust", {{"PAmt", 100000.0}, {"XTotSavings", 83293.6}}));
        ASSERT_TRUE(ReportDb(reportDbPath()).writeRecord("DailyBal", {{"StartDate", 43891}, {"ANS1", 997.26}}));
    }

    bool preview(const QString& backslashTemplate)
    {
        engine->setTemplatePath(applicationFile(backslashTemplate));
        engine->setDestination(ReportEngine::Window);
        return engine->run();
    }
};

TEST_F(ReportEngineTest, printing_writes_the_tables_figures_to_the_printer)
{
    engine->setTemplatePath(applicationFile("\\loanbuster.rpt"));
    engine->setDestination(ReportEngine::Printer);
    ASSERT_TRUE(engine->run()) << messages.join("\n").toStdString();
    const QString text = pdfText(pdfPath);
    EXPECT_TRUE(text.contains("Principal R 100 000.00")) << text.toStdString();
    EXPECT_TRUE(text.contains("Saving R 83 293.60")) << text.toStdString();
    EXPECT_TRUE(text.contains("Page 1 of 1")) << text.toStdString();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(engine->previews().isEmpty());
}

TEST_F(ReportEngineTest, a_preview_bears_the_title_set_and_each_run_opens_another)
{
    engine->setWindowTitle("Loan Buster");
    ASSERT_TRUE(preview("\\loanbuster.rpt")) << messages.join("\n").toStdString();
    engine->setWindowTitle("Daily Balance Calculation");
    ASSERT_TRUE(preview("\\DayBal.rpt"));
    const QList<ReportPreview*> open = engine->previews();
    ASSERT_EQ(open.size(), 2);
    EXPECT_EQ(open[0]->windowTitle(), QStringLiteral("Loan Buster"));
    EXPECT_EQ(open[1]->windowTitle(), QStringLiteral("Daily Balance Calculation"));
    EXPECT_TRUE(open[0]->isVisible() && open[1]->isVisible());
    EXPECT_TRUE(open[0]->isWindow());
    EXPECT_EQ(open[1]->report().templateName(), QStringLiteral("DayBal.rpt"));
}

TEST_F(ReportEngineTest, values_persist_between_runs_whoever_set_them)
{
    engine->setWindowTitle("Daily Balance Calculation");
    ASSERT_TRUE(preview("\\DayBal.rpt"));
    // A later report that sets no title of its own.
    engine->setTemplatePath(applicationFile("\\loanbuster.rpt"));
    ASSERT_TRUE(engine->run());
    ASSERT_EQ(engine->previews().size(), 2);
    EXPECT_EQ(engine->previews()[1]->windowTitle(), QStringLiteral("Daily Balance Calculation"));
    EXPECT_EQ(engine->previews()[1]->report().templateName(), QStringLiteral("loanbuster.rpt"));

    engine->setDestination(ReportEngine::Printer);
    ASSERT_TRUE(engine->run());
    EXPECT_TRUE(engine->run()); // the printer stays the destination
    EXPECT_EQ(engine->previews().size(), 2);
}

TEST_F(ReportEngineTest, a_preview_keeps_what_it_showed_when_the_table_changes)
{
    ASSERT_TRUE(preview("\\loanbuster.rpt"));
    ASSERT_TRUE(ReportDb(reportDbPath()).writeRecord("BondBust", {{"PAmt", 5.0}}));
    ReportPreview* shown = engine->previews().first();
    ASSERT_TRUE(shown->exportTo(scratch("kept.pdf")));
    EXPECT_TRUE(pdfText(scratch("kept.pdf")).contains("100 000.00"));
}

TEST_F(ReportEngineTest, a_long_row_report_pages_with_navigation_and_zoom)
{
    QList<FieldValues> rows;
    for (int month = 1; month <= 240; ++month)
        rows << FieldValues{{"Year", month}, {"Capital", 100.0 * month}, {"Interest", 1.0}, {"Required", 0.0}};
    ASSERT_TRUE(ReportDb(reportDbPath()).refillRows("Amort", rows));
    writeTemplate("\\Schedule.rpt", "@table Amort\n<table><thead><tr><th>Month</th><th>Capital</th></tr></thead>"
                                    "[[rows]]<tr><td>[[Year]]</td><td>[[Capital]]</td></tr>[[/rows]]</table>"
                                    "<p>Total capital R [[sum Capital]]</p>");
    ASSERT_TRUE(preview("\\Schedule.rpt")) << messages.join("\n").toStdString();
    ReportPreview* window = engine->previews().first();
    const int pages = window->pageCount();
    EXPECT_GT(pages, 3);
    EXPECT_EQ(window->currentPage(), 1);
    window->findChild<QAction*>("actNextPage")->trigger();
    EXPECT_EQ(window->currentPage(), 2);
    window->findChild<QAction*>("actLastPage")->trigger();
    EXPECT_EQ(window->currentPage(), pages);
    EXPECT_EQ(window->findChild<QSpinBox*>("pageNumber")->value(), pages);
    window->findChild<QAction*>("actNextPage")->trigger();
    EXPECT_EQ(window->currentPage(), pages);
    window->findChild<QSpinBox*>("pageNumber")->setValue(2);
    EXPECT_EQ(window->currentPage(), 2);
    for (const char* zoom : {"actZoomIn", "actZoomOut", "actFitWidth", "actFitPage"})
        EXPECT_NE(window->findChild<QAction*>(zoom), nullptr) << zoom;

    engine->setDestination(ReportEngine::Printer);
    ASSERT_TRUE(engine->run());
    EXPECT_EQ(pdfPageCount(pdfPath), pages);
    const QString text = pdfText(pdfPath);
    EXPECT_TRUE(text.contains("24 000.00"));
    EXPECT_TRUE(text.contains("Total capital R 2 892 000.00")) << text.right(300).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
}

TEST_F(ReportEngineTest, a_missing_template_is_named_and_nothing_runs)
{
    engine->setTemplatePath(applicationFile("\\Revtal.rpt"));
    QFile::remove(applicationFile("\\Revtal.rpt"));
    EXPECT_FALSE(engine->run());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("Revtal.rpt")) << messages[0].toStdString();
    EXPECT_TRUE(engine->previews().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(pdfPath));
}

TEST_F(ReportEngineTest, a_missing_table_or_record_is_named_and_the_table_keeps_its_rows)
{
    writeTemplate("\\Payslip.rpt", "@table Payslip\n<p>[[Amount]]</p>");
    engine->setTemplatePath(applicationFile("\\Payslip.rpt"));
    EXPECT_FALSE(engine->run());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("Payslip")) << messages[0].toStdString();

    rawExec(reportDbPath(), {"DELETE FROM DailyBal"});
    engine->setTemplatePath(applicationFile("\\DayBal.rpt"));
    EXPECT_FALSE(engine->run());
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].contains("DailyBal")) << messages[1].toStdString();
    EXPECT_TRUE(engine->previews().isEmpty());
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT PAmt FROM BondBust").toDouble(), 100000.0);
}

TEST_F(ReportEngineTest, a_template_showing_a_field_its_table_lacks_is_named)
{
    writeTemplate("\\Inflatin.rpt", "@table Inflation\n<p>[[FutureCost]]</p>");
    engine->setTemplatePath(applicationFile("\\Inflatin.rpt"));
    EXPECT_FALSE(engine->run());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("FutureCost") && messages[0].contains("Inflatin.rpt"))
        << messages[0].toStdString();
}

TEST_F(ReportEngineTest, a_printer_that_fails_is_told_and_nothing_else_changes)
{
    pdfPrinter->setOutputFileName(scratch("no-such-folder/printed.pdf"));
    engine->setTemplatePath(applicationFile("\\loanbuster.rpt"));
    engine->setWindowTitle("Loan Buster");
    engine->setDestination(ReportEngine::Printer);
    EXPECT_FALSE(engine->run());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("could not print")) << messages[0].toStdString();
    EXPECT_TRUE(engine->previews().isEmpty());
    EXPECT_EQ(engine->windowTitle(), QStringLiteral("Loan Buster"));
    EXPECT_EQ(engine->destination(), int(ReportEngine::Printer));
}

TEST_F(ReportEngineTest, with_no_printer_installed_the_application_printer_says_so)
{
    if (!QPrinterInfo::availablePrinters().isEmpty() || printerChosen())
        GTEST_SKIP() << "this machine has a printer";
    engine->setPrinter(nullptr);
    engine->setTemplatePath(applicationFile("\\loanbuster.rpt"));
    engine->setDestination(ReportEngine::Printer);
    EXPECT_FALSE(engine->run());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("No printer is installed")) << messages[0].toStdString();
}

TEST_F(ReportEngineTest, the_preview_prints_what_it_shows_and_tells_a_failing_printer)
{
    ASSERT_TRUE(preview("\\loanbuster.rpt"));
    ReportPreview* window = engine->previews().first();
    ASSERT_TRUE(window->printTo(pdfPrinter.get()));
    EXPECT_TRUE(pdfText(pdfPath).contains("Principal R 100 000.00"));
    QPrinter broken(QPrinter::HighResolution);
    broken.setOutputFormat(QPrinter::PdfFormat);
    broken.setOutputFileName(scratch("gone/x.pdf"));
    EXPECT_FALSE(window->printTo(&broken));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ReportEngineTest, cancelling_printer_setup_changes_nothing)
{
    const bool before = printerChosen();
    expectModal([](QWidget* dialog) { dialog->close(); });
    EXPECT_FALSE(printerSetup(nullptr));
    EXPECT_EQ(printerChosen(), before);
}

TEST_F(ReportEngineTest, without_a_sink_the_message_is_a_box_over_the_owner)
{
    engine->setMessageSink({});
    engine->setTemplatePath(applicationFile("\\Nothing.rpt"));
    expectMessageBox();
    EXPECT_FALSE(engine->run());
    ASSERT_EQ(modalTexts.size(), 1);
    EXPECT_TRUE(modalTexts[0].contains("Nothing.rpt"));
}

} // namespace
} // namespace revtal::test
