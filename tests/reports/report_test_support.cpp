#include "report_test_support.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPdfDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "shell/app_directory.h"

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

namespace {
template <typename Work> void withDatabase(const QString& path, Work work)
{
    const QString name = QStringLiteral("report-test-raw");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
} // namespace

void rawExec(const QString& path, const QStringList& statements)
{
    withDatabase(path, [&](QSqlDatabase& db) {
        for (const QString& sql : statements) {
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
        }
    });
}

QVariant rawValue(const QString& path, const QString& sql)
{
    QVariant value;
    withDatabase(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
        if (query.next())
            value = query.value(0);
    });
    return value;
}

} // namespace revtal::test
