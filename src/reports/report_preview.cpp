#include "reports/report_preview.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include "reports/app_printer.h"
#include "reports/report_export.h"

namespace revtal {

namespace {

QPixmap drawSuitcase(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    p.scale(s, s);
    // Handle, then the case over its feet.
    QPen handle(QColor(0x4a, 0x2c, 0x12), 2.6);
    p.setPen(handle);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(11, 4.5, 10, 7), 2.5, 2.5);
    p.setPen(QPen(QColor(0x4a, 0x2c, 0x12), 1.2));
    QLinearGradient leather(0, 10, 0, 28);
    leather.setColorAt(0, QColor(0xb9, 0x7a, 0x3c));
    leather.setColorAt(1, QColor(0x86, 0x4f, 0x1e));
    p.setBrush(leather);
    p.drawRoundedRect(QRectF(2.5, 10, 27, 17.5), 3, 3);
    // Straps and clasps.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5c, 0x36, 0x15));
    p.drawRect(QRectF(8, 10.6, 2.4, 16.4));
    p.drawRect(QRectF(21.6, 10.6, 2.4, 16.4));
    p.setBrush(QColor(0xe8, 0xc1, 0x4a));
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x10), 0.6));
    p.drawRect(QRectF(7.4, 13, 3.6, 3));
    p.drawRect(QRectF(21, 13, 3.6, 3));
    return pixmap;
}

} // namespace

QIcon ReportPreview::suitcaseIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(drawSuitcase(size));
    return icon;
}

ReportPreview::ReportPreview(std::shared_ptr<const ReportDocument> report, const QString& title, MessageSink messages,
                             QWidget* owner)
    : QMainWindow(owner, Qt::Window), report_(std::move(report)), messages_(std::move(messages)),
      previewPrinter_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    previewPrinter_->setPageSize(QPageSize(QPageSize::A4));
    previewPrinter_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    previewPrinter_->setPageOrientation(report_->orientation());
    pages_ = new QPrintPreviewWidget(previewPrinter_.get(), this);
    pages_->setObjectName(QStringLiteral("pages"));
    connect(pages_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) { report_->print(printer); });
    connect(pages_, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::updatePageControls);
    setCentralWidget(pages_);
    buildToolBar();
    statusBar();
    resize(820, 900);
    pages_->updatePreview();
    pages_->fitToWidth();
    updatePageControls();
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::buildToolBar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Report"));
    bar->setObjectName(QStringLiteral("previewToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto add = [&](const char* name, const QString& text, QStyle::StandardPixmap icon, const QKeySequence& key,
                   auto slot) {
        QAction* action = bar->addAction(style()->standardIcon(icon), text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setToolTip(text);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QAction* exportAction = bar->addAction(suitcaseIcon(), QStringLiteral("&Export"));
    exportAction->setObjectName(QStringLiteral("actExport"));
    exportAction->setToolTip(QStringLiteral("Export the report to a PDF, ODT, HTML or CSV file"));
    exportAction->setShortcut(QKeySequence::SaveAs);
    connect(exportAction, &QAction::triggered, this, &ReportPreview::exportWithDialog);
    QAction* printAction = bar->addAction(QIcon::fromTheme(QStringLiteral("document-print")), QStringLiteral("&Print"));
    printAction->setObjectName(QStringLiteral("actPrint"));
    printAction->setToolTip(QStringLiteral("Print the report"));
    printAction->setShortcut(QKeySequence::Print);
    connect(printAction, &QAction::triggered, this, &ReportPreview::printWithDialog);
    bar->addSeparator();
    add("actFirstPage", QStringLiteral("First page"), QStyle::SP_MediaSkipBackward, QKeySequence(Qt::Key_Home),
        [this] { showPage(1); });
    add("actPreviousPage", QStringLiteral("Previous page"), QStyle::SP_MediaSeekBackward, QKeySequence(Qt::Key_PageUp),
        [this] { showPage(currentPage() - 1); });
    pageNumber_ = new QSpinBox(bar);
    pageNumber_->setObjectName(QStringLiteral("pageNumber"));
    pageNumber_->setMinimum(1);
    pageNumber_->setAlignment(Qt::AlignRight);
    bar->addWidget(pageNumber_);
    pageTotal_ = new QLabel(bar);
    pageTotal_->setObjectName(QStringLiteral("pageTotal"));
    bar->addWidget(pageTotal_);
    connect(pageNumber_, &QSpinBox::valueChanged, this, [this](int page) {
        if (page != currentPage())
            pages_->setCurrentPage(page);
    });
    add("actNextPage", QStringLiteral("Next page"), QStyle::SP_MediaSeekForward, QKeySequence(Qt::Key_PageDown),
        [this] { showPage(currentPage() + 1); });
    add("actLastPage", QStringLiteral("Last page"), QStyle::SP_MediaSkipForward, QKeySequence(Qt::Key_End),
        [this] { showPage(pageCount()); });
    bar->addSeparator();
    auto zoom = [&](const char* name, const QString& text, const QString& themeIcon, const QKeySequence& key,
                    auto slot) {
        QAction* action = bar->addAction(QIcon::fromTheme(themeIcon), text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setToolTip(text);
        if (action->icon().isNull())
            action->setText(text);
        connect(action, &QAction::triggered, this, slot);
    };
    zoom("actZoomOut", QStringLiteral("Zoom out"), QStringLiteral("zoom-out"), QKeySequence::ZoomOut,
         [this] { pages_->zoomOut(); });
    zoom("actZoomIn", QStringLiteral("Zoom in"), QStringLiteral("zoom-in"), QKeySequence::ZoomIn,
         [this] { pages_->zoomIn(); });
    zoom("actFitWidth", QStringLiteral("Fit width"), QStringLiteral("zoom-fit-width"), QKeySequence(),
         [this] { pages_->fitToWidth(); });
    zoom("actFitPage", QStringLiteral("Whole page"), QStringLiteral("zoom-fit-best"), QKeySequence(),
         [this] { pages_->fitInView(); });
    // Export and print read as words beside their icons, navigation as icons
    // only, and a command without a themed icon as its word alone.
    for (QAction* action : bar->actions()) {
        auto* tool = qobject_cast<QToolButton*>(bar->widgetForAction(action));
        if (!tool)
            continue;
        if (action->icon().isNull())
            tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
        else if (action != exportAction && action != printAction)
            tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
}

int ReportPreview::pageCount() const
{
    return pages_->pageCount();
}

int ReportPreview::currentPage() const
{
    return pages_->currentPage();
}

void ReportPreview::showPage(int page)
{
    pages_->setCurrentPage(std::clamp(page, 1, std::max(1, pageCount())));
    updatePageControls();
}

void ReportPreview::updatePageControls()
{
    const int pages = std::max(1, pageCount());
    const QSignalBlocker block(pageNumber_);
    pageNumber_->setMaximum(pages);
    pageNumber_->setValue(std::clamp(currentPage(), 1, pages));
    pageTotal_->setText(QStringLiteral(" of %1 ").arg(pages));
}

void ReportPreview::exportWithDialog()
{
    if (lastExportDir_.isEmpty())
        lastExportDir_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString base = report_->templateName();
    base = QFileInfo(base).completeBaseName();
    QFileDialog dialog(this, QStringLiteral("Export report"),
                       QDir(lastExportDir_).filePath(base + QStringLiteral(".pdf")), exportFilters());
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().first();
    if (!exportFormatFor(path)) {
        const QStringList filters = exportFilters().split(QStringLiteral(";;"));
        static const ExportFormat order[] = {ExportFormat::Pdf, ExportFormat::Odt, ExportFormat::Html,
                                             ExportFormat::Csv};
        const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
        path += QLatin1Char('.') + exportSuffix(order[chosen < 0 ? 0 : chosen]);
    }
    lastExportDir_ = QFileInfo(path).absolutePath();
    exportTo(path);
}

bool ReportPreview::exportTo(const QString& path)
{
    const ExportFormat format = exportFormatFor(path).value_or(ExportFormat::Pdf);
    QString error;
    if (!exportReport(*report_, path, format, &error)) {
        if (messages_)
            messages_(QStringLiteral("Export failed"), error);
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Exported to %1").arg(QDir::toNativeSeparators(path)), 10000);
    return true;
}

void ReportPreview::printWithDialog()
{
    QPrinter& printer = appPrinter();
    if (!printerChosen())
        followDefaultPrinter(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printTo(&printer);
}

bool ReportPreview::printTo(QPrinter* printer)
{
    const QString problem = printerProblem(*printer);
    const bool printed = problem.isEmpty() && report_->print(printer);
    if (!printed && messages_)
        messages_(QStringLiteral("Report not printed"),
                  problem.isEmpty()
                      ? QStringLiteral("The printer \"%1\" could not print the report.")
                            .arg(printer->printerName().isEmpty() ? printer->outputFileName() : printer->printerName())
                      : problem);
    return printed;
}

} // namespace revtal
