#pragma once
// The spin button (names begin "sp"): a small pair of arrow buttons beside a
// field, raising spinUp() or spinDown(); what a step does is the screen's.
// The arrows take no focus, so a click leaves the focus and the entry of the
// field beside them alone. Holding an arrow down repeats its notification.
#include <QWidget>

class QToolButton;

namespace revtal {

class SpinButton : public QWidget {
    Q_OBJECT

  public:
    explicit SpinButton(QWidget* parent = nullptr);

    // The two arrows, named "up" and "down".
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  signals:
    void spinUp();
    void spinDown();

  private:
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace revtal
