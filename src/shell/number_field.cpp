#include "shell/number_field.h"

#include "shell/number_text.h"
#include "shell/numbers.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <utility>

namespace revtal {

// Refuses keystrokes and pastes that cannot lead to a number the field holds;
// a number beyond the limits is only Intermediate, so it can be typed and
// then reported as out of range.
class NumberField::TextValidator : public QValidator {
  public:
    explicit TextValidator(NumberField* field) : QValidator(field), field_(field) {}

    State validate(QString& input, int&) const override
    {
        const bool minus = input.contains(QLatin1Char('-')) || input.contains(QChar(0x2212));
        if (minus && field_->minimum_ >= 0)
            return Invalid;
        switch (readNumberText(input.toStdString()).kind) {
        case NumberTextKind::Incomplete:
            return Intermediate;
        case NumberTextKind::Unreadable:
            return Invalid;
        case NumberTextKind::Empty:
        case NumberTextKind::Number:
            break;
        }
        bool outOfRange = false;
        if (!field_->readForField(input, &outOfRange))
            return Invalid;
        return outOfRange ? Intermediate : Acceptable;
    }

  private:
    NumberField* field_;
};

NumberField::NumberField(int decimals, double minimum, double maximum, QWidget* parent)
    : QLineEdit(parent), minimum_(minimum), maximum_(std::max(minimum, maximum)), decimals_(std::clamp(decimals, 0, 9)),
      focus_(
          this, [this] { begin(); }, [this] { leave(); })
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new TextValidator(this));
    connect(this, &QLineEdit::textEdited, this, [this] { userEdit_ = true; });
    connect(this, &QLineEdit::textChanged, this, &NumberField::onTextChanged);
    setBackgroundColor(background_);
    value_ = clamped(0);
    entryStart_ = value_;
    showValue();
}

void NumberField::setBackgroundColor(const QColor& colour)
{
    background_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

bool NumberField::tabStop() const
{
    return (focusPolicy() & Qt::TabFocus) != 0;
}

void NumberField::setTabStop(bool on)
{
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

std::optional<double> NumberField::textNumber() const
{
    const NumberText reading = readNumberText(text().toStdString());
    if (reading.kind == NumberTextKind::Empty)
        return 0.0;
    if (reading.isNumber())
        return reading.value;
    return std::nullopt;
}

bool NumberField::setNumber(double value)
{
    overflowRequest_ = value;
    overflow_ = !std::isfinite(value) || !inRange(value);
    value_ = std::isnan(value) ? clamped(0) : clamped(value);
    if (value_ == 0)
        value_ = 0; // no "-0.00"
    entryStart_ = value_;
    edited_ = false;
    showValue();
    return !overflow_;
}

void NumberField::setNumberRange(double minimum, double maximum)
{
    if (std::isnan(minimum) || std::isnan(maximum))
        return;
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    if (overflow_) {
        setNumber(overflowRequest_); // it may fit now
    } else if (!inRange(value_)) {
        value_ = clamped(value_);
        entryStart_ = value_;
        showValue();
    }
}

void NumberField::setShownDecimals(int decimals)
{
    decimals_ = std::clamp(decimals, 0, 9);
    showValue();
}

void NumberField::focusInEvent(QFocusEvent* event)
{
    focus_.focusIn();
    QLineEdit::focusInEvent(event);
}

void NumberField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    focus_.focusOut(event);
}

void NumberField::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && editing()) {
        const Outcome outcome = completeEntry();
        showValue();
        if (outcome == Outcome::OutOfRange)
            emit outOfRange();
    }
    QLineEdit::keyPressEvent(event);
}

std::optional<double> NumberField::readForField(const QString& text, bool* outOfRange) const
{
    const NumberText reading = readNumberText(text.toStdString());
    double value = 0;
    if (reading.isNumber()) {
        if (reading.significantDecimals > decimals_ || reading.integerDigits > maximumIntegerDigits())
            return std::nullopt;
        if (reading.negative && reading.value != 0 && minimum_ >= 0)
            return std::nullopt;
        if (reading.mayBeGrouping && decimals_ < 3 && inRange(reading.groupedValue)) {
            // "1,250" could be 1250 or 1.25 here: take neither. Where three
            // decimals are usual (rates) the mark is a decimal mark.
            return std::nullopt;
        }
        value = reading.value;
    } else if (reading.kind != NumberTextKind::Empty) {
        return std::nullopt;
    }
    if (outOfRange)
        *outOfRange = !inRange(value);
    return value;
}

int NumberField::maximumIntegerDigits() const
{
    const double limit = std::max(std::fabs(minimum_), std::fabs(maximum_));
    int digits = 1;
    for (double power = 10; power <= limit && digits < 308; power *= 10)
        ++digits;
    return digits;
}

double NumberField::clamped(double value) const
{
    return std::clamp(value, minimum_, maximum_);
}

void NumberField::onTextChanged(const QString& text)
{
    const bool byUser = std::exchange(userEdit_, false);
    if (formatting_)
        return;
    bool outOfRange = false;
    const std::optional<double> value = readForField(text, &outOfRange);
    if (byUser) {
        edited_ = true;
        if (value && !outOfRange)
            takeUserValue(*value);
        return;
    }
    // Text set by the program is read like an entry, without notification;
    // text the field cannot hold gives way to the value's own.
    if (value && !outOfRange)
        setNumber(*value);
    else
        showValue();
}

void NumberField::takeUserValue(double value)
{
    if (value == 0)
        value = 0;
    if (value == value_ && !overflow_)
        return;
    value_ = value;
    overflow_ = false;
    emit changed();
}

NumberField::Outcome NumberField::completeEntry()
{
    if (!edited_)
        return Outcome::Held;
    edited_ = false;
    bool outOfRange = false;
    const std::optional<double> value = readForField(text(), &outOfRange);
    Outcome outcome = Outcome::Held;
    if (value && !outOfRange) {
        takeUserValue(*value);
    } else if (value) {
        takeUserValue(entryStart_);
        outcome = Outcome::OutOfRange;
    } else if (zeroWhenUnreadable_) {
        takeUserValue(clamped(0));
    } else {
        takeUserValue(entryStart_);
    }
    entryStart_ = value_;
    return outcome;
}

void NumberField::begin()
{
    entryStart_ = value_;
    edited_ = false;
    showValue(); // without grouping while it is edited
    emit gotFocus();
}

void NumberField::leave()
{
    const Outcome outcome = isReadOnly() ? Outcome::Held : completeEntry();
    showValue();
    emit lostFocus();
    if (outcome == Outcome::OutOfRange)
        emit outOfRange();
}

void NumberField::showValue()
{
    if (overflow_ && !editing())
        showText(kOverflowText);
    else
        showText(QString::fromStdString(formatNumber(value_, decimals_, !editing())));
}

void NumberField::showText(const QString& text)
{
    if (text == this->text())
        return;
    formatting_ = true;
    setText(text);
    formatting_ = false;
}

} // namespace revtal
