#pragma once
// What the decimal and whole-number fields share: reading what the user
// types or pastes, keeping the value within the limits, and the notifications.
//
// Entries. While the user types, every text that reads as a number within the
// limits becomes the value at once (an empty text reads as 0), and changed()
// is raised. Keystrokes and pastes that cannot lead to a number the field can
// hold (letters, too many decimals or digits, a minus sign where the minimum
// is not negative, "1,250" where it could be 1250 as well as 1.25) are
// refused. A number beyond the limits may be typed; it never becomes the
// value. The entry is complete when the field loses the focus to another
// control or Enter is pressed; then:
// - a number within the limits stays the value and is shown formatted;
// - a number above the maximum or below the minimum is undone: the value
//   returns to what it was when the entry began, and outOfRange() is raised;
// - a text that is not yet a number ("R", "-", "1 23") is undone in the same
//   way, or, with zeroWhenUnreadable, sets the value to 0 (as does a text that
//   reads as 0).
// A field the user only passed through keeps its value untouched, even when
// it holds more decimals than it shows. A message box or another window
// taking the focus does not complete the entry.
//
// Order of the notifications on leaving: changed(), lostFocus(), then
// outOfRange(), so a handler of outOfRange() may show a message and put the
// focus back into the field.
//
// Values set by the program raise no notification. A value set outside the
// limits, or one that is not finite, is not held: the field then holds the
// nearest limit (0 for NaN, when within the limits), shows the overflow mark
// "######" and reports isOverflow() until the next value is set or typed.
// setText() is read like a paste, silently; text the field cannot hold gives
// way to the value's own. text() is what the field shows or the user typed.
// While an editable field has the focus it shows its value without grouping.
//
// readOnly, enabled, visible and the object name are QLineEdit's own.
#include "shell/entry_focus.h"

#include <QColor>
#include <QLineEdit>

#include <optional>

namespace revtal {

class NumberField : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(bool tabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool zeroWhenUnreadable READ zeroWhenUnreadable WRITE setZeroWhenUnreadable)

  public:
    static inline const QString kOverflowText = QStringLiteral("######");

    // White unless set; a solved field shows yellow.
    QColor backgroundColor() const { return background_; }
    void setBackgroundColor(const QColor& colour);
    // False keeps the field out of the tab order; a click still focuses it.
    bool tabStop() const;
    void setTabStop(bool on);
    // The lost-focus normalisation: leaving the field with a text that reads
    // as 0 or as no number sets the value to 0.
    bool zeroWhenUnreadable() const { return zeroWhenUnreadable_; }
    void setZeroWhenUnreadable(bool on) { zeroWhenUnreadable_ = on; }

    // The number the current text reads as (0 for an empty text), whether or
    // not it is within the limits; nothing when the text reads as no number.
    std::optional<double> textNumber() const;
    // True while a value set by the program could not be held (see above).
    bool isOverflow() const { return overflow_; }

  signals:
    void changed();
    void outOfRange();
    void gotFocus();
    void lostFocus();

  protected:
    NumberField(int decimals, double minimum, double maximum, QWidget* parent);

    double number() const { return value_; }
    bool setNumber(double value);
    double minimumNumber() const { return minimum_; }
    double maximumNumber() const { return maximum_; }
    void setNumberRange(double minimum, double maximum);
    int shownDecimals() const { return decimals_; }
    void setShownDecimals(int decimals);

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    class TextValidator;
    friend class TextValidator;
    enum class Outcome { Held, OutOfRange };

    // What the text means for this field: the value it gives, if any.
    std::optional<double> readForField(const QString& text, bool* outOfRange = nullptr) const;
    int maximumIntegerDigits() const;
    bool inRange(double value) const { return value >= minimum_ && value <= maximum_; }
    double clamped(double value) const;

    void onTextChanged(const QString& text);
    void takeUserValue(double value);
    Outcome completeEntry();
    void begin();
    void leave();
    void showValue();
    void showText(const QString& text);
    bool editing() const { return focus_.active() && !isReadOnly(); }

    double value_ = 0;
    double minimum_;
    double maximum_;
    int decimals_;
    double entryStart_ = 0;
    double overflowRequest_ = 0; // the value asked for while isOverflow()
    bool overflow_ = false;
    bool zeroWhenUnreadable_ = false;
    QColor background_ = Qt::white;

    EntryFocus focus_;
    bool edited_ = false;     // the user changed the text during this entry
    bool userEdit_ = false;   // the text change under way is the user's
    bool formatting_ = false; // the field is setting its own text
};

} // namespace revtal
