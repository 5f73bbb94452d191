#pragma once
// The date field (names begin "dt"): a day number (days from 30/12/1899),
// typed and shown as day/month/year through the mask "__/__/____". An empty
// field holds kEmpty (-693959), whatever its limits.
//
// Entries. While the user types, a complete date within the limits becomes
// the value at once, as does blanking the field, and changed() is raised.
// The entry is complete when the field loses the focus to another control or
// Enter is pressed; then a date outside the limits, or a text that is not a
// date (incomplete, or not in the calendar: 31/04/2020, 29/02/2021), is
// undone: the value returns to what it was when the entry began and
// outOfRange() or invalidDate() is raised, after changed() and lostFocus().
// A field left blank is empty, which is not an invalid date. Tabbing into
// the field selects the date; typing over it starts from a blank mask. Pasting reads
// "1/3/2020", "01-03-2020" or "2020-03-01"; other text is not pasted.
//
// Values set by the program raise no notification; one that is neither
// kEmpty nor a date within the limits is ignored (see accepts()).
#include "shell/day_number.h"
#include "shell/entry_focus.h"

#include <QColor>
#include <QLineEdit>

#include <algorithm>

namespace revtal {

class DateField : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue USER true)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(bool tabStop READ tabStop WRITE setTabStop)

  public:
    static constexpr int kEmpty = kEmptyDate;

    // Empty, accepting 01/01/0001 to 31/12/9999 until the limits are set.
    explicit DateField(QWidget* parent = nullptr);

    int value() const { return value_; }
    void setValue(int dayNumber);
    bool isEmpty() const { return value_ == kEmpty; }
    void clearDate() { setValue(kEmpty); }
    // Whether setValue would take this day number.
    bool accepts(int dayNumber) const;

    // Earliest and latest dates as day numbers. Narrowing them moves a date
    // outside them to the nearest limit; an empty field stays empty.
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setMinimum(int dayNumber) { setRange(dayNumber, std::max(dayNumber, maximum_)); }
    void setMaximum(int dayNumber) { setRange(std::min(minimum_, dayNumber), dayNumber); }
    void setRange(int minimum, int maximum);

    QColor backgroundColor() const { return background_; }
    void setBackgroundColor(const QColor& colour);
    bool tabStop() const;
    void setTabStop(bool on);

  signals:
    void changed();
    void outOfRange();
    void invalidDate();
    void gotFocus();
    void lostFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    enum class Outcome { Held, OutOfRange, Invalid };

    void pasteDate();
    void onTextChanged();
    void takeUserValue(int dayNumber);
    Outcome completeEntry();
    void emitOutcome(Outcome outcome);
    void begin();
    void leave();
    void showValue();
    bool inRange(int dayNumber) const { return dayNumber >= minimum_ && dayNumber <= maximum_; }

    int value_ = kEmpty;
    int minimum_;
    int maximum_;
    int entryStart_ = kEmpty;
    QColor background_ = Qt::white;
    EntryFocus focus_;
    bool edited_ = false;
    bool userEdit_ = false;
    bool formatting_ = false;
};

} // namespace revtal
