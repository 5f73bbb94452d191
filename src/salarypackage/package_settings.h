#pragma once
// The Setup figures a salary package screen loads when it opens and edits in
// its settings panel: the one Setup record itself. Percentages are percent
// values, rates fractions; ProvCont and EmployerProvCont enter no calculation.
#include "taxrules/setup_record.h"

namespace revtal {

using PackageSettings = SetupRecord;

} // namespace revtal
