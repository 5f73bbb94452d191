// The main window: its menu, one instance per screen, window arrangement,
// "Initialise All", start-up and shut-down with the preferences database.
#include "shell/app_directory.h"
#include "shell/app_state.h"
#include "shell/calculator_screen.h"
#include "shell/mdi_form1.h"
#include "shell/preferences_db.h"
#include "support/raw_database.h"
#include "shell/twips.h"
#include "shell/version.h"
#include "support/screen_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <memory>

namespace revtal {
namespace {

using test::child;

// A stand-in for a calculator screen a later version builds.
class StubScreen : public CalculatorScreen {
public:
    StubScreen(ScreenContext c, const QString& name) : CalculatorScreen(c, name) { resize(300, 200); }
};

class MainWindowTest : public test::ScreenFixture {
protected:
    QString prefsPath() const { return QDir(appDir()).filePath(QStringLiteral("bcdv.mdb")); }

    // A start-up in which the user accepts the disclaimer, if it appears.
    std::unique_ptr<MDIForm1> startAccepting(bool expectDisclaimer = true)
    {
        if (expectDisclaimer)
            expectModal([](QWidget* dialog) {
                EXPECT_EQ(dialog->objectName(), QStringLiteral("frmDisclaimerYesNo"));
                auto* ok = child<QPushButton>(dialog, "cmdOk");
                EXPECT_FALSE(ok->isEnabled());
                child<QCheckBox>(dialog, "chkDisclaimerYesNo")->setChecked(true);
                ok->click();
            });
        auto window = std::make_unique<MDIForm1>();
        EXPECT_TRUE(window->startUp());
        return window;
    }

    void trigger(MDIForm1& window, const char* command)
    {
        QAction* action = window.findChild<QAction*>(QString::fromLatin1(command));
        ASSERT_NE(action, nullptr) << command;
        ASSERT_TRUE(action->isEnabled()) << command;
        action->trigger();
    }

    QWidget* aboutScreen() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmAbout") && w->isVisible())
                return w;
        return nullptr;
    }
};

TEST_F(MainWindowTest, menu_lists_every_command_in_display_order_with_its_caption)
{
    MDIForm1 window;
    QStringList shown;
    for (QAction* top : window.menuBar()->actions()) {
        shown << top->objectName() + QLatin1Char('=') + top->text();
        if (QMenu* menu = top->menu())
            for (QAction* item : menu->actions())
                shown << QStringLiteral("  ") + item->objectName() + QLatin1Char('=') +
                             (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    const QStringList expected = {
        "mnuFile=&File", "  mnuNew=&Initialise All", "  Space1=-", "  mnuPrinterSet=&Printer Setup", "  Space2=-",
        "  mnuExit=E&xit", "mnuRevtal=&Revtal", "  mnuRevtalMon=&Monthly", "  mnuRevtalAnn=&Annual",
        "mnuPendral=&Pendral", "  mnuPendralMon=&Monthly", "  mnuPendralAnn=&Annual", "mnuTaxCalc=&TaxCalcs",
        "  mnuAnnual=&Annual", "  mnuMonthly=&Monthly", "  mnuFortNight=&FortNightly", "  mnuWeekly=&Weekly",
        "  mnuDaily=&Daily", "  Tovrik=Tovrik", "mnuCarCalcs=&Car Calculations", "  mnuCompCar=&Company car",
        "  mnuCarAll1=Car Allowance", "mnuBusinessCalcs=Bu&siness Calculations",
        "  mnuInflationProject=Inflation Projections", "  mnuLoans=Loans", "  mnuLoansBuster=Loan buster",
        "  mnuLoansComparison=Loan comparison", "  mnuDailyBalance=Daily balance",
        "mnuMSCalculator=&MS-Calculator", "mnuHelp=&Help/Videos", "  mnuContents=Revtal 2021 Help",
        "  VideoLectures1=Video Lectures", "  mnuHelpSearchForHelpOn=&Search For Help On...", "  Space3=-",
        "  mnuAbout=&About Revtal2021...", "mnuKestra=  Kestra  "};
    EXPECT_EQ(shown, expected);

    auto action = [&](const char* n) { return window.findChild<QAction*>(QString::fromLatin1(n)); };
    EXPECT_TRUE(action("mnuHelpSearchForHelpOn")->isVisible());
    EXPECT_FALSE(action("mnuHelpSearchForHelpOn")->isEnabled());
    EXPECT_FALSE(action("mnuKestra")->isVisible());
    EXPECT_FALSE(action("mnuKestra")->isEnabled());
    // Commands of screens this version has are available; the others wait for theirs.
    EXPECT_TRUE(action("Tovrik")->isEnabled());
    EXPECT_TRUE(action("mnuContents")->isEnabled());
    EXPECT_FALSE(action("mnuLoans")->isEnabled());
    window.registerScreen(QStringLiteral("frmLoans"),
                          [](ScreenContext c) { return new StubScreen(c, QStringLiteral("frmLoans")); });
    EXPECT_TRUE(action("mnuLoans")->isEnabled());
}

TEST_F(MainWindowTest, opening_a_screen_twice_keeps_one_instance_and_brings_it_to_the_front)
{
    MDIForm1 window;
    window.show();
    trigger(window, "Tovrik");
    CalculatorScreen* first = window.screen(QStringLiteral("frmTovrik"));
    ASSERT_NE(first, nullptr);
    trigger(window, "mnuContents");
    EXPECT_EQ(window.mdiArea()->activeSubWindow()->widget()->objectName(), QStringLiteral("frmHelpBrowser"));
    trigger(window, "Tovrik");
    EXPECT_EQ(window.screen(QStringLiteral("frmTovrik")), first);
    EXPECT_EQ(window.mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(window.mdiArea()->activeSubWindow()->widget(), first);
}

TEST_F(MainWindowTest, company_car_command_widens_and_cascades_only_in_the_normal_state)
{
    MDIForm1 window;
    window.registerScreen(QStringLiteral("frmCompCar"),
                          [](ScreenContext c) { return new StubScreen(c, QStringLiteral("frmCompCar")); });
    window.registerScreen(QStringLiteral("frmCarAll1"),
                          [](ScreenContext c) { return new StubScreen(c, QStringLiteral("frmCarAll1")); });
    window.resize(700, 600);
    window.show();
    trigger(window, "mnuCarAll1");  // cascades, leaves the width
    EXPECT_EQ(window.width(), 700);
    QMdiSubWindow* allowance = window.mdiArea()->subWindowList().front();
    allowance->move(250, 180);
    trigger(window, "mnuCompCar");
    EXPECT_EQ(window.width(), twipsToPixels(&window, 13405));
    EXPECT_EQ(allowance->pos(), QPoint(0, 0)) << "cascading starts at the top left";

    window.closeScreenWindow(QStringLiteral("frmCompCar"));
    window.resize(700, 600);
    window.setWindowState(Qt::WindowMaximized);
    allowance->move(250, 180);
    const int maximisedWidth = window.width();
    trigger(window, "mnuCompCar");
    EXPECT_NE(window.screen(QStringLiteral("frmCompCar")), nullptr);
    EXPECT_EQ(window.width(), maximisedWidth);
    EXPECT_EQ(allowance->pos(), QPoint(250, 180));
}

TEST_F(MainWindowTest, initialise_all_closes_the_listed_screens_and_keeps_the_quick_tax_screen)
{
    MDIForm1 window;
    window.registerScreen(QStringLiteral("frmMonthly"),
                          [](ScreenContext c) { return new StubScreen(c, QStringLiteral("frmMonthly")); });
    window.registerScreen(QStringLiteral("frmFortNight"),
                          [](ScreenContext c) { return new StubScreen(c, QStringLiteral("frmFortNight")); });
    window.show();
    for (const char* command : {"Tovrik", "mnuMonthly", "mnuFortNight", "mnuContents"})
        trigger(window, command);
    window.state().TovrikAge = 70;
    window.state().LoanRate = 11;
    trigger(window, "mnuNew");
    QApplication::processEvents();
    EXPECT_NE(window.screen(QStringLiteral("frmTovrik")), nullptr);
    EXPECT_NE(window.screen(QStringLiteral("frmFortNight")), nullptr);
    EXPECT_EQ(window.screen(QStringLiteral("frmMonthly")), nullptr);
    EXPECT_EQ(window.screen(QStringLiteral("frmHelpBrowser")), nullptr);
    EXPECT_EQ(window.mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(window.state().TovrikAge, 70) << "the reset leaves the quick tax age";
    EXPECT_EQ(window.state().LoanRate, 0);
    // A closed screen opens afresh.
    trigger(window, "mnuMonthly");
    EXPECT_NE(window.screen(QStringLiteral("frmMonthly")), nullptr);
}

TEST_F(MainWindowTest, first_start_shows_about_then_the_disclaimer_and_stores_the_accepted_version)
{
    {
        auto window = startAccepting();
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Revtal 2021 Ver: ") + QString::fromStdString(shownVersion()));
        EXPECT_NE(aboutScreen(), nullptr) << "ViewAbout starts True";
        EXPECT_TRUE(window->state().disclaimerAccepted);
        EXPECT_EQ(window->state().PrefsDbPath, prefsPath().toStdString());
        EXPECT_TRUE(window->hasBackgroundPicture());
    }
    const auto stored = PreferencesDb(prefsPath()).read();
    ASSERT_TRUE(stored.status.ok);
    EXPECT_EQ(stored.value.Var1, numericVersion());
    EXPECT_TRUE(stored.value.ViewAbout);

    // The same build starts without the disclaimer; an older accepted version brings it back.
    startAccepting(false);
    ASSERT_TRUE(PreferencesDb(prefsPath()).storeVar1(static_cast<std::int16_t>(numericVersion() - 1)).ok);
    startAccepting(true);
}

TEST_F(MainWindowTest, declining_the_disclaimer_ends_the_program_and_stores_nothing)
{
    expectModal([](QWidget* dialog) { child<QPushButton>(dialog, "cmdCancel")->click(); });
    MDIForm1 window;
    EXPECT_FALSE(window.startUp());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(PreferencesDb(prefsPath()).read().value.Var1, 0);
}

TEST_F(MainWindowTest, about_check_box_closed_by_close_box_turns_the_start_up_about_off_and_on)
{
    {
        auto window = startAccepting();
        QWidget* about = aboutScreen();
        ASSERT_NE(about, nullptr);
        auto* check = child<QCheckBox>(about, "Check1");
        EXPECT_FALSE(check->isChecked());
        check->setChecked(true);
        about->close();  // the close box
        QApplication::processEvents();
    }
    EXPECT_FALSE(PreferencesDb(prefsPath()).read().value.ViewAbout);
    {
        auto window = startAccepting(false);
        EXPECT_EQ(aboutScreen(), nullptr);
        trigger(*window, "mnuAbout");
        QWidget* about = aboutScreen();
        ASSERT_NE(about, nullptr);
        auto* check = child<QCheckBox>(about, "Check1");
        EXPECT_TRUE(check->isChecked());
        check->setChecked(false);
        // Left open: shutting the program down closes it, which stores the choice.
        window->close();
    }
    EXPECT_TRUE(PreferencesDb(prefsPath()).read().value.ViewAbout);
}

TEST_F(MainWindowTest, damaged_preferences_file_is_moved_aside_with_one_message_and_start_up_goes_on)
{
    test::writeBytes(prefsPath(), QByteArray("this is not a database, just some text"));
    expectMessageBox();
    auto window = startAccepting();
    ASSERT_EQ(modalTexts.size(), 1);
    EXPECT_TRUE(modalTexts.front().contains(QLatin1String("bcdv.mdb"))) << modalTexts.front().toStdString();
    EXPECT_EQ(test::filesStartingWith(appDir(), QStringLiteral("bcdv.mdb")).size(), 2) << "the old file is kept";
    EXPECT_EQ(PreferencesDb(prefsPath()).read().value.Var1, numericVersion());
}

TEST_F(MainWindowTest, unwritable_application_directory_keeps_the_databases_in_the_user_data_directory)
{
    QStandardPaths::setTestModeEnabled(true);  // a scratch per-user directory
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(userData).removeRecursively();
    setApplicationDirectory(QStringLiteral("/proc"));  // not even root may create files there
    {
        auto window = startAccepting();
        EXPECT_EQ(QFileInfo(QString::fromStdString(window->state().PrefsDbPath)).absolutePath(),
                  QFileInfo(userData).absoluteFilePath());
        EXPECT_EQ(QFileInfo(QString::fromStdString(window->state().SettingsDbPath)).fileName(),
                  QStringLiteral("Settings.mdb"));
    }
    EXPECT_EQ(PreferencesDb(QDir(userData).filePath(QStringLiteral("bcdv.mdb"))).read().value.Var1, numericVersion());
    QDir(userData).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
}

TEST_F(MainWindowTest, missing_background_picture_leaves_a_plain_background)
{
    QFile::remove(QDir(appDir()).filePath(QStringLiteral("Revtal.jpg")));
    auto window = startAccepting();
    EXPECT_FALSE(window->hasBackgroundPicture());
}

TEST_F(MainWindowTest, calculator_command_without_a_desktop_calculator_says_so)
{
    MDIForm1 window;
    window.setDesktopCalculators({QStringLiteral("/nonexistent/revtal-no-calculator")});
    expectMessageBox();
    trigger(window, "mnuMSCalculator");
    ASSERT_EQ(modalTexts.size(), 1);
    EXPECT_EQ(modalTexts.front(), QStringLiteral("The Microsoft Calculator is not installed or in the Windows directory"));
}

TEST_F(MainWindowTest, exit_closes_the_help_screen_and_the_window)
{
    auto window = startAccepting();
    trigger(*window, "mnuContents");
    trigger(*window, "mnuExit");
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->screen(QStringLiteral("frmHelpBrowser")), nullptr);
}

}  // namespace
}  // namespace revtal
