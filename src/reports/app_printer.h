#pragma once
// The one application-wide printer: what "&Printer Setup" chooses and what
// every direct print uses. Until the user chooses one it follows the system's
// default printer.
#include <QString>

class QPrinter;
class QWidget;

namespace revtal {

QPrinter& appPrinter();

// Shows the printer set-up dialog on the application printer. Cancelling
// changes nothing. True when the user chose a printer.
bool printerSetup(QWidget* parent);

// True once the user chose a printer in the set-up dialog.
bool printerChosen();

// Why the printer cannot print now ("" when it can): no printer installed, a
// printer that is no longer there, a file printer without a file name.
QString printerProblem(const QPrinter& printer);

// Points a printer nobody chose at the current system default.
void followDefaultPrinter(QPrinter& printer);

} // namespace revtal
