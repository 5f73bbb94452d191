#include "shell/whole_number_field.h"

namespace revtal {

WholeNumberField::WholeNumberField(QWidget* parent) : NumberField(0, 0, std::numeric_limits<int>::max(), parent) {}

} // namespace revtal
