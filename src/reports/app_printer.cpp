#include "reports/app_printer.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace revtal {

namespace {
bool& chosen()
{
    static bool value = false;
    return value;
}
} // namespace

QPrinter& appPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool printerSetup(QWidget* parent)
{
    QPrinter& printer = appPrinter();
    if (!chosen())
        followDefaultPrinter(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    chosen() = true;
    return true;
}

bool printerChosen()
{
    return chosen();
}

void followDefaultPrinter(QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return;
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (!standard.isNull() && standard.printerName() != printer.printerName())
        printer.setPrinterName(standard.printerName());
}

QString printerProblem(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (!printer.outputFileName().isEmpty())
            return {};
        if (QPrinterInfo::availablePrinters().isEmpty())
            return QStringLiteral("No printer is installed. Install a printer, or choose one in Printer Setup, and "
                                  "print again; or preview the report and export it.");
        return QStringLiteral("The printer prints to a file but has no file name. Choose a printer in Printer Setup "
                              "and print again.");
    }
    if (QPrinterInfo::availablePrinters().isEmpty())
        return QStringLiteral("No printer is installed. Install a printer, or choose one in Printer Setup, and print "
                              "again; or preview the report and export it.");
    if (printer.printerName().isEmpty() || QPrinterInfo::printerInfo(printer.printerName()).isNull())
        return QStringLiteral("The printer \"%1\" is not available. Choose a printer in Printer Setup and print again.")
            .arg(printer.printerName());
    if (!printer.isValid())
        return QStringLiteral("The printer \"%1\" cannot print now.").arg(printer.printerName());
    return {};
}

} // namespace revtal
