#include "shell/decimal_field.h"

namespace revtal {

DecimalField::DecimalField(QWidget* parent) : NumberField(2, 0, kMoneyMaximum, parent) {}

} // namespace revtal
