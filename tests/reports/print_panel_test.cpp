// The print-choice frame and the three orders in which screens print.
#include "report_test_support.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

#include "reports/print_panel.h"
#include "reports/report_db.h"
#include "reports/report_preview.h"
#include "shell/app_directory.h"
#include "shell/app_state.h"

namespace revtal::test {
namespace {

class PrintPanelTest : public ReportFixture {
  protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        writeTemplate("\\loanbuster.rpt", "@table BondBust\n<p>Principal R [[PAmt]]</p>");
        writeTemplate("\\Inflatin.rpt", "@table Inflation\n<p>Future cost R [[Ans1]]</p>");
        screen = std::make_unique<QWidget>();
        screen->resize(600, 400);
        ok = new QPushButton("&OK", screen.get());
        ok->setObjectName("cmdOK");
        screen->show();
    }

    PrintPanel* panel(PrintPanel::Order order, const QString& table, double value, const QString& templateName,
                      const QString& title, PrintPanel::Cancel cancel = PrintPanel::Cancel::Standard)
    {
        auto* p = new PrintPanel(state, engine.get(), order, "fraPrint", cancel, screen.get());
        p->setOkButton(ok);
        p->setWriter([this, table, value](const ReportDb& db) {
            ++writes;
            return db.writeRecord(table, {{table == "BondBust" ? "PAmt" : "Ans1", value}});
        });
        p->setReport({templateName, title});
        return p;
    }

    double stored(const QString& sql) const { return rawValue(reportDbPath(), sql).toDouble(); }

    AppState state;
    std::unique_ptr<QWidget> screen; // made once the application exists
    QPushButton* ok = nullptr;
    int writes = 0;
};

TEST_F(PrintPanelTest, frame_and_buttons_carry_their_names_and_captions)
{
    PrintPanel* standard = panel(PrintPanel::Order::ChooseThenFill, "BondBust", 1, "\\loanbuster.rpt", "");
    EXPECT_EQ(standard->objectName(), QStringLiteral("fraPrint"));
    EXPECT_FALSE(standard->isVisible());
    EXPECT_EQ(child<QPushButton>(standard, "cmdPD")->text(), QStringLiteral("P&rint directly to printer"));
    EXPECT_EQ(child<QPushButton>(standard, "cmdVR")->text(), QStringLiteral("&View/Export report"));
    EXPECT_EQ(child<QPushButton>(standard, "cmdCancel")->text(), QStringLiteral("&Cancel"));
    PrintPanel* finance =
        panel(PrintPanel::Order::FillThenChoose, "BondBust", 1, "\\loanbuster.rpt", "", PrintPanel::Cancel::Finance);
    EXPECT_EQ(child<QPushButton>(finance, "cmdPrintCancel")->text(), QStringLiteral("C&ancel"));
}

TEST_F(PrintPanelTest, fill_then_choose_without_a_result_only_moves_the_focus_to_ok)
{
    ASSERT_TRUE(ReportDb(reportDbPath()).writeRecord("BondBust", {{"PAmt", 7.0}}));
    PrintPanel* p = panel(PrintPanel::Order::FillThenChoose, "BondBust", 100000, "\\loanbuster.rpt", "Loan Buster");
    p->setCondition([] { return false; });
    p->printPressed();
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(screen->focusWidget(), ok);
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(stored("SELECT PAmt FROM BondBust"), 7.0);
    EXPECT_TRUE(engine->templatePath().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PrintPanelTest, fill_then_choose_fills_on_print_and_runs_on_the_choice)
{
    PrintPanel* p = panel(PrintPanel::Order::FillThenChoose, "BondBust", 100000, "\\loanbuster.rpt", "Loan Buster");
    p->setCondition([] { return true; });
    p->printPressed();
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(stored("SELECT PAmt FROM BondBust"), 100000.0);
    EXPECT_EQ(engine->templatePath(), applicationFile("\\loanbuster.rpt"));
    EXPECT_TRUE(engine->windowTitle().isEmpty()) << "the title waits for the preview";

    child<QPushButton>(p, "cmdVR")->click();
    EXPECT_FALSE(p->isVisible());
    ASSERT_EQ(engine->previews().size(), 1);
    EXPECT_EQ(engine->previews()[0]->windowTitle(), QStringLiteral("Loan Buster"));

    p->printPressed();
    child<QPushButton>(p, "cmdPD")->click();
    EXPECT_TRUE(pdfText(pdfPath).contains("Principal R 100 000.00"));
    EXPECT_EQ(engine->previews().size(), 1);
    EXPECT_EQ(writes, 2);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
}

TEST_F(PrintPanelTest, cancel_after_fill_then_choose_leaves_the_table_filled_and_prints_nothing)
{
    PrintPanel* p = panel(PrintPanel::Order::FillThenChoose, "BondBust", 4321, "\\loanbuster.rpt", "Loan Buster");
    p->printPressed();
    child<QPushButton>(p, "cmdCancel")->click();
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(stored("SELECT PAmt FROM BondBust"), 4321.0);
    EXPECT_TRUE(engine->previews().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(pdfPath));
}

TEST_F(PrintPanelTest, fill_then_choose_can_set_its_title_with_the_fill)
{
    PrintPanel* p = panel(PrintPanel::Order::FillThenChoose, "Inflation", 1790.85, "\\Inflatin.rpt",
                          "Inflation - To export printout click on the suitcase button or goto Help");
    p->setTitleWithFill(true);
    p->printPressed();
    EXPECT_EQ(engine->windowTitle(),
              QStringLiteral("Inflation - To export printout click on the suitcase button or goto Help"));
    child<QPushButton>(p, "cmdPD")->click();
    EXPECT_TRUE(pdfText(pdfPath).contains("Future cost R 1 790.85"));
}

TEST_F(PrintPanelTest, choose_then_fill_sets_the_print_destination_then_fills_and_runs)
{
    PrintPanel* p = panel(PrintPanel::Order::ChooseThenFill, "BondBust", 250000, "\\loanbuster.rpt", "Buster preview");
    p->printPressed();
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(writes, 0) << "nothing is written before the choice";

    child<QPushButton>(p, "cmdPD")->click();
    EXPECT_EQ(state.PrintDestination, 1);
    EXPECT_FALSE(p->isVisible());
    EXPECT_TRUE(pdfText(pdfPath).contains("Principal R 250 000.00"));
    EXPECT_TRUE(engine->windowTitle().isEmpty()) << "a direct print sets no title";

    p->printPressed();
    child<QPushButton>(p, "cmdVR")->click();
    EXPECT_EQ(state.PrintDestination, 0);
    ASSERT_EQ(engine->previews().size(), 1);
    EXPECT_EQ(engine->previews()[0]->windowTitle(), QStringLiteral("Buster preview"));
    EXPECT_EQ(writes, 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass is gone";

    state.reset();
    EXPECT_EQ(state.PrintDestination, 0);
    state.PrintDestination = 1;
    state.reset();
    EXPECT_EQ(state.PrintDestination, 1) << "the reset leaves the destination";
}

TEST_F(PrintPanelTest, a_direct_print_after_a_preview_keeps_the_previews_title)
{
    PrintPanel* first = panel(PrintPanel::Order::ChooseThenFill, "BondBust", 1, "\\loanbuster.rpt", "First title");
    PrintPanel* second = panel(PrintPanel::Order::ChooseThenFill, "Inflation", 2, "\\Inflatin.rpt", "Second title");
    first->printPressed();
    child<QPushButton>(first, "cmdVR")->click();
    second->printPressed();
    child<QPushButton>(second, "cmdPD")->click();
    EXPECT_EQ(engine->windowTitle(), QStringLiteral("First title"));
    // A later report without a title of its own previews under the last one set.
    PrintPanel* untitled = panel(PrintPanel::Order::ChooseRecalculateFill, "Inflation", 3, "\\Inflatin.rpt", "");
    untitled->printPressed();
    child<QPushButton>(untitled, "cmdVR")->click();
    ASSERT_EQ(engine->previews().size(), 2);
    EXPECT_EQ(engine->previews()[1]->windowTitle(), QStringLiteral("First title"));
}

TEST_F(PrintPanelTest, choose_recalculate_fill_keeps_the_frame_open_without_a_result)
{
    ASSERT_TRUE(ReportDb(reportDbPath()).writeRecord("BondBust", {{"PAmt", 9.0}}));
    int recalculations = 0;
    bool valid = false;
    PrintPanel* p = panel(PrintPanel::Order::ChooseRecalculateFill, "BondBust", 500000, "\\loanbuster.rpt",
                          "Annual repayment of Loan with Amortisation");
    p->setCondition([&] {
        ++recalculations;
        return valid;
    });
    p->printPressed();
    EXPECT_EQ(recalculations, 0);
    child<QPushButton>(p, "cmdVR")->click();
    EXPECT_EQ(recalculations, 1);
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(stored("SELECT PAmt FROM BondBust"), 9.0);
    EXPECT_TRUE(engine->previews().isEmpty());

    valid = true;
    child<QPushButton>(p, "cmdPD")->click();
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(recalculations, 2);
    EXPECT_TRUE(pdfText(pdfPath).contains("Principal R 500 000.00"));
    EXPECT_EQ(engine->windowTitle(), QStringLiteral("Annual repayment of Loan with Amortisation"))
        << "the schedule reports set their title for either destination";
}

TEST_F(PrintPanelTest, the_report_can_be_chosen_at_each_print)
{
    QString chosen = "\\loanbuster.rpt";
    PrintPanel* p = panel(PrintPanel::Order::ChooseRecalculateFill, "BondBust", 1, "", "");
    p->setReportChoice([&] { return PrintPanel::Report{chosen, QString()}; });
    child<QPushButton>(p, "cmdPD")->click();
    EXPECT_EQ(engine->templatePath(), applicationFile("\\loanbuster.rpt"));
    chosen = "\\Inflatin.rpt";
    child<QPushButton>(p, "cmdPD")->click();
    EXPECT_EQ(engine->templatePath(), applicationFile("\\Inflatin.rpt"));
}

TEST_F(PrintPanelTest, a_failed_write_is_told_and_runs_nothing)
{
    PrintPanel* p = panel(PrintPanel::Order::ChooseThenFill, "BondBust", 1, "\\loanbuster.rpt", "Title");
    p->setWriter([](const ReportDb& db) { return db.writeRecord("BondBust", {{"NoSuchField", 1}}); });
    p->printPressed();
    child<QPushButton>(p, "cmdVR")->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("NoSuchField")) << messages[0].toStdString();
    EXPECT_TRUE(engine->previews().isEmpty());
    EXPECT_TRUE(engine->templatePath().isEmpty());
    EXPECT_FALSE(p->isVisible());
    EXPECT_TRUE(screen->isEnabled());
}

} // namespace
} // namespace revtal::test
