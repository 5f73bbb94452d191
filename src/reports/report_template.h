#pragma once
// A report template of our own format (see templates/README.md): a few "@"
// directives naming the tables it reads, then an HTML page layout whose
// [[...]] placeholders take the fields of those tables.
#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include "reports/report_db.h"

namespace revtal {

class ReportTemplate {
  public:
    // Reads a template file; a missing or unreadable file, or one that breaks
    // the format, is an error naming the file (and the line).
    static ReportTemplate load(const QString& path, QString* error);
    static ReportTemplate parse(const QString& text, const QString& name, QString* error);

    const QString& name() const { return name_; } // file name as messages show it
    const QStringList& tables() const { return tables_; }
    const QString& title() const { return title_; }
    const QString& footer() const { return footer_; }
    QPageLayout::Orientation orientation() const { return orientation_; }

    // The page as HTML with every placeholder replaced from the tables (read
    // in the order of tables()). A field or table the template names but the
    // data lacks is an error naming it.
    QString fill(const QList<ReportTable>& data, QString* error) const;

  private:
    QString name_;
    QStringList tables_;
    QString title_;
    QString footer_;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    QString body_;
    int firstBodyLine_ = 1;
};

// A stored value as the template's format shows it: "money", "whole",
// "fixed0" to "fixed9", "date", "text", or empty for the field type's own.
// False for a format name it does not know.
bool formatReportValue(const QVariant& value, FieldType type, const QString& format, QString* shown);

} // namespace revtal
