#pragma once
// The decimal entry field (names begin "num"): a double shown with a fixed
// number of decimals, 2 for money and 3 for rates, digits grouped by spaces
// ("1 234 567.89"), right-aligned. An empty text shows as 0.00. Typing and
// the notifications are those of NumberField.
//
// A field set to 0 decimals takes whole numbers only from the user; a value
// with decimals set by the program is shown rounded, half to even, and held
// unrounded.
#include "shell/number_field.h"

#include <algorithm>

namespace revtal {

class DecimalField : public NumberField {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue USER true)
    Q_PROPERTY(double minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(double maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int decimals READ decimals WRITE setDecimals)

  public:
    static constexpr double kMoneyMaximum = 99999999.99;

    // A money field: two decimals, 0 to 99 999 999.99.
    explicit DecimalField(QWidget* parent = nullptr);

    double value() const { return number(); }
    // Shows the value; one outside the limits shows as overflow (see NumberField).
    void setValue(double value) { setNumber(value); }

    double minimum() const { return minimumNumber(); }
    double maximum() const { return maximumNumber(); }
    // Narrowing the limits moves a value outside them to the nearest limit.
    void setMinimum(double minimum) { setNumberRange(minimum, std::max(minimum, maximum())); }
    void setMaximum(double maximum) { setNumberRange(std::min(minimum(), maximum), maximum); }
    void setRange(double minimum, double maximum) { setNumberRange(minimum, maximum); }

    // Decimals shown, and the most the user may type (0 to 9).
    int decimals() const { return shownDecimals(); }
    void setDecimals(int decimals) { setShownDecimals(decimals); }
};

} // namespace revtal
