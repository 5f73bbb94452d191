// Export from the preview: every format writes its file, a failed export
// writes none and leaves an existing file as it was.
#include "report_test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "reports/report_db.h"
#include "reports/report_export.h"
#include "reports/report_preview.h"
#include "shell/app_directory.h"

namespace revtal::test {
namespace {

class ReportExportTest : public ReportFixture {
  protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        writeTemplate("\\LoanComparison.rpt", "@table BondComp\n@title Loan Comparison\n"
                                              "<h2>Loan Comparison</h2><p>Bond amount R [[PAmt]]</p>"
                                              "<p>20 yrs. [[MonRep4]]</p>");
        ASSERT_TRUE(ReportDb(reportDbPath()).writeRecord("BondComp", {{"PAmt", 100000.0}, {"MonRep4", 965.0216}}));
        engine->setTemplatePath(applicationFile("\\LoanComparison.rpt"));
        engine->setWindowTitle("Loan Comparison");
        ASSERT_TRUE(engine->run()) << messages.join("\n").toStdString();
        window = engine->previews().first();
    }

    QByteArray bytes(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ReportPreview* window = nullptr;
};

TEST_F(ReportExportTest, each_format_writes_its_file)
{
    struct Case {
        const char* name;
        std::function<bool(const QByteArray&, const QString&)> holds;
    };
    const Case cases[] = {
        {"report.pdf",
         [](const QByteArray& b, const QString& path) {
             return b.startsWith("%PDF") && pdfText(path).contains("Bond amount R 100 000.00") &&
                    pdfText(path).contains("965.02");
         }},
        {"report.odt",
         [](const QByteArray& b, const QString&) { return b.startsWith("PK") && b.contains("content.xml"); }},
        {"report.html",
         [](const QByteArray& b, const QString&) {
             return b.contains("<title>Loan Comparison</title>") && b.contains("100 000.00");
         }},
        {"report.CSV",
         [](const QByteArray& b, const QString&) {
             const QList<QByteArray> lines = b.split('\n');
             return lines.size() >= 2 && lines[0].startsWith("PAmt,IntRate,MonRep1,") &&
                    lines[1].startsWith("100000,0,0,0,0,0,0,0,0,0,0,965.0216,");
         }},
    };
    for (const Case& c : cases) {
        const QString path = scratch(QLatin1String(c.name));
        ASSERT_TRUE(window->exportTo(path)) << c.name << ": " << messages.join("\n").toStdString();
        EXPECT_TRUE(c.holds(bytes(path), path)) << c.name << ": " << bytes(path).left(200).toStdString();
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ReportExportTest, a_failed_export_leaves_no_file_and_says_where)
{
    const QString nowhere = scratch("missing-folder/report.pdf");
    EXPECT_FALSE(window->exportTo(nowhere));
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("missing-folder")) << messages[0].toStdString();
}

TEST_F(ReportExportTest, an_export_over_a_folder_fails_and_leaves_the_folder_alone)
{
    const QString folder = scratch("report.odt");
    ASSERT_TRUE(QDir().mkpath(folder + "/inside"));
    EXPECT_FALSE(window->exportTo(folder));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(QFileInfo(folder + "/inside").isDir());
    EXPECT_EQ(QDir(appDir()).entryList({"report.odt*"}, QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"report.odt"});
}

TEST(ReportExportFormat, suffix_chooses_the_format)
{
    EXPECT_EQ(exportFormatFor("a.PDF"), ExportFormat::Pdf);
    EXPECT_EQ(exportFormatFor("a.odt"), ExportFormat::Odt);
    EXPECT_EQ(exportFormatFor("a.htm"), ExportFormat::Html);
    EXPECT_EQ(exportFormatFor("a.csv"), ExportFormat::Csv);
    EXPECT_EQ(exportFormatFor("a.doc"), std::nullopt);
}

TEST_F(ReportExportTest, the_export_command_bears_the_suitcase)
{
    QAction* action = window->findChild<QAction*>("actExport");
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->icon().isNull());
    const QImage icon = action->icon().pixmap(32, 32).toImage();
    // Drawn, not blank: the leather shows in the middle of the case.
    EXPECT_GT(qAlpha(icon.pixel(16, 20)), 200);
}

} // namespace
} // namespace revtal::test
