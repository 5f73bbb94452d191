#include "shell/entry_focus.h"

#include <QApplication>
#include <QFocusEvent>

namespace revtal {

EntryFocus::EntryFocus(QWidget* field, std::function<void()> begin, std::function<void()> leave)
    : field_(field), begin_(std::move(begin)), leave_(std::move(leave))
{
    watch_ =
        QObject::connect(qApp, &QApplication::focusChanged, field, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

// The field outlives this member while it is destroyed, and may still see the focus move.
EntryFocus::~EntryFocus()
{
    QObject::disconnect(watch_);
}

void EntryFocus::focusIn()
{
    suspended_ = false;
    if (active_)
        return;
    active_ = true;
    begin_();
}

void EntryFocus::focusOut(const QFocusEvent* event)
{
    if (!active_)
        return;
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        suspended_ = true;
        return;
    }
    end();
}

void EntryFocus::focusMoved(QWidget* now)
{
    if (active_ && suspended_ && now && now != field_ && field_ && now->window() == field_->window())
        end();
}

void EntryFocus::end()
{
    // Cleared first: a handler of leave may put the focus straight back.
    active_ = false;
    suspended_ = false;
    leave_();
}

} // namespace revtal
