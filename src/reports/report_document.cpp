#include "reports/report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include "reports/report_template.h"

#include <algorithm>
#include <cmath>

namespace revtal {

namespace {

// Distances from the paper's edge, whatever the device cannot print on.
constexpr double kPageMarginMm = 15.0;
constexpr double kFooterMm = 9.0;

double mmToPixels(double mm, int dpi)
{
    return mm / 25.4 * dpi;
}

QString csvField(const QString& value)
{
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\n')) &&
        value.trimmed() == value)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvValue(const QVariant& value, FieldType type)
{
    if (type == FieldType::Text)
        return csvField(value.toString());
    if (type == FieldType::DayNumber) {
        QString shown;
        formatReportValue(value, type, QStringLiteral("date"), &shown);
        return shown;
    }
    if (type == FieldType::Double || type == FieldType::Single)
        return QString::number(value.toDouble(), 'g', 15);
    return QString::number(value.toLongLong());
}

struct PageGeometry {
    QSizeF page;       // the device's paint area in device pixels
    QMarginsF margins; // inside it, up to our margins and the footer band
    double footerTop = 0;
};

PageGeometry geometry(QPagedPaintDevice* device)
{
    const int dpi = device->logicalDpiY();
    const QPageLayout layout = device->pageLayout();
    const QRectF paint = layout.paintRectPixels(dpi);
    const QRectF full = layout.fullRectPixels(dpi);
    const double want = mmToPixels(kPageMarginMm, dpi);
    PageGeometry g;
    g.page = paint.size();
    g.margins.setLeft(std::max(0.0, want - (paint.left() - full.left())));
    g.margins.setTop(std::max(0.0, want - (paint.top() - full.top())));
    g.margins.setRight(std::max(0.0, want - (full.right() - paint.right())));
    const double bottom = std::max(0.0, want - (full.bottom() - paint.bottom()));
    g.margins.setBottom(bottom + mmToPixels(kFooterMm, dpi));
    g.footerTop = g.page.height() - bottom - mmToPixels(kFooterMm * 0.6, dpi);
    return g;
}

// The part of the paint area the report's text takes.
QRectF content(const PageGeometry& g)
{
    return QRectF(g.margins.left(), g.margins.top(), g.page.width() - g.margins.left() - g.margins.right(),
                  g.page.height() - g.margins.top() - g.margins.bottom());
}

} // namespace

ReportDocument::ReportDocument(const ReportTemplate& from, QString html, QList<ReportTable> data)
    : templateName_(from.name()), title_(from.title()), footer_(from.footer()), orientation_(from.orientation()),
      body_(std::move(html)), data_(std::move(data))
{
}

std::unique_ptr<QTextDocument> ReportDocument::layout(QPagedPaintDevice* device) const
{
    device->setPageOrientation(orientation_);
    const PageGeometry g = geometry(device);
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(device);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10);
    doc->setDefaultFont(font);
    doc->setDocumentMargin(0);
    doc->setHtml(body_);
    // Pages are cut from one long column of the content width; print() puts
    // each slice inside the margins.
    doc->setPageSize(content(g).size());
    return doc;
}

int ReportDocument::pageCount(QPagedPaintDevice* device) const
{
    return layout(device)->pageCount();
}

bool ReportDocument::print(QPagedPaintDevice* device) const
{
    std::unique_ptr<QTextDocument> doc = layout(device);
    const PageGeometry g = geometry(device);
    const int pages = doc->pageCount();
    QPainter painter;
    if (!painter.begin(device))
        return false;
    QFont footerFont = doc->defaultFont();
    footerFont.setPointSizeF(7.5);
    const QRectF footer(g.margins.left(), g.footerTop, g.page.width() - g.margins.left() - g.margins.right(),
                        mmToPixels(kFooterMm * 0.6, device->logicalDpiY()));
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device->newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        const QRectF area = content(g);
        const QRectF view(0, page * area.height(), area.width(), area.height());
        painter.translate(area.left(), area.top() - view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();

        painter.save();
        painter.setFont(footerFont);
        painter.setPen(QColor(0x55, 0x55, 0x55));
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, footer_);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
        painter.restore();
    }
    return painter.end();
}

QString ReportDocument::html() const
{
    QTextDocument doc;
    QString body = body_;
    if (!footer_.isEmpty())
        body += QStringLiteral("<p style=\"color:#555555; font-size:small\">%1</p>").arg(footer_.toHtmlEscaped());
    doc.setHtml(body);
    doc.setMetaInformation(QTextDocument::DocumentTitle, title_.isEmpty() ? templateName_ : title_);
    return doc.toHtml();
}

QString ReportDocument::csv() const
{
    QString out;
    for (const ReportTable& table : data_) {
        if (!out.isEmpty())
            out += QStringLiteral("\r\n");
        QStringList names;
        for (const FieldSchema& field : table.fields)
            names << csvField(field.name);
        out += names.join(QLatin1Char(',')) + QStringLiteral("\r\n");
        for (const QVariantList& row : table.rows) {
            QStringList values;
            for (int i = 0; i < table.fields.size(); ++i)
                values << csvValue(row.value(i), table.fields[i].type);
            out += values.join(QLatin1Char(',')) + QStringLiteral("\r\n");
        }
    }
    return out;
}

} // namespace revtal
