#pragma once
// The whole-number field (as "numPeriod"): a 32-bit integer, shown without
// decimals and grouped by spaces, right-aligned. Typing and the notifications
// are those of NumberField; "12.00" is taken as 12, "12.5" is refused.
#include "shell/number_field.h"

#include <algorithm>
#include <limits>

namespace revtal {

class WholeNumberField : public NumberField {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue USER true)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)

  public:
    // 0 to 2 147 483 647 until the limits are set.
    explicit WholeNumberField(QWidget* parent = nullptr);

    int value() const { return static_cast<int>(number()); }
    // Shows the value; one outside the limits shows as overflow (see NumberField).
    void setValue(int value) { setNumber(value); }

    int minimum() const { return static_cast<int>(minimumNumber()); }
    int maximum() const { return static_cast<int>(maximumNumber()); }
    // Narrowing the limits moves a value outside them to the nearest limit.
    void setMinimum(int minimum) { setNumberRange(minimum, std::max(minimum, maximum())); }
    void setMaximum(int maximum) { setNumberRange(std::min(minimum(), maximum), maximum); }
    void setRange(int minimum, int maximum) { setNumberRange(minimum, maximum); }
};

} // namespace revtal
