// The quick tax screen: typing, calculating, showing and activation.
#include "shell/app_state.h"
#include "shell/decimal_field.h"
#include "shell/mdi_form1.h"
#include "support/screen_fixture.h"
#include "taxrules/frm_tovrik.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

namespace revtal {
namespace {

using test::child;

class QuickTaxScreenTest : public test::ScreenFixture {
protected:
    DecimalField* field(QWidget* screen, int i)
    {
        const QByteArray name = "sidbEdit1_" + QByteArray::number(i);
        return child<DecimalField>(screen, name.constData());
    }
    void type(QWidget* screen, int i, const char* text)
    {
        DecimalField* f = field(screen, i);
        f->setFocus();
        f->selectAll();
        QTest::keyClicks(f, QString::fromLatin1(text));
        QTest::keyClick(f, Qt::Key_Tab);
    }
    std::vector<double> shown(QWidget* screen)
    {
        std::vector<double> values;
        for (int i = 0; i < 10; ++i)
            values.push_back(field(screen, i)->value());
        return values;
    }
};

TEST_F(QuickTaxScreenTest, worked_example_shows_every_figure_of_the_statement)
{
    AppState state;
    frmTovrik screen(ScreenContext{state});
    screen.show();
    type(&screen, 0, "500 000");
    type(&screen, 1, "40");
    EXPECT_EQ(state.TaxableIncome, 500000);
    EXPECT_EQ(state.TovrikIncome, 500000);
    EXPECT_EQ(state.TovrikAge, 40);
    EXPECT_EQ(field(&screen, 2)->value(), 0) << "typing alone calculates nothing";

    child<QPushButton>(&screen, "cmdCalculate")->click();
    const std::vector<double> values = shown(&screen);
    const std::vector<double> expected = {500000, 40, 105429, 36, 19764, 125193, 14958, 110235};
    EXPECT_EQ(std::vector<double>(values.begin(), values.begin() + 8), expected);
    EXPECT_NEAR(values[8], 25.0386, 1e-4);
    EXPECT_NEAR(values[9], 22.0470, 1e-4);
    EXPECT_EQ(field(&screen, 8)->text(), QStringLiteral("25.0"));
    EXPECT_EQ(field(&screen, 9)->text(), QStringLiteral("22.0"));
    EXPECT_EQ(field(&screen, 7)->text(), QStringLiteral("110 235"));
    EXPECT_EQ(state.TaxScaleResult.BaseTax, 105429);
}

TEST_F(QuickTaxScreenTest, results_are_read_only_and_outside_the_tab_order)
{
    AppState state;
    frmTovrik screen(ScreenContext{state});
    for (int i = 2; i < 10; ++i) {
        EXPECT_TRUE(field(&screen, i)->isReadOnly()) << i;
        EXPECT_EQ(field(&screen, i)->tabStop(), false) << i;
    }
    EXPECT_FALSE(field(&screen, 0)->isReadOnly());
    EXPECT_EQ(field(&screen, 0)->maximum(), 99999999);
    EXPECT_EQ(field(&screen, 1)->maximum(), 99);
}

TEST_F(QuickTaxScreenTest, activation_recalculates_the_income_the_last_computation_used)
{
    MDIForm1 window;
    window.show();
    window.findChild<QAction*>(QStringLiteral("Tovrik"))->trigger();
    QWidget* screen = window.screen(QStringLiteral("frmTovrik"));
    ASSERT_NE(screen, nullptr);
    type(screen, 1, "40");
    window.findChild<QAction*>(QStringLiteral("mnuContents"))->trigger();

    window.state().TaxableIncome = 80000;  // as another calculator leaves it
    window.findChild<QAction*>(QStringLiteral("Tovrik"))->trigger();
    EXPECT_EQ(window.mdiArea()->activeSubWindow()->widget(), screen);
    const std::vector<double> values = shown(screen);
    EXPECT_EQ(values[0], 80000);
    EXPECT_EQ(values[1], 40) << "the age stays as typed";
    EXPECT_EQ(values[5], 14400);
    EXPECT_EQ(values[6], 14958);
    EXPECT_EQ(values[7], 0) << "the commitment is never negative";
    EXPECT_EQ(values[9], 0);
    EXPECT_EQ(window.state().TovrikIncome, 80000);

    // OK closes the screen; the next opening shows the kept age and income.
    child<QPushButton>(screen, "cmdOk")->click();
    QApplication::processEvents();
    EXPECT_EQ(window.screen(QStringLiteral("frmTovrik")), nullptr);
    window.findChild<QAction*>(QStringLiteral("Tovrik"))->trigger();
    screen = window.screen(QStringLiteral("frmTovrik"));
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(field(screen, 1)->value(), 40);
    EXPECT_EQ(field(screen, 0)->value(), 80000);
}

TEST_F(QuickTaxScreenTest, income_of_zero_shows_the_marginal_rate_as_the_average_before_rebates)
{
    AppState state;
    frmTovrik screen(ScreenContext{state});
    screen.show();
    type(&screen, 0, "0");
    child<QPushButton>(&screen, "cmdCalculate")->click();
    const std::vector<double> values = shown(&screen);
    EXPECT_EQ(values[5], 0);
    EXPECT_EQ(values[7], 0);
    EXPECT_EQ(values[8], 18);
    EXPECT_EQ(field(&screen, 8)->text(), QStringLiteral("18.0"));
    EXPECT_EQ(values[9], 0);
}

TEST_F(QuickTaxScreenTest, alt_c_in_the_screen_calculates_instead_of_opening_the_car_menu)
{
    MDIForm1 window;
    window.show();
    QApplication::setActiveWindow(&window);
    window.findChild<QAction*>(QStringLiteral("Tovrik"))->trigger();
    QWidget* screen = window.screen(QStringLiteral("frmTovrik"));
    ASSERT_NE(screen, nullptr);
    DecimalField* income = field(screen, 0);
    income->setFocus();
    QTest::keyClicks(income, QStringLiteral("500000"));
    QTest::keyClick(income, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(field(screen, 7)->value(), 110235.0);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no menu opened";
}

}  // namespace
}  // namespace revtal
