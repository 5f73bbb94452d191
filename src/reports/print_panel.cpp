#include "reports/print_panel.h"

#include <QApplication>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/report_engine.h"
#include "shell/app_directory.h"
#include "shell/app_state.h"

namespace revtal {

namespace {
// The hourglass for the life of a scope, so an early return cannot leave it set.
struct Hourglass {
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};
} // namespace

PrintPanel::PrintPanel(AppState& state, ReportEngine* engine, Order order, const QString& frameName, Cancel cancel,
                       QWidget* screen)
    : QFrame(screen), state_(state), engine_(engine), order_(order)
{
    setObjectName(frameName);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    options_ = new QVBoxLayout;
    layout->addLayout(options_);
    direct_ = new QPushButton(QStringLiteral("P&rint directly to printer"), this);
    direct_->setObjectName(QStringLiteral("cmdPD"));
    preview_ = new QPushButton(QStringLiteral("&View/Export report"), this);
    preview_->setObjectName(QStringLiteral("cmdVR"));
    const bool finance = cancel == Cancel::Finance;
    cancel_ = new QPushButton(finance ? QStringLiteral("C&ancel") : QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(finance ? QStringLiteral("cmdPrintCancel") : QStringLiteral("cmdCancel"));
    for (QPushButton* button : {direct_, preview_, cancel_})
        layout->addWidget(button);
    connect(direct_, &QPushButton::clicked, this, &PrintPanel::printDirect);
    connect(preview_, &QPushButton::clicked, this, &PrintPanel::printPreview);
    connect(cancel_, &QPushButton::clicked, this, &PrintPanel::cancel);
    hide();
}

void PrintPanel::setCondition(Condition condition)
{
    condition_ = std::move(condition);
}

void PrintPanel::setWriter(Writer writer)
{
    writer_ = std::move(writer);
}

void PrintPanel::setReport(Report report)
{
    report_ = std::move(report);
}

void PrintPanel::setReportChoice(ReportChoice choice)
{
    choice_ = std::move(choice);
}

void PrintPanel::setOkButton(QWidget* okButton)
{
    okButton_ = okButton;
}

void PrintPanel::setTitleWithFill(bool withFill)
{
    titleWithFill_ = withFill;
}

PrintPanel::Report PrintPanel::currentReport() const
{
    return choice_ ? choice_() : report_;
}

void PrintPanel::showPanel()
{
    adjustSize();
    if (QWidget* screen = parentWidget())
        move(std::max(0, (screen->width() - width()) / 2), std::max(0, (screen->height() - height()) / 2));
    raise();
    show();
    preview_->setFocus();
}

void PrintPanel::close()
{
    hide();
    emit closed();
}

bool PrintPanel::fill()
{
    filled_ = currentReport();
    if (writer_) {
        const StorageStatus status = writer_(ReportDb(ReportEngine::reportDatabasePath()));
        if (engine_ && !status.notice.isEmpty())
            engine_->message(QStringLiteral("Report database"), status.notice);
        if (!status) {
            if (engine_)
                engine_->message(QStringLiteral("Report not written"), status.error);
            return false;
        }
    }
    if (engine_)
        engine_->setTemplatePath(applicationFile(filled_.templateName));
    return true;
}

void PrintPanel::printPressed()
{
    if (order_ != Order::FillThenChoose) {
        showPanel();
        return;
    }
    if (condition_ && !condition_()) {
        if (okButton_)
            okButton_->setFocus();
        return;
    }
    if (!fill())
        return;
    if (titleWithFill_ && engine_ && !filled_.title.isEmpty())
        engine_->setWindowTitle(filled_.title);
    showPanel();
}

void PrintPanel::printDirect()
{
    choose(ReportEngine::Printer);
}

void PrintPanel::printPreview()
{
    choose(ReportEngine::Window);
}

void PrintPanel::cancel()
{
    close();
}

void PrintPanel::choose(int destination)
{
    bool ok = false;
    switch (order_) {
    case Order::FillThenChoose:
        if (engine_) {
            if (destination == ReportEngine::Window && !titleWithFill_ && !filled_.title.isEmpty())
                engine_->setWindowTitle(filled_.title);
            engine_->setDestination(destination);
            ok = engine_->run();
        }
        break;
    case Order::ChooseThenFill: {
        state_.PrintDestination = static_cast<std::int16_t>(destination);
        Hourglass hourglass;
        if (fill() && engine_) {
            if (state_.PrintDestination == 0 && !filled_.title.isEmpty())
                engine_->setWindowTitle(filled_.title);
            engine_->setDestination(state_.PrintDestination == 0 ? ReportEngine::Window : ReportEngine::Printer);
            ok = engine_->run();
        }
        break;
    }
    case Order::ChooseRecalculateFill: {
        if (condition_ && !condition_())
            return; // nothing to print: the frame stays open
        Hourglass hourglass;
        if (fill() && engine_) {
            if (!filled_.title.isEmpty())
                engine_->setWindowTitle(filled_.title);
            engine_->setDestination(destination);
            ok = engine_->run();
        }
        break;
    }
    }
    close();
    emit printed(ok);
}

} // namespace revtal
