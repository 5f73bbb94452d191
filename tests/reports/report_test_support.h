#pragma once
// What the report tests share: an engine whose messages are captured, a
// printer that writes PDF, and ways to read results back from outside.
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

#include "reports/report_engine.h"
#include "support/raw_database.h"
#include "support/screen_fixture.h"

namespace revtal {
struct AppState;
}

namespace revtal::test {

class ReportFixture : public ScreenFixture {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A template file in the application directory, named as the program names it.
    QString writeTemplate(const QString& backslashName, const QString& text) const;
    QString reportDbPath() const;
    QString scratch(const QString& name) const; // a path in the application directory

    std::unique_ptr<ReportEngine> engine;
    std::unique_ptr<QPrinter> pdfPrinter; // writes to pdfPath
    QString pdfPath;
    QStringList messages; // "title: text" of every message
};

// Prints the quick tax report as its screen's panel does: "&Print", then the
// panel button named ("cmdPD" or "cmdVR").
void pressTovrikPrint(AppState& state, ReportEngine* engine, const char* button);

// The text of every page of a PDF file, pages apart by a newline.
QString pdfText(const QString& path);
int pdfPageCount(const QString& path);

} // namespace revtal::test
