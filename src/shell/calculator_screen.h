#pragma once
// A child window of the main window: one instance per class, opened from the
// menu, closed by its own OK button or by "Initialise All".
#include <QWidget>

namespace revtal {

struct AppState;
class ReportEngine;

// What every screen is given: the one application state and the report engine
// of the main window (null where a screen is built without one, as in tests).
struct ScreenContext {
    AppState& state;
    ReportEngine* engine = nullptr;
};

class CalculatorScreen : public QWidget {
    Q_OBJECT
public:
    CalculatorScreen(ScreenContext context, const QString& objectName, QWidget* parent = nullptr);

    // Called whenever the screen becomes the active child window.
    virtual void screenActivated() {}

    // Closes the child window holding the screen (its own OK button).
    void closeScreen();

signals:
    // The screen has closed; its window is deleted a moment later.
    void screenClosed();

protected:
    void closeEvent(QCloseEvent* event) override;

    ScreenContext context_;
    AppState& state() const { return context_.state; }
};

}  // namespace revtal
