#include "shell/mdi_form1.h"

#include "shell/app_directory.h"
#include "shell/dialog_placement.h"
#include "shell/frm_about.h"
#include "shell/frm_disclaimer_yes_no.h"
#include "shell/frm_help_browser.h"
#include "shell/frm_kestra.h"
#include "shell/preferences_db.h"
#include "shell/screen_mnemonics.h"
#include "reports/app_printer.h"
#include "reports/report_engine.h"
#include "shell/twips.h"
#include "shell/version.h"
#include "shell/wait_cursor.h"
#include "taxrules/frm_tovrik.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QUrl>

namespace revtal {

namespace {

// The menu in display order. A row with an empty command text is a top-level
// menu; "-" is a separator; a screen row names the screen it opens.
struct MenuRow {
    const char* name;
    const char* caption;
    int level;           // 0 top level, 1 inside the last top-level menu
    const char* screen;  // screen opened, or null
    MDIForm1::Arrange arrange = MDIForm1::Arrange::None;
};

constexpr auto kCascade = MDIForm1::Arrange::Cascade;

const MenuRow kMenu[] = {
    {"mnuFile", "&File", 0, nullptr},
    {"mnuNew", "&Initialise All", 1, nullptr},
    {"Space1", "-", 1, nullptr},
    {"mnuPrinterSet", "&Printer Setup", 1, nullptr},
    {"Space2", "-", 1, nullptr},
    {"mnuExit", "E&xit", 1, nullptr},
    {"mnuRevtal", "&Revtal", 0, nullptr},
    {"mnuRevtalMon", "&Monthly", 1, "frmRevtalMon", kCascade},
    {"mnuRevtalAnn", "&Annual", 1, "frmRevtalAnn", kCascade},
    {"mnuPendral", "&Pendral", 0, nullptr},
    {"mnuPendralMon", "&Monthly", 1, "frmPendralMon", kCascade},
    {"mnuPendralAnn", "&Annual", 1, "frmPendralAnn", kCascade},
    {"mnuTaxCalc", "&TaxCalcs", 0, nullptr},
    {"mnuAnnual", "&Annual", 1, "frmAnnual"},
    {"mnuMonthly", "&Monthly", 1, "frmMonthly"},
    {"mnuFortNight", "&FortNightly", 1, "frmFortNight"},
    {"mnuWeekly", "&Weekly", 1, "frmWeekly"},
    {"mnuDaily", "&Daily", 1, "frmDaily"},
    {"Tovrik", "Tovrik", 1, "frmTovrik"},
    {"mnuCarCalcs", "&Car Calculations", 0, nullptr},
    {"mnuCompCar", "&Company car", 1, "frmCompCar", MDIForm1::Arrange::WidenAndCascade},
    {"mnuCarAll1", "Car Allowance", 1, "frmCarAll1", kCascade},
    {"mnuBusinessCalcs", "Bu&siness Calculations", 0, nullptr},
    {"mnuInflationProject", "Inflation Projections", 1, "frmInflation"},
    {"mnuLoans", "Loans", 1, "frmLoans"},
    {"mnuLoansBuster", "Loan buster", 1, "frmLoanBuster"},
    {"mnuLoansComparison", "Loan comparison", 1, "frmLoanComp"},
    {"mnuDailyBalance", "Daily balance", 1, "frmDayBal"},
    {"mnuMSCalculator", "&MS-Calculator", 0, nullptr},
    {"mnuHelp", "&Help/Videos", 0, nullptr},
    {"mnuContents", "Revtal 2021 Help", 1, "frmHelpBrowser"},
    {"VideoLectures1", "Video Lectures", 1, nullptr},
    {"mnuHelpSearchForHelpOn", "&Search For Help On...", 1, nullptr},
    {"Space3", "-", 1, nullptr},
    {"mnuAbout", "&About Revtal2021...", 1, nullptr},
    {"mnuKestra", "  Kestra  ", 0, nullptr},
};

// The order in which "Initialise All" closes screens; others stay open.
const char* const kInitialiseAllCloses[] = {
    "frmAnnual",    "frmMonthly",    "frmWeekly", "frmDaily",     "frmCompCar",   "frmCarAll1",
    "frmHelpBrowser", "frmInflation", "frmLoans",  "frmLoanBuster", "frmLoanComp", "frmDayBal",
    "frmRevtalMon", "frmRevtalAnn",  "frmPendralMon", "frmPendralAnn",
};

const char* const kDesktopCalculators[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk",
                                           "xcalc"};

constexpr double kCompanyCarMainWidthTwips = 13405;

}  // namespace

MDIForm1::MDIForm1(QWidget* parent)
    : QMainWindow(parent), engine_(std::make_unique<ReportEngine>(this)), mdi_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MDIForm1"));
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    new ScreenMnemonics(this);
    resize(1100, 760);

    for (const char* program : kDesktopCalculators)
        calculators_ << QString::fromLatin1(program);
    registerScreen(QStringLiteral("frmTovrik"), [](ScreenContext c) { return new frmTovrik(c); });
    registerScreen(QStringLiteral("frmHelpBrowser"), [](ScreenContext c) { return new frmHelpBrowser(c); });

    buildMenu();
    connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        if (sub)
            if (auto* s = qobject_cast<CalculatorScreen*>(sub->widget()))
                s->screenActivated();
    });
}

MDIForm1::~MDIForm1()
{
    // The child windows go first, while the table they leave on closing still exists.
    delete mdi_;
}

void MDIForm1::registerScreen(const QString& name, ScreenFactory create)
{
    entries_.insert(name, std::move(create));
    // Commands are built before or after; either way the command follows the registry.
    for (QAction* action : findChildren<QAction*>())
        if (action->property("screen").toString() == name)
            action->setEnabled(true);
}

void MDIForm1::buildMenu()
{
    QMenu* current = nullptr;
    for (const MenuRow& row : kMenu) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromLatin1(row.caption);
        QAction* action = nullptr;
        if (row.level == 0) {
            const bool hasSubmenu = &row + 1 < std::end(kMenu) && (&row + 1)->level == 1;
            if (hasSubmenu) {
                current = menuBar()->addMenu(caption);
                current->setObjectName(name);
                current->menuAction()->setObjectName(name);
                continue;
            }
            action = menuBar()->addAction(caption);
            current = nullptr;
        } else if (caption == QLatin1String("-")) {
            action = current->addSeparator();
        } else {
            action = current->addAction(caption);
        }
        action->setObjectName(name);
        if (row.screen) {
            const QString target = QString::fromLatin1(row.screen);
            action->setProperty("screen", target);
            action->setEnabled(entries_.contains(target));
            const Arrange arrange = row.arrange;
            connect(action, &QAction::triggered, this, [this, target, arrange] { openFromMenu(target, arrange); });
        }
    }
    auto find = [this](const char* n) { return findChild<QAction*>(QString::fromLatin1(n)); };
    connect(find("mnuNew"), &QAction::triggered, this, &MDIForm1::initialiseAll);
    connect(find("mnuPrinterSet"), &QAction::triggered, this, &MDIForm1::printerSetup);
    connect(find("mnuExit"), &QAction::triggered, this, &QWidget::close);
    connect(find("mnuMSCalculator"), &QAction::triggered, this, &MDIForm1::startCalculator);
    connect(find("VideoLectures1"), &QAction::triggered, this, &MDIForm1::openVideoLectures);
    connect(find("mnuAbout"), &QAction::triggered, this, &MDIForm1::showAbout);
    find("mnuHelpSearchForHelpOn")->setEnabled(false);
    QAction* kestra = find("mnuKestra");
    kestra->setVisible(false);
    kestra->setEnabled(false);
    connect(kestra, &QAction::triggered, this, [this] {
        auto* k = new frmKestra(this);
        placeDialog(this, k);
        k->show();
    });
}

void MDIForm1::loadBackground()
{
    hasPicture_ = picture_.load(applicationFile(QStringLiteral("\\Revtal.jpg")));
    mdi_->viewport()->installEventFilter(this);
    fitBackground();
}

void MDIForm1::fitBackground()
{
    if (!hasPicture_ || mdi_->viewport()->size().isEmpty()) {
        mdi_->setBackground(palette().brush(QPalette::Dark));
        return;
    }
    // The picture fills the area at any window size, cropped rather than stretched.
    const QSize area = mdi_->viewport()->size();
    const QPixmap scaled = picture_.scaled(area, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    mdi_->setBackground(QBrush(scaled.copy((scaled.width() - area.width()) / 2,
                                           (scaled.height() - area.height()) / 2, area.width(), area.height())));
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize)
        fitBackground();
    return QMainWindow::eventFilter(watched, event);
}

bool MDIForm1::startUp()
{
    loadBackground();
    setWindowTitle(QStringLiteral("Revtal 2021 Ver: ") + QString::fromStdString(shownVersion()));
    show();
    QApplication::processEvents();
    state_.reset();
    setDatabasePaths();
    readStartUpPreferences();
    if (state_.ViewAbout) {
        WaitCursor wait;
        showAbout();
    }
    if (numericVersion() > acceptedVersion_) {
        frmDisclaimerYesNo disclaimer(state_, [this](int v) { storeAcceptedVersion(v); }, this);
        placeDialog(this, &disclaimer);
        disclaimer.exec();
        if (!state_.disclaimerAccepted) {
            close();
            return false;
        }
    }
    return true;
}

CalculatorScreen* MDIForm1::screen(const QString& name) const
{
    const auto sub = open_.value(name);
    return sub ? qobject_cast<CalculatorScreen*>(sub->widget()) : nullptr;
}

CalculatorScreen* MDIForm1::openScreen(const QString& name)
{
    if (auto* existing = screen(name)) {
        mdi_->setActiveSubWindow(open_.value(name));
        return existing;
    }
    const auto entry = entries_.find(name);
    if (entry == entries_.end())
        return nullptr;
    CalculatorScreen* created = (*entry)(ScreenContext{state_, engine_.get()});
    QMdiSubWindow* sub = mdi_->addSubWindow(created);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setObjectName(name + QStringLiteral("Window"));
    sub->setWindowTitle(created->windowTitle());
    sub->setWindowIcon(windowIcon());
    open_.insert(name, sub);
    // Gone as soon as it closes, so the next "open" creates it afresh.
    auto forget = [this, name, sub] {
        if (open_.value(name) == sub)
            open_.remove(name);
    };
    connect(created, &CalculatorScreen::screenClosed, this, forget);
    connect(sub, &QObject::destroyed, this, forget);
    sub->show();
    mdi_->setActiveSubWindow(sub);
    return created;
}

void MDIForm1::openFromMenu(const QString& name, Arrange arrange)
{
    WaitCursor wait;
    if (!openScreen(name))
        return;
    switch (arrange) {
    case Arrange::None:
        break;
    case Arrange::Cascade:
        mdi_->cascadeSubWindows();
        break;
    case Arrange::WidenAndCascade:
        if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
            break;
        resize(twipsToPixels(this, kCompanyCarMainWidthTwips), height());
        mdi_->cascadeSubWindows();
        break;
    }
}

void MDIForm1::closeScreenWindow(const QString& name)
{
    if (const auto sub = open_.value(name)) {
        open_.remove(name);
        sub->close();
        delete sub.data();  // now, so a reopened screen starts afresh
    }
}

void MDIForm1::initialiseAll()
{
    {
        WaitCursor wait;
        state_.reset();
    }
    for (const char* name : kInitialiseAllCloses)
        closeScreenWindow(QString::fromLatin1(name));
}

void MDIForm1::showAbout()
{
    if (!about_) {
        about_ = new frmAbout(state_, [this](bool v) { storeViewAbout(v); }, this);
        placeDialog(this, about_);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MDIForm1::startCalculator()
{
    for (const QString& program : calculators_)
        if (QProcess::startDetached(program, {}))
            return;
    QMessageBox box(QMessageBox::NoIcon, windowTitle(),
                    QStringLiteral("The Microsoft Calculator is not installed or in the Windows directory"),
                    QMessageBox::Ok, this);
    box.exec();
}

void MDIForm1::openVideoLectures() { QDesktopServices::openUrl(QUrl(videoLecturesUrl_)); }

void MDIForm1::closeEvent(QCloseEvent* event)
{
    closeScreenWindow(QStringLiteral("frmHelpBrowser"));
    if (about_)
        about_->close();  // writes ViewAbout as it goes
    mdi_->closeAllSubWindows();
    QMainWindow::closeEvent(event);
}

void MDIForm1::setDatabasePaths()
{
    state_.ReportDbPath = databaseFile(QStringLiteral("\\Crysprin.mdb")).toStdString();
    state_.PrefsDbPath = databaseFile(QStringLiteral("\\bcdv.mdb")).toStdString();
    state_.SettingsDbPath = databaseFile(QStringLiteral("\\Settings.mdb")).toStdString();
}

void MDIForm1::readStartUpPreferences()
{
    // A file that could not be read or repaired leaves the first values:
    // About shown, disclaimer due. The program starts either way.
    const auto prefs = PreferencesDb(QString::fromStdString(state_.PrefsDbPath)).read();
    showNotice(prefs.status.ok ? prefs.status.notice : prefs.status.error);
    state_.ViewAbout = prefs.value.ViewAbout;
    acceptedVersion_ = prefs.value.Var1;
    videoLecturesUrl_ = prefs.value.VideoLectures.isEmpty() ? QString::fromLatin1(kDefaultVideoLectures)
                                                            : prefs.value.VideoLectures;
}

void MDIForm1::storeViewAbout(bool viewAbout)
{
    const StorageStatus status = PreferencesDb(QString::fromStdString(state_.PrefsDbPath)).storeViewAbout(viewAbout);
    showNotice(status.ok ? status.notice : status.error);
}

void MDIForm1::storeAcceptedVersion(int version)
{
    const StorageStatus status =
        PreferencesDb(QString::fromStdString(state_.PrefsDbPath)).storeVar1(static_cast<std::int16_t>(version));
    showNotice(status.ok ? status.notice : status.error);
    if (status.ok)
        acceptedVersion_ = version;
}

void MDIForm1::printerSetup() { revtal::printerSetup(this); }

void MDIForm1::showNotice(const QString& notice)
{
    if (notice.isEmpty())
        return;
    QMessageBox::warning(this, QStringLiteral("Revtal 2021"), notice);
}

}  // namespace revtal
