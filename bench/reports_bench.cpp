// Writing the quick tax table and producing the report's pages on a PDF
// printer; the goal is well under 50 ms per print.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "reports/report_db.h"
#include "reports/report_engine.h"
#include "shell/app_directory.h"
#include "shell/app_state.h"
#include "taxrules/quick_tax.h"
#include "taxrules/tovrik_print.h"

namespace {

struct Scene {
    QTemporaryDir dir;
    revtal::AppState state;
    revtal::ReportEngine engine;
    QPrinter printer{QPrinter::HighResolution};

    Scene()
    {
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/tovriktep.rpt"),
                    dir.filePath(QStringLiteral("tovriktep.rpt")));
        revtal::setApplicationDirectory(dir.path());
        state.TovrikIncome = state.TaxableIncome = 500000;
        state.TovrikAge = 40;
        state.tovrikResult = revtal::NEWCALC(500000, 40);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("tovrik.pdf")));
        engine.setPrinter(&printer);
        engine.setMessageSink([](const QString&, const QString& text) { qFatal("%s", qPrintable(text)); });
        engine.setTemplatePath(revtal::applicationFile(revtal::kTovrikTemplate));
        engine.setDestination(revtal::ReportEngine::Printer);
    }
};

void BM_TovrikWriteTable(benchmark::State& run)
{
    Scene scene;
    const revtal::ReportDb db(revtal::ReportEngine::reportDatabasePath());
    for (auto _ : run)
        benchmark::DoNotOptimize(revtal::TovrikPrint(scene.state, db).ok);
}
BENCHMARK(BM_TovrikWriteTable)->Unit(benchmark::kMillisecond);

void BM_TovrikPrintToPdf(benchmark::State& run)
{
    Scene scene;
    const revtal::ReportDb db(revtal::ReportEngine::reportDatabasePath());
    for (auto _ : run) {
        if (!revtal::TovrikPrint(scene.state, db) || !scene.engine.run())
            run.SkipWithError("the report did not print");
    }
}
BENCHMARK(BM_TovrikPrintToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
