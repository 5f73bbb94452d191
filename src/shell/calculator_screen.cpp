#include "shell/calculator_screen.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace revtal {

CalculatorScreen::CalculatorScreen(ScreenContext context, const QString& objectName, QWidget* parent)
    : QWidget(parent), context_(context)
{
    setObjectName(objectName);
}

void CalculatorScreen::closeScreen()
{
    // Inside the main window the sub-window owns the screen and goes with it.
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            sub->close();
            return;
        }
    }
    close();
}

void CalculatorScreen::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit screenClosed();
}

}  // namespace revtal
