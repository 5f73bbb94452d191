#include "shell/date_field.h"

#include "shell/date_text.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include <utility>

namespace revtal {

namespace {
const int kFirstDay = dayNumber(1, 1, 1);
const int kLastDay = dayNumber(9999, 12, 31);

DateText readShown(const QLineEdit& field)
{
    return readDateText(field.displayText().toStdString());
}
} // namespace

DateField::DateField(QWidget* parent)
    : QLineEdit(parent), minimum_(kFirstDay), maximum_(kLastDay), focus_(
                                                                      this, [this] { begin(); }, [this] { leave(); })
{
    setInputMask(QStringLiteral("00/00/0000;_"));
    connect(this, &QLineEdit::textEdited, this, [this] { userEdit_ = true; });
    connect(this, &QLineEdit::textChanged, this, &DateField::onTextChanged);
    setBackgroundColor(background_);
}

bool DateField::accepts(int dayNumber) const
{
    return dayNumber == kEmpty || inRange(dayNumber);
}

void DateField::setValue(int dayNumber)
{
    if (!accepts(dayNumber))
        return;
    value_ = dayNumber;
    entryStart_ = value_;
    edited_ = false;
    showValue();
}

void DateField::setRange(int minimum, int maximum)
{
    minimum_ = std::clamp(minimum, kFirstDay, kLastDay);
    maximum_ = std::clamp(std::max(minimum, maximum), minimum_, kLastDay);
    if (value_ != kEmpty && !inRange(value_)) {
        value_ = std::clamp(value_, minimum_, maximum_);
        entryStart_ = value_;
        showValue();
    }
}

void DateField::setBackgroundColor(const QColor& colour)
{
    background_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

bool DateField::tabStop() const
{
    return (focusPolicy() & Qt::TabFocus) != 0;
}

void DateField::setTabStop(bool on)
{
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void DateField::focusInEvent(QFocusEvent* event)
{
    focus_.focusIn();
    QLineEdit::focusInEvent(event);
    // With a mask Qt only puts the cursor on the first blank; tabbing into a
    // date selects it, as in the number fields, so typing replaces it.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        selectAll();
}

void DateField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    focus_.focusOut(event);
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteDate();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focus_.active() && !isReadOnly())
        emitOutcome(completeEntry());
    // Typing over the whole date starts from a blank mask; the mask alone
    // would overwrite one place at a time and pass through mixed dates.
    const bool digit = event->text().size() == 1 && event->text().at(0).isDigit();
    if (digit && !isReadOnly() && selectionStart() == 0 && selectedText() == text()) {
        formatting_ = true;
        setText(QString());
        formatting_ = false;
        setCursorPosition(0);
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    // The mask would scatter a pasted "2020-03-01" over its places.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(pasteText)) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &DateField::pasteDate);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void DateField::pasteDate()
{
    if (isReadOnly())
        return;
    const DateText pasted = readDateText(QGuiApplication::clipboard()->text().toStdString());
    if (!pasted.isDate())
        return;
    userEdit_ = true;
    setText(QString::fromStdString(formatDateText(pasted.dayNumber)));
    userEdit_ = false;
}

void DateField::onTextChanged()
{
    const bool byUser = std::exchange(userEdit_, false);
    if (formatting_)
        return;
    const DateText reading = readShown(*this);
    if (byUser) {
        edited_ = true;
        if (reading.kind == DateTextKind::Empty)
            takeUserValue(kEmpty);
        else if (reading.isDate() && inRange(reading.dayNumber))
            takeUserValue(reading.dayNumber);
        return;
    }
    // Text set by the program is read like an entry, without notification.
    if (reading.kind == DateTextKind::Empty)
        setValue(kEmpty);
    else if (reading.isDate() && inRange(reading.dayNumber))
        setValue(reading.dayNumber);
    else
        showValue();
}

void DateField::takeUserValue(int dayNumber)
{
    if (dayNumber == value_)
        return;
    value_ = dayNumber;
    emit changed();
}

DateField::Outcome DateField::completeEntry()
{
    if (!edited_)
        return Outcome::Held;
    edited_ = false;
    const DateText reading = readShown(*this);
    Outcome outcome = Outcome::Held;
    if (reading.kind == DateTextKind::Empty) {
        takeUserValue(kEmpty);
    } else if (reading.isDate() && inRange(reading.dayNumber)) {
        takeUserValue(reading.dayNumber);
    } else {
        takeUserValue(entryStart_);
        outcome = reading.isDate() ? Outcome::OutOfRange : Outcome::Invalid;
    }
    entryStart_ = value_;
    showValue();
    return outcome;
}

void DateField::emitOutcome(Outcome outcome)
{
    if (outcome == Outcome::OutOfRange)
        emit outOfRange();
    else if (outcome == Outcome::Invalid)
        emit invalidDate();
}

void DateField::begin()
{
    entryStart_ = value_;
    edited_ = false;
    emit gotFocus();
}

void DateField::leave()
{
    const Outcome outcome = isReadOnly() ? Outcome::Held : completeEntry();
    emit lostFocus();
    emitOutcome(outcome);
}

void DateField::showValue()
{
    const QString shown = value_ == kEmpty ? QString() : QString::fromStdString(formatDateText(value_));
    if (shown == text() || (shown.isEmpty() && readShown(*this).kind == DateTextKind::Empty))
        return;
    formatting_ = true;
    setText(shown);
    formatting_ = false;
}

} // namespace revtal
