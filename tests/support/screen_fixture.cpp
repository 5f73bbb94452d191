#include "screen_fixture.h"

#include "shell/app_directory.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>

namespace revtal::test {

namespace {
QApplication& application()
{
    static int argc = 1;
    static char name[] = "revtal-tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Revtal"));
        return a;
    }();
    return *app;
}

// Templates and the help document as the build placed them beside the executable.
void copyApplicationFiles(const QString& to)
{
    const QDir from(QStringLiteral(REVTAL_BUILT_APP_DIR));
    for (const QString& name : from.entryList({QStringLiteral("*.rpt"), QStringLiteral("*.pdf"), QStringLiteral("*.jpg")},
                                              QDir::Files))
        QFile::copy(from.filePath(name), QDir(to).filePath(name));
}
}  // namespace

void ScreenFixture::SetUp()
{
    application();
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    copyApplicationFiles(dir_->path());
    setApplicationDirectory(dir_->path());
    watchdog_ = new QTimer;
    watchdog_->setInterval(20);
    QObject::connect(watchdog_, &QTimer::timeout, [this] { watch(); });
    watchdog_->start();
}

void ScreenFixture::TearDown()
{
    delete watchdog_;
    watchdog_ = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QApplication::processEvents();
    EXPECT_TRUE(unexpected.isEmpty()) << "unexpected modal dialogs: " << unexpected.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(handlers_.empty()) << handlers_.size() << " announced modal dialog(s) never appeared";
    setApplicationDirectory(QString());
}

QString ScreenFixture::appDir() const { return dir_->path(); }

void ScreenFixture::expectModal(ModalHandler handler) { handlers_.push_back(std::move(handler)); }

void ScreenFixture::expectMessageBox()
{
    expectModal([this](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            modalTexts << box->text();
            box->accept();
        } else {
            modalTexts << QStringLiteral("(not a message box: %1)").arg(dialog->windowTitle());
            dialog->close();
        }
    });
}

void ScreenFixture::watch()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == lastHandled_)
        return;
    lastHandled_ = modal;
    // The offscreen platform has no window manager to hand the activation
    // back when a dialog closes; without it the focus would go nowhere.
    QPointer<QWidget> over = modal->parentWidget() ? modal->parentWidget()->window() : nullptr;
    if (!handlers_.empty()) {
        auto handler = std::move(handlers_.front());
        handlers_.erase(handlers_.begin());
        handler(modal);
    } else {
        QString what = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            what += QStringLiteral(": ") + box->text();
        unexpected << what;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
    if (over && over != modal && over->isVisible())
        over->activateWindow();
}

}  // namespace revtal::test
