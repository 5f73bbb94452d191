#include "report_test_support.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPdfDocument>
#include <QPushButton>
#include <QWidget>

#include "reports/print_panel.h"
#include "shell/app_directory.h"
#include "taxrules/tovrik_print.h"

namespace revtal::test {

void ReportFixture::SetUp()
{
    ScreenFixture::SetUp();
    engine = std::make_unique<ReportEngine>();
    engine->setMessageSink([this](const QString& title, const QString& text) { messages << title + ": " + text; });
    pdfPath = scratch(QStringLiteral("printed.pdf"));
    pdfPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdfPrinter->setOutputFormat(QPrinter::PdfFormat);
    pdfPrinter->setOutputFileName(pdfPath);
    pdfPrinter->setPageSize(QPageSize(QPageSize::A4));
    engine->setPrinter(pdfPrinter.get());
}

void pressTovrikPrint(AppState& state, ReportEngine* engine, const char* button)
{
    QWidget screen;
    PrintPanel panel(state, engine, PrintPanel::Order::ChooseThenFill, QStringLiteral("Frame1"),
                     PrintPanel::Cancel::Standard, &screen);
    setUpTovrikPrint(panel, state);
    panel.printPressed();
    child<QPushButton>(&panel, button)->click();
}

void ReportFixture::TearDown()
{
    engine.reset();
    ScreenFixture::TearDown();
}

QString ReportFixture::writeTemplate(const QString& backslashName, const QString& text) const
{
    const QString path = applicationFile(backslashName);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(text.toUtf8());
    return path;
}

QString ReportFixture::reportDbPath() const
{
    return ReportEngine::reportDatabasePath();
}

QString ReportFixture::scratch(const QString& name) const
{
    return QDir(appDir()).filePath(name);
}

QString pdfText(const QString& path)
{
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None) {
        ADD_FAILURE() << "cannot read PDF " << path.toStdString();
        return {};
    }
    QStringList pages;
    for (int i = 0; i < pdf.pageCount(); ++i)
        pages << pdf.getAllText(i).text();
    return pages.join(QLatin1Char('\n'));
}

int pdfPageCount(const QString& path)
{
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None)
        return -1;
    return pdf.pageCount();
}

} // namespace revtal::test
