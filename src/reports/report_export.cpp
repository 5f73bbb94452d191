#include "reports/report_export.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextDocumentWriter>

#include "reports/report_document.h"

namespace revtal {

namespace {

bool writeText(QSaveFile& file, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size();
}

} // namespace

std::optional<ExportFormat> exportFormatFor(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return ExportFormat::Pdf;
    if (suffix == QLatin1String("odt"))
        return ExportFormat::Odt;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return ExportFormat::Html;
    if (suffix == QLatin1String("csv"))
        return ExportFormat::Csv;
    return std::nullopt;
}

QString exportFilters()
{
    return QStringLiteral("PDF document (*.pdf);;OpenDocument text (*.odt);;Web page (*.html *.htm);;"
                          "Data for a spreadsheet (*.csv)");
}

QString exportSuffix(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Pdf:
        return QStringLiteral("pdf");
    case ExportFormat::Odt:
        return QStringLiteral("odt");
    case ExportFormat::Html:
        return QStringLiteral("html");
    case ExportFormat::Csv:
        return QStringLiteral("csv");
    }
    return {};
}

bool exportReport(const ReportDocument& report, const QString& path, ExportFormat format, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("The report could not be exported to \"%1\": %2.").arg(shown, file.errorString());
        return false;
    }
    bool written = false;
    switch (format) {
    case ExportFormat::Pdf: {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Revtal"));
        pdf.setTitle(report.title());
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        written = report.print(&pdf);
        break;
    }
    case ExportFormat::Odt: {
        QTextDocument doc;
        doc.setHtml(report.html());
        // The ODF writer closes its device when done, which a QSaveFile forbids.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QTextDocumentWriter writer(&buffer, "odf");
        written = writer.write(&doc) && file.write(buffer.data()) == buffer.data().size();
        break;
    }
    case ExportFormat::Html:
        written = writeText(file, report.html());
        break;
    case ExportFormat::Csv:
        written = writeText(file, report.csv());
        break;
    }
    if (!written || file.error() != QFileDevice::NoError) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("writing failed");
        file.cancelWriting();
        *error =
            QStringLiteral("The report could not be exported to \"%1\": %2. No file was written.").arg(shown, reason);
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("The report could not be exported to \"%1\": %2. No file was written.")
                     .arg(shown, file.errorString());
        return false;
    }
    return true;
}

} // namespace revtal
