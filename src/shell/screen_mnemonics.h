#pragma once
// Alt+letter goes to the screen being worked in before the menu bar: with the
// focus inside a calculator screen, "&Calculate" answers Alt+C rather than the
// "&Car Calculations" menu. Keys the screen has no button for still reach the
// menu bar.
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QKeyEvent;

namespace revtal {

class ScreenMnemonics : public QObject {
    Q_OBJECT
public:
    explicit ScreenMnemonics(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QAbstractButton* buttonFor(const QKeyEvent* key);

    int swallowKey_ = 0;  // the key press that follows a handled override
};

}  // namespace revtal
