#pragma once
// Writing a produced report to a file: the page as PDF, ODT or HTML, or the
// report's data as CSV. Written through QSaveFile, so a failed export leaves
// no half file and an existing file as it was.
#include <QString>

#include <optional>

namespace revtal {

class ReportDocument;

enum class ExportFormat { Pdf, Odt, Html, Csv };

// The format a file name asks for by its suffix (case ignored).
std::optional<ExportFormat> exportFormatFor(const QString& path);
// Save-dialog filters, PDF first.
QString exportFilters();
// The suffix a file name of the format gets when it has none.
QString exportSuffix(ExportFormat format);

bool exportReport(const ReportDocument& report, const QString& path, ExportFormat format, QString* error);

} // namespace revtal
