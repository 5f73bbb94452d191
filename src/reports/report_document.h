#pragma once
// One produced report: the filled page of a template and the table data it
// was filled from, kept as they were at the run so a preview stays what it
// showed. Lays itself out on any paged device (printer, PDF writer, preview).
#include <QList>
#include <QPageLayout>
#include <QString>

#include <memory>

#include "reports/report_db.h"

class QPagedPaintDevice;
class QTextDocument;

namespace revtal {

class ReportTemplate;

class ReportDocument {
  public:
    ReportDocument() = default;
    ReportDocument(const ReportTemplate& from, QString html, QList<ReportTable> data);

    const QString& templateName() const { return templateName_; }
    const QString& title() const { return title_; }
    const QList<ReportTable>& data() const { return data_; }
    QPageLayout::Orientation orientation() const { return orientation_; }

    // Sets the device's orientation and paints every page on it, each with its
    // footer. False when the device refuses to paint or to start a page.
    bool print(QPagedPaintDevice* device) const;
    // The pages the report takes on such a device.
    int pageCount(QPagedPaintDevice* device) const;

    // The report as a QTextDocument laid out for the device's pages.
    std::unique_ptr<QTextDocument> layout(QPagedPaintDevice* device) const;
    // A complete HTML page of the report.
    QString html() const;
    // The data: per table a header line of field names and one line per
    // record; tables apart by an empty line.
    QString csv() const;

  private:
    QString templateName_;
    QString title_;
    QString footer_;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    QString body_;
    QList<ReportTable> data_;
};

} // namespace revtal
