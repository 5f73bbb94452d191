#include "shell/screen_mnemonics.h"

#include "shell/calculator_screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace revtal {

ScreenMnemonics::ScreenMnemonics(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

QAbstractButton* ScreenMnemonics::buttonFor(const QKeyEvent* key)
{
    if (key->modifiers() != Qt::AltModifier || key->key() < Qt::Key_A || key->key() > Qt::Key_Z)
        return nullptr;
    CalculatorScreen* screen = nullptr;
    for (QWidget* w = QApplication::focusWidget(); w && !screen; w = w->parentWidget())
        screen = qobject_cast<CalculatorScreen*>(w);
    if (!screen)
        return nullptr;
    const QKeySequence pressed(Qt::ALT | Qt::Key(key->key()));
    for (QAbstractButton* button : screen->findChildren<QAbstractButton*>())
        if (button->isVisible() && button->isEnabled() && QKeySequence::mnemonic(button->text()) == pressed)
            return button;
    return nullptr;
}

bool ScreenMnemonics::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && watched == QApplication::focusWidget()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (QAbstractButton* button = buttonFor(key)) {
            // Accepting the override keeps the menu bar out; the press that follows is ours.
            key->accept();
            swallowKey_ = key->key();
            button->setFocus(Qt::ShortcutFocusReason);
            button->animateClick();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress && swallowKey_) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == swallowKey_) {
            swallowKey_ = 0;
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace revtal
