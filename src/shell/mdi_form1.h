#pragma once
// The main window: the menu, the child windows, start-up and shut-down.
#include <QHash>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

#include "shell/app_state.h"
#include "shell/calculator_screen.h"

class QMdiArea;
class QMdiSubWindow;
class QAction;

namespace revtal {

class frmAbout;
class ReportEngine;

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(QWidget* parent = nullptr);
    ~MDIForm1() override;

    // Steps 1 to 8 of start-up. False when the disclaimer was declined and the
    // window has closed.
    bool startUp();

    AppState& state() { return state_; }
    ReportEngine* rptMainPrint() const { return engine_.get(); }
    QMdiArea* mdiArea() const { return mdi_; }

    // Creates the screen on first use, else brings the open one to the front.
    CalculatorScreen* openScreen(const QString& name);
    CalculatorScreen* screen(const QString& name) const;
    void closeScreenWindow(const QString& name);

    void initialiseAll();
    void showAbout();
    void printerSetup();
    void startCalculator();
    void openVideoLectures();

    // How a menu command arranges the child windows after opening its screen.
    enum class Arrange { None, Cascade, WidenAndCascade };
    using ScreenFactory = std::function<CalculatorScreen*(ScreenContext)>;
    // Makes a screen class available to the menu command that names it.
    void registerScreen(const QString& name, ScreenFactory create);
    // The programs "&MS-Calculator" tries, in order (tests replace them).
    void setDesktopCalculators(const QStringList& programs) { calculators_ = programs; }

    // The picture a missing "Revtal.jpg" cannot spoil: a plain background stays.
    bool hasBackgroundPicture() const { return hasPicture_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:

    void buildMenu();
    void loadBackground();
    void fitBackground();
    void setDatabasePaths();
    void readStartUpPreferences();
    void storeViewAbout(bool viewAbout);
    void storeAcceptedVersion(int version);
    void showNotice(const QString& notice);
    void openFromMenu(const QString& name, Arrange arrange);

    AppState state_;
    std::unique_ptr<ReportEngine> engine_;
    QMdiArea* mdi_;
    QHash<QString, ScreenFactory> entries_;
    QHash<QString, QPointer<QMdiSubWindow>> open_;
    QPointer<frmAbout> about_;
    QString videoLecturesUrl_;
    QStringList calculators_;
    int acceptedVersion_ = 0;
    QPixmap picture_;
    bool hasPicture_ = false;
};

}  // namespace revtal
