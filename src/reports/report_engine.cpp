#include "reports/report_engine.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>

#include "reports/app_printer.h"
#include "reports/report_db.h"
#include "reports/report_document.h"
#include "reports/report_preview.h"
#include "reports/report_template.h"
#include "shell/app_directory.h"

namespace revtal {

ReportEngine::ReportEngine(QWidget* owner) : owner_(owner)
{
    setObjectName(QStringLiteral("rptMainPrint"));
}

ReportEngine::~ReportEngine() = default;

void ReportEngine::setTemplatePath(const QString& path)
{
    templatePath_ = path;
}

void ReportEngine::setWindowTitle(const QString& title)
{
    windowTitle_ = title;
}

void ReportEngine::setDestination(int destination)
{
    destination_ = destination == Printer ? Printer : Window;
}

void ReportEngine::setMessageSink(MessageSink sink)
{
    sink_ = std::move(sink);
}

void ReportEngine::message(const QString& title, const QString& text) const
{
    if (sink_) {
        sink_(title, text);
        return;
    }
    // A print runs under the hourglass; the message must not.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox::warning(owner_, title, text);
    QApplication::restoreOverrideCursor();
}

void ReportEngine::setPrinter(QPrinter* printer)
{
    printer_ = printer;
}

QString ReportEngine::reportDatabasePath()
{
    return databaseFile(QStringLiteral("\\Crysprin.mdb"));
}

QList<ReportPreview*> ReportEngine::previews() const
{
    QList<ReportPreview*> open;
    for (const QPointer<ReportPreview>& preview : previews_)
        if (preview)
            open << preview.data();
    return open;
}

std::shared_ptr<const ReportDocument> ReportEngine::produce()
{
    if (templatePath_.isEmpty()) {
        message(QStringLiteral("Report template missing"),
                QStringLiteral("No report template was named for this report."));
        return nullptr;
    }
    QString error;
    const ReportTemplate layout = ReportTemplate::load(templatePath_, &error);
    if (!error.isEmpty()) {
        message(QStringLiteral("Report template missing"), error);
        return nullptr;
    }
    const StorageResult<QList<ReportTable>> data = ReportDb(reportDatabasePath()).readTables(layout.tables());
    if (!data.status) {
        message(QStringLiteral("Report data missing"),
                QStringLiteral("The report \"%1\" cannot be produced. %2").arg(layout.name(), data.status.error));
        return nullptr;
    }
    QString html = layout.fill(data.value, &error);
    if (!error.isEmpty()) {
        message(QStringLiteral("Report template"), error);
        return nullptr;
    }
    return std::make_shared<const ReportDocument>(layout, std::move(html), data.value);
}

bool ReportEngine::printOut(const ReportDocument& report)
{
    QPrinter& printer = printer_ ? *printer_ : appPrinter();
    if (!printer_ && !printerChosen())
        followDefaultPrinter(printer);
    const QString problem = printerProblem(printer);
    if (!problem.isEmpty()) {
        message(QStringLiteral("Report not printed"), problem);
        return false;
    }
    printer.setDocName(report.title().isEmpty() ? report.templateName() : report.title());
    if (!report.print(&printer)) {
        const QString name =
            printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
        message(QStringLiteral("Report not printed"),
                QStringLiteral("The printer \"%1\" could not print the report \"%2\".")
                    .arg(QDir::toNativeSeparators(name), report.templateName()));
        return false;
    }
    return true;
}

bool ReportEngine::run()
{
    const std::shared_ptr<const ReportDocument> report = produce();
    if (!report)
        return false;
    if (destination_ == Printer)
        return printOut(*report);
    QPointer<ReportEngine> self(this);
    auto tell = [self](const QString& title, const QString& text) {
        if (self)
            self->message(title, text);
    };
    auto* preview = new ReportPreview(report, windowTitle_, tell, owner_);
    previews_.removeAll(nullptr);
    previews_ << preview;
    preview->show();
    preview->raise();
    preview->activateWindow();
    emit previewOpened(preview);
    return true;
}

} // namespace revtal
