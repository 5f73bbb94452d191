#include "shell/date_field.h"
#include "shell/decimal_field.h"
#include "shell/spin_button.h"
#include "shell/whole_number_field.h"
#include "support/screen_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace revtal {
namespace {

// A window with the fields under test and a plain line edit to move the focus to.
class EntryFieldsTest : public test::ScreenFixture {
  protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        window_ = std::make_unique<QWidget>();
        layout_ = new QVBoxLayout(window_.get());
        elsewhere_ = add(new QLineEdit);
    }

    void TearDown() override
    {
        window_.reset();
        ScreenFixture::TearDown();
    }

    template <typename Widget> Widget* add(Widget* widget)
    {
        layout_->addWidget(widget);
        widget->show(); // a layout shows a late child only later
        return widget;
    }

    // Shows the window and makes it the active one, as the user would see it.
    void showWindow()
    {
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    // Tabs into the field (which selects its text) and types: a new entry.
    void type(QWidget* field, const QString& keys)
    {
        if (field->hasFocus())
            leave();
        field->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(field->hasFocus());
        QTest::keyClicks(field, keys);
    }

    void leave() { elsewhere_->setFocus(Qt::TabFocusReason); }

    void paste(QLineEdit* field, const QString& text)
    {
        if (field->hasFocus())
            leave();
        field->setFocus(Qt::TabFocusReason);
        QGuiApplication::clipboard()->setText(text);
        field->selectAll();
        QTest::keySequence(field, QKeySequence::Paste);
    }

    DecimalField* moneyField()
    {
        auto* field = add(new DecimalField);
        field->setObjectName(QStringLiteral("numPrinAmount"));
        return field;
    }

    DecimalField* rateField()
    {
        auto* field = add(new DecimalField);
        field->setObjectName(QStringLiteral("numIntRate"));
        field->setDecimals(3);
        field->setRange(0, 50);
        return field;
    }

    std::unique_ptr<QWidget> window_;
    QVBoxLayout* layout_ = nullptr;
    QLineEdit* elsewhere_ = nullptr;
};

// Records the values a screen would store from changed().
template <typename Field> struct Stored {
    explicit Stored(Field* field)
        : connection(
              QObject::connect(field, &Field::changed, field, [this, field] { values.push_back(field->value()); }))
    {
    }
    ~Stored() { QObject::disconnect(connection); }
    Stored(const Stored&) = delete;
    Stored& operator=(const Stored&) = delete;

    QMetaObject::Connection connection;
    std::vector<double> values;
};

TEST_F(EntryFieldsTest, typing_stores_each_readable_amount_at_once)
{
    auto* field = moneyField();
    showWindow();
    Stored stored(field);
    type(field, QStringLiteral("1234.5"));
    EXPECT_EQ(field->value(), 1234.5);
    // "1234." reads as 1234 again, so it raises nothing new.
    EXPECT_EQ(stored.values, (std::vector<double>{1, 12, 123, 1234, 1234.5}));
    EXPECT_EQ(field->text(), QStringLiteral("1234.5"));
    leave();
    EXPECT_EQ(field->text(), QStringLiteral("1 234.50"));
    EXPECT_EQ(stored.values.size(), 5u);
    EXPECT_TRUE(field->alignment() & Qt::AlignRight);
}

TEST_F(EntryFieldsTest, pasted_amounts_are_read_or_refused_never_misread)
{
    const struct {
        const char* text;
        bool taken;
        double value;
    } cases[] = {
        {"R 1 234,56", true, 1234.56},
        {"1234.56", true, 1234.56},
        {"R1,234,567.89", true, 1234567.89},
        {"1.234.567,89", true, 1234567.89},
        {" 99 999 999.99 ", true, 99999999.99},
        {"", true, 0},
        {"1,250", false, 0},  // 1250 or 1.25
        {"1.234", false, 0},  // 1234, or three decimals where two are allowed
        {"12.345", false, 0}, // three decimals
        {"12abc", false, 0},
        {"-5", false, 0},        // the minimum is 0
        {"123456789", false, 0}, // nine digits where the maximum has eight
        {"1 2345", false, 0},
    };
    for (const auto& c : cases) {
        auto* field = moneyField();
        showWindow();
        field->setValue(77);
        paste(field, QString::fromUtf8(c.text));
        EXPECT_EQ(field->value(), c.taken ? c.value : 77) << c.text;
        leave();
        delete field;
    }
}

TEST_F(EntryFieldsTest, keystrokes_beyond_the_decimals_or_digits_are_refused)
{
    auto* rate = rateField();
    auto* whole = add(new WholeNumberField);
    whole->setRange(0, 600);
    showWindow();
    type(rate, QStringLiteral("12.3456"));
    EXPECT_EQ(rate->text(), QStringLiteral("12.345"));
    EXPECT_EQ(rate->value(), 12.345);
    type(rate, QStringLiteral("7,5"));
    EXPECT_EQ(rate->value(), 7.5); // a comma is a decimal mark too
    type(whole, QStringLiteral("12.5"));
    EXPECT_EQ(whole->text(), QStringLiteral("12."));
    EXPECT_EQ(whole->value(), 12);
    type(whole, QStringLiteral("36.00"));
    EXPECT_EQ(whole->value(), 36);
    type(whole, QStringLiteral("a-1"));
    EXPECT_EQ(whole->text(), QStringLiteral("1"));
}

TEST_F(EntryFieldsTest, an_entry_above_the_maximum_never_reaches_the_stored_value)
{
    auto* rate = rateField();
    showWindow();
    rate->setValue(10);
    Stored stored(rate);
    std::vector<QString> order;
    QObject::connect(rate, &DecimalField::lostFocus, rate, [&] { order.push_back(QStringLiteral("lost")); });
    QObject::connect(rate, &DecimalField::outOfRange, rate, [&] { order.push_back(QStringLiteral("range")); });
    type(rate, QStringLiteral("60"));
    EXPECT_EQ(rate->text(), QStringLiteral("60")); // shown while it is being typed
    leave();
    EXPECT_EQ(rate->value(), 10);
    EXPECT_EQ(rate->text(), QStringLiteral("10.000"));
    ASSERT_FALSE(stored.values.empty());
    EXPECT_EQ(stored.values.back(), 10);
    for (double v : stored.values)
        EXPECT_LE(v, 50);
    EXPECT_EQ(order, (std::vector<QString>{QStringLiteral("lost"), QStringLiteral("range")}));
}

TEST_F(EntryFieldsTest, enter_completes_an_entry_in_place)
{
    auto* rate = rateField();
    auto* period = add(new WholeNumberField);
    period->setRange(0, 600);
    showWindow();
    QSignalSpy rateRange(rate, &DecimalField::outOfRange);
    QSignalSpy periodRange(period, &WholeNumberField::outOfRange);
    type(rate, QStringLiteral("50.001"));
    QTest::keyClick(rate, Qt::Key_Return);
    EXPECT_EQ(rateRange.count(), 1);
    EXPECT_TRUE(rate->hasFocus());
    EXPECT_EQ(rate->value(), 0);
    type(period, QStringLiteral("601"));
    QTest::keyClick(period, Qt::Key_Enter);
    EXPECT_EQ(periodRange.count(), 1);
    EXPECT_EQ(period->value(), 0);
    type(period, QStringLiteral("600"));
    QTest::keyClick(period, Qt::Key_Enter);
    EXPECT_EQ(periodRange.count(), 1);
    EXPECT_EQ(period->value(), 600);
}

TEST_F(EntryFieldsTest, a_screen_can_complain_and_put_the_focus_back)
{
    auto* rate = rateField();
    showWindow();
    QSignalSpy lost(rate, &DecimalField::lostFocus);
    QSignalSpy range(rate, &DecimalField::outOfRange);
    QObject::connect(rate, &DecimalField::outOfRange, rate, [rate] {
        QMessageBox::critical(rate, QStringLiteral("Incorrect Interest Rate!"),
                              QStringLiteral("The maximum interest rate allowed is 50%"));
        rate->setFocus();
    });
    expectMessageBox();
    type(rate, QStringLiteral("75"));
    leave();
    EXPECT_EQ(modalTexts, QStringList{QStringLiteral("The maximum interest rate allowed is 50%")});
    // The window takes the focus back from the message box as its events arrive.
    EXPECT_TRUE(QTest::qWaitFor([rate] { return rate->hasFocus(); }));
    // The message box took the focus from the field without ending another entry.
    EXPECT_EQ(range.count(), 1);
    EXPECT_EQ(lost.count(), 1);
    type(rate, QStringLiteral("12.5"));
    leave();
    EXPECT_EQ(rate->value(), 12.5);
    EXPECT_EQ(range.count(), 1);
}

TEST_F(EntryFieldsTest, leaving_with_no_number_undoes_the_entry_or_sets_zero)
{
    const struct {
        const char* typed;
        bool zeroWhenUnreadable;
        double value;
        const char* shown;
    } cases[] = {
        {"", false, 0, "0.00"}, // an empty money field shows 0.00
        {"", true, 0, "0.00"},     {"R", false, 500, "500.00"},
        {"R", true, 0, "0.00"},    {"1 23", false, 500, "500.00"},
        {"1 23", true, 0, "0.00"}, {",", false, 500, "500.00"},
        {"0", true, 0, "0.00"},    {"R 1 234,5", true, 1234.5, "1 234.50"},
    };
    for (const auto& c : cases) {
        auto* field = moneyField();
        field->setZeroWhenUnreadable(c.zeroWhenUnreadable);
        field->setValue(500);
        showWindow();
        Stored stored(field);
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_Delete); // the text was selected
        QTest::keyClicks(field, QString::fromUtf8(c.typed));
        leave();
        EXPECT_EQ(field->value(), c.value) << c.typed << " " << c.zeroWhenUnreadable;
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown)) << c.typed;
        ASSERT_FALSE(stored.values.empty()) << c.typed;
        EXPECT_EQ(stored.values.back(), c.value) << c.typed;
        delete field;
    }
}

TEST_F(EntryFieldsTest, passing_through_a_field_keeps_its_value_unrounded)
{
    auto* repayment = moneyField();
    repayment->setZeroWhenUnreadable(true);
    showWindow();
    repayment->setValue(965.021645);
    QSignalSpy changed(repayment, &DecimalField::changed);
    QSignalSpy got(repayment, &DecimalField::gotFocus);
    QSignalSpy lost(repayment, &DecimalField::lostFocus);
    repayment->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(repayment->text(), QStringLiteral("965.02"));
    leave();
    EXPECT_EQ(repayment->value(), 965.021645);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(got.count(), 1);
    EXPECT_EQ(lost.count(), 1);
}

TEST_F(EntryFieldsTest, grouping_shows_only_while_the_field_is_not_edited)
{
    auto* field = moneyField();
    auto* shown = moneyField();
    shown->setReadOnly(true);
    showWindow();
    field->setValue(1234567.891);
    EXPECT_EQ(field->text(), QStringLiteral("1 234 567.89"));
    field->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(field->text(), QStringLiteral("1234567.89"));
    EXPECT_EQ(field->selectedText(), field->text());
    leave();
    EXPECT_EQ(field->text(), QStringLiteral("1 234 567.89"));
    EXPECT_EQ(field->value(), 1234567.891);
    shown->setValue(1234567.891);
    shown->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(shown->text(), QStringLiteral("1 234 567.89"));
}

TEST_F(EntryFieldsTest, values_set_by_the_program_raise_no_change)
{
    auto* field = moneyField();
    auto* whole = add(new WholeNumberField);
    auto* date = add(new DateField);
    showWindow();
    QSignalSpy fieldChanged(field, &DecimalField::changed);
    QSignalSpy wholeChanged(whole, &WholeNumberField::changed);
    QSignalSpy dateChanged(date, &DateField::changed);
    field->setValue(12.5);
    field->setText(QStringLiteral("R 1 234,5")); // read like an entry
    whole->setValue(7);
    date->setValue(kTaxYearStart);
    EXPECT_EQ(field->value(), 1234.5);
    EXPECT_EQ(field->text(), QStringLiteral("1 234.50"));
    field->setText(QStringLiteral("abc")); // not an amount: the value's text returns
    EXPECT_EQ(field->text(), QStringLiteral("1 234.50"));
    EXPECT_EQ(fieldChanged.count(), 0);
    EXPECT_EQ(wholeChanged.count(), 0);
    EXPECT_EQ(dateChanged.count(), 0);
}

TEST_F(EntryFieldsTest, a_value_beyond_the_limits_shows_as_overflow_and_is_not_held)
{
    auto* field = moneyField();
    field->setDecimals(0);
    const struct {
        double set;
        double held;
    } cases[] = {
        {-5, 0},
        {1e12, DecimalField::kMoneyMaximum},
        {std::numeric_limits<double>::infinity(), DecimalField::kMoneyMaximum},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases) {
        field->setValue(c.set);
        EXPECT_TRUE(field->isOverflow()) << c.set;
        EXPECT_EQ(field->text(), DecimalField::kOverflowText) << c.set;
        EXPECT_EQ(field->value(), c.held) << c.set;
    }
    field->setValue(-5);
    field->setMinimum(-10); // limits set after the value still let it show
    EXPECT_FALSE(field->isOverflow());
    EXPECT_EQ(field->text(), QStringLiteral("-5"));
    field->setValue(2.5); // whole rand shown rounded, half to even; held as set
    EXPECT_EQ(field->text(), QStringLiteral("2"));
    EXPECT_EQ(field->value(), 2.5);
}

TEST_F(EntryFieldsTest, narrowing_the_limits_keeps_the_value_within_them)
{
    auto* field = moneyField();
    auto* date = add(new DateField);
    field->setValue(80);
    field->setMaximum(50);
    EXPECT_EQ(field->value(), 50);
    EXPECT_EQ(field->text(), QStringLiteral("50.00"));
    date->setValue(kTaxYearEnd);
    date->setRange(kTaxYearStart, kTaxYearStart + 30);
    EXPECT_EQ(date->value(), kTaxYearStart + 30);
    date->clearDate();
    date->setRange(kTaxYearStart, kTaxYearEnd);
    EXPECT_TRUE(date->isEmpty());
}

TEST_F(EntryFieldsTest, read_only_fields_take_no_typing)
{
    auto* field = moneyField();
    field->setReadOnly(true);
    field->setValue(42);
    showWindow();
    QSignalSpy changed(field, &DecimalField::changed);
    type(field, QStringLiteral("99"));
    paste(field, QStringLiteral("12"));
    leave();
    EXPECT_EQ(field->value(), 42);
    EXPECT_EQ(field->text(), QStringLiteral("42.00"));
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(EntryFieldsTest, properties_carry_the_names_screens_and_automation_use)
{
    auto* field = moneyField();
    auto* whole = add(new WholeNumberField);
    auto* date = add(new DateField);
    EXPECT_TRUE(field->setProperty("decimals", 3));
    EXPECT_TRUE(field->setProperty("minimum", -5.0));
    EXPECT_TRUE(field->setProperty("maximum", 40.0));
    EXPECT_TRUE(field->setProperty("value", -1.25));
    EXPECT_EQ(field->property("text").toString(), QStringLiteral("-1.250"));
    EXPECT_TRUE(field->setProperty("readOnly", true));
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_TRUE(field->setProperty("backgroundColor", QColor(255, 255, 0)));
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_TRUE(field->setProperty("tabStop", false));
    EXPECT_FALSE(field->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(field->focusPolicy() & Qt::ClickFocus);
    EXPECT_TRUE(whole->setProperty("maximum", 600));
    EXPECT_TRUE(whole->setProperty("value", 240));
    EXPECT_EQ(whole->property("value").toInt(), 240);
    EXPECT_EQ(date->property("value").toInt(), DateField::kEmpty);
    EXPECT_TRUE(date->setProperty("value", kTaxYearStart));
    EXPECT_EQ(date->text(), QStringLiteral("01/03/2020"));
}

TEST_F(EntryFieldsTest, a_typed_date_is_checked_against_the_calendar)
{
    const struct {
        const char* typed;
        int value; // kEmptyDate: the entry was undone
        bool invalid;
    } cases[] = {
        {"01032020", kTaxYearStart, false},
        {"28022021", kTaxYearEnd, false},
        {"29022020", kTaxYearStart - 1, false},
        {"31042020", kEmptyDate, true},
        {"29022021", kEmptyDate, true},
        {"0103", kEmptyDate, true},
        {"", kEmptyDate, false},
    };
    for (const auto& c : cases) {
        auto* date = add(new DateField);
        showWindow();
        QSignalSpy invalid(date, &DateField::invalidDate);
        type(date, QString::fromUtf8(c.typed));
        leave();
        EXPECT_EQ(date->value(), c.value) << c.typed;
        EXPECT_EQ(invalid.count(), c.invalid ? 1 : 0) << c.typed;
        if (c.value == kEmptyDate) {
            EXPECT_EQ(date->displayText(), QStringLiteral("__/__/____")) << c.typed;
        }
        delete date;
    }
}

TEST_F(EntryFieldsTest, a_date_field_keeps_to_its_earliest_and_latest_dates)
{
    auto* date = add(new DateField);
    date->setRange(kTaxYearStart, kTaxYearEnd);
    date->setValue(kTaxYearStart + 10);
    showWindow();
    Stored stored(date);
    QSignalSpy range(date, &DateField::outOfRange);
    type(date, QStringLiteral("01012020"));
    leave();
    EXPECT_EQ(range.count(), 1);
    EXPECT_EQ(date->value(), kTaxYearStart + 10);
    EXPECT_EQ(date->text(), QStringLiteral("11/03/2020"));
    EXPECT_TRUE(stored.values.empty()); // no mixed date on the way either
    date->setValue(kTaxYearEnd + 1);    // not taken from the program either
    EXPECT_EQ(date->value(), kTaxYearStart + 10);
    EXPECT_FALSE(date->accepts(kTaxYearEnd + 1));
    EXPECT_TRUE(date->accepts(DateField::kEmpty));
}

TEST_F(EntryFieldsTest, a_date_field_stores_each_complete_date_and_blanking)
{
    auto* date = add(new DateField);
    showWindow();
    Stored stored(date);
    type(date, QStringLiteral("15062020"));
    EXPECT_EQ(stored.values, std::vector<double>(1, dayNumber(2020, 6, 15)));
    date->selectAll();
    QTest::keyClick(date, Qt::Key_Delete);
    leave();
    EXPECT_TRUE(date->isEmpty());
    EXPECT_EQ(stored.values.back(), DateField::kEmpty);
    paste(date, QStringLiteral("2020-03-01"));
    EXPECT_EQ(date->value(), kTaxYearStart);
    paste(date, QStringLiteral("1/3/20")); // no century guessed
    EXPECT_EQ(date->value(), kTaxYearStart);
    EXPECT_EQ(date->text(), QStringLiteral("01/03/2020"));
}

TEST_F(EntryFieldsTest, a_message_box_does_not_end_the_entry)
{
    auto* field = moneyField();
    auto* other = moneyField();
    showWindow();
    QSignalSpy lost(field, &DecimalField::lostFocus);
    type(field, QStringLiteral("12"));
    expectMessageBox();
    QMessageBox::information(window_.get(), QStringLiteral("Note"), QStringLiteral("interruption"));
    EXPECT_EQ(lost.count(), 0);
    // The focus may go on from there to another field: the entry ends when
    // the window has it back.
    other->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&lost] { return lost.count() == 1; }));
    EXPECT_EQ(field->text(), QStringLiteral("12.00"));
}

TEST_F(EntryFieldsTest, spin_button_arrows_notify_and_leave_the_focus_alone)
{
    auto* rate = rateField();
    auto* spin = add(new SpinButton);
    spin->setObjectName(QStringLiteral("spRate"));
    showWindow();
    QSignalSpy up(spin, &SpinButton::spinUp);
    QSignalSpy down(spin, &SpinButton::spinDown);
    rate->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    EXPECT_EQ(up.count(), 2);
    EXPECT_EQ(down.count(), 1);
    EXPECT_TRUE(rate->hasFocus());
    EXPECT_EQ(test::child<QToolButton>(spin, "up"), spin->upButton());
    spin->setEnabled(false);
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    EXPECT_EQ(down.count(), 1);
}

} // namespace
} // namespace revtal
