// Printing the quick tax report on the application printer through a real
// CUPS queue: a private cupsd on loopback with a cups-pdf queue, whose PDF is
// read back.
#include "report_test_support.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

#include "reports/app_printer.h"
#include "reports/print_panel.h"
#include "shell/app_state.h"
#include "taxrules/quick_tax.h"
#include "taxrules/tovrik_print.h"

namespace revtal::test {
namespace {

const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

QString readTail(const QString& path, int maxChars = 3000)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(no %1)").arg(path);
    return QString::fromUtf8(file.readAll()).right(maxChars);
}

int freeLoopbackPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

// A cupsd of this test alone: its configuration, spool, logs and output all
// in a temporary directory, listening on 127.0.0.1 only. It runs in its own
// process group, which stop() ends; should the test process die first, the
// kernel sends cupsd SIGTERM.
class PrivateCups {
  public:
    ~PrivateCups()
    {
        stop();
        if (!cupsPdfConfig_.isEmpty())
            QFile::remove(cupsPdfConfig_);
    }

    // "" when the server runs with the queue as its default printer.
    QString start()
    {
        if (!dir_.isValid())
            return QStringLiteral("no temporary directory");
        // Filters run as lp and must reach the spool inside.
        QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFile::ExeGroup | QFile::ExeOther |
                                               QFile::ReadGroup | QFile::ReadOther);
        const QDir root(dir_.path());
        for (const char* sub : {"conf/ppd", "spool/tmp", "cache", "state", "log", "out", "pdf-spool", "gs-tmp"})
            root.mkpath(QLatin1String(sub));
        queue_ = QStringLiteral("revtal-%1").arg(getpid());

        // cups-pdf reads /etc/cups/cups-pdf-NAME.conf for the device
        // cups-pdf:/NAME; the directory is fixed, so the file is ours alone.
        cupsPdfConfig_ = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(queue_);
        // A test process killed outright leaves its file behind.
        for (const QFileInfo& stale :
             QDir(QStringLiteral("/etc/cups")).entryInfoList({QStringLiteral("cups-pdf-revtal-*.conf")}, QDir::Files)) {
            const pid_t owner = stale.completeBaseName().section(QLatin1Char('-'), -1).toInt();
            if (owner > 0 && ::kill(owner, 0) != 0 && errno == ESRCH)
                QFile::remove(stale.filePath());
        }
        if (!write(cupsPdfConfig_, QStringLiteral("Out %1\nSpool %2\nGSTmp %3\nLog %4\nLogType 7\n")
                                       .arg(path("out"), path("pdf-spool"), path("gs-tmp"), path("log"))))
            return QStringLiteral("cannot write %1 (is printer-driver-cups-pdf installed?)").arg(cupsPdfConfig_);
        if (!write(path("conf/cups-files.conf"),
                   QStringLiteral("ServerRoot %1\nRequestRoot %2\nTempDir %3\nCacheDir %4\nStateDir %5\n"
                                  "ErrorLog %6/error_log\nAccessLog %6/access_log\nPageLog %6/page_log\n")
                       .arg(path("conf"), path("spool"), path("spool/tmp"), path("cache"), path("state"), path("log"))))
            return QStringLiteral("cannot write cups-files.conf");

        // The port is free when probed; another process may take it before
        // cupsd binds, so a few are tried.
        QString why;
        for (int attempt = 0; attempt < 3; ++attempt) {
            port_ = freeLoopbackPort();
            if (port_ == 0)
                return QStringLiteral("no free loopback port");
            why = launch();
            if (why.isEmpty())
                break;
            stop();
        }
        if (!why.isEmpty())
            return why;

        // Ghostscript, the queue's usual PDF-to-PostScript renderer, turns
        // Qt's embedded fonts into glyphs without their characters, so the
        // printed PDF would show the figures but not give them back as text.
        if (const QString failed =
                run(QStringLiteral("lpadmin"), {"-p", queue_, "-E", "-v", QStringLiteral("cups-pdf:/") + queue_, "-P",
                                                kPpd, "-o", "pdftops-renderer-default=pdftocairo"});
            !failed.isEmpty())
            return failed;
        return run(QStringLiteral("lpadmin"), {"-d", queue_});
    }

    void stop()
    {
        if (!cupsd_)
            return;
        if (cupsd_->state() != QProcess::NotRunning) {
            const pid_t group = static_cast<pid_t>(cupsd_->processId());
            ::kill(-group, SIGTERM); // cupsd stops its jobs and filters
            if (!cupsd_->waitForFinished(10000)) {
                ::kill(-group, SIGKILL);
                cupsd_->waitForFinished(5000);
            }
        }
        cupsd_.reset();
    }

    // "" when the queue holds no job that is not completed.
    QString pendingJobs() const
    {
        QProcess lpstat;
        lpstat.setProcessEnvironment(clientEnvironment());
        lpstat.start(QStringLiteral("lpstat"), {"-o", queue_});
        if (!lpstat.waitForFinished(10000) || lpstat.exitCode() != 0)
            return QStringLiteral("(lpstat failed: %1)").arg(QString::fromUtf8(lpstat.readAllStandardError()));
        return QString::fromUtf8(lpstat.readAllStandardOutput()).trimmed();
    }

    QString server() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }
    const QString& queue() const { return queue_; }
    QString outputDir() const { return path("out"); }

    QString logs() const
    {
        return QStringLiteral("--- cupsd error_log\n%1\n--- cups-pdf log\n%2")
            .arg(readTail(path("log/error_log")), readTail(path("log/cups-pdf-%1_log").arg(queue_)));
    }

  private:
    QString path(const QString& sub) const { return QDir(dir_.path()).filePath(sub); }

    static bool write(const QString& file, const QString& text)
    {
        QFile out(file);
        return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(text.toUtf8()) == text.toUtf8().size();
    }

    QProcessEnvironment clientEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), server());
        return env;
    }

    QString launch()
    {
        if (!write(path("conf/cupsd.conf"),
                   QStringLiteral("Listen 127.0.0.1:%1\nLogLevel info\nBrowsing No\nWebInterface No\n"
                                  "DefaultAuthType None\nErrorPolicy abort-job\nPrintcap %2\n"
                                  "<Location />\n  Order allow,deny\n  Allow 127.0.0.1\n</Location>\n"
                                  "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow 127.0.0.1\n"
                                  "  </Limit>\n</Policy>\n")
                       .arg(port_)
                       .arg(path("printcap"))))
            return QStringLiteral("cannot write cupsd.conf");
        cupsd_ = std::make_unique<QProcess>();
        cupsd_->setProcessChannelMode(QProcess::MergedChannels);
        cupsd_->setChildProcessModifier([] {
            ::setpgid(0, 0);
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        });
        cupsd_->start(QStringLiteral("cupsd"),
                      {"-f", "-c", path("conf/cupsd.conf"), "-s", path("conf/cups-files.conf")});
        if (!cupsd_->waitForStarted(10000))
            return QStringLiteral("cupsd did not start: %1").arg(cupsd_->errorString());
        const QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired()) {
            if (cupsd_->state() == QProcess::NotRunning)
                return QStringLiteral("cupsd stopped at start: %1\n%2")
                    .arg(QString::fromUtf8(cupsd_->readAll()), logs());
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port_));
            if (probe.waitForConnected(500))
                return {};
            QThread::msleep(100);
        }
        return QStringLiteral("cupsd does not listen on %1\n%2").arg(server(), logs());
    }

    QString run(const QString& program, const QStringList& args) const
    {
        QProcess process;
        process.setProcessEnvironment(clientEnvironment());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, args);
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return QStringLiteral("%1 %2 failed: %3\n%4")
                .arg(program, args.join(QLatin1Char(' ')), QString::fromUtf8(process.readAll()), logs());
        return {};
    }

    QTemporaryDir dir_;
    QString queue_;
    QString cupsPdfConfig_;
    int port_ = 0;
    std::unique_ptr<QProcess> cupsd_;
};

class CupsPrintTest : public ScreenFixture {
  protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        // cupsd drops to lp for filters and sets up its spool as root; without
        // root it cannot run. CI runs as root, so there this never skips.
        if (geteuid() != 0)
            GTEST_SKIP() << "cupsd needs root";
        cups = std::make_unique<PrivateCups>();
        const QString why = cups->start();
        ASSERT_TRUE(why.isEmpty()) << why.toStdString();
        // Qt's CUPS support and libcups read these once, at the first printer
        // or printer query, which has not happened yet in this process.
        qputenv("CUPS_SERVER", cups->server().toUtf8());
        qputenv("LPDEST", cups->queue().toUtf8());
        qunsetenv("PRINTER");
        engine = std::make_unique<ReportEngine>();
        engine->setMessageSink([this](const QString& title, const QString& text) { messages << title + ": " + text; });
    }

    void TearDown() override
    {
        engine.reset();
        cups.reset();
        ScreenFixture::TearDown();
    }

    // The first PDF cups-pdf finished writing, "" when none came.
    QString printedPdf(QString* pending)
    {
        const QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired()) {
            QApplication::processEvents();
            *pending = cups->pendingJobs();
            const QStringList done =
                QDir(cups->outputDir()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            if (pending->isEmpty())
                return done.isEmpty() ? QString() : QDir(cups->outputDir()).filePath(done.first());
            QThread::msleep(200);
        }
        return {};
    }

    std::unique_ptr<PrivateCups> cups;
    std::unique_ptr<ReportEngine> engine;
    QStringList messages;
};

TEST_F(CupsPrintTest, the_quick_tax_report_prints_on_the_application_printer_through_cups)
{
    AppState state;
    state.TaxableIncome = state.TovrikIncome = 500000;
    state.TovrikAge = 40;
    state.tovrikResult = NEWCALC(500000, 40);

    QPrinter& printer = appPrinter();
    ASSERT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    printer.setPrinterName(cups->queue());
    ASSERT_EQ(printerProblem(printer), QString()) << "the queue is not seen by Qt";

    pressTovrikPrint(state, engine.get(), "cmdPD");
    ASSERT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
    EXPECT_EQ(printer.printerName(), cups->queue());

    QString pending;
    const QString pdf = printedPdf(&pending);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue; jobs still pending: " << pending.toStdString() << "\n"
                                << cups->logs().toStdString();
    const QString text = pdfText(pdf).simplified();
    for (const char* figure : {"Quick Tax Calculation", "Age 40 years", "Annual taxable income R 500 000.00",
                               "Tax commitment for the year R 110 235.00", "Tax commitment per month R 9 186.25",
                               "Average rate after rebates 22.05 %"})
        EXPECT_TRUE(text.contains(QLatin1String(figure))) << figure << "\n" << text.toStdString();
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

} // namespace
} // namespace revtal::test
