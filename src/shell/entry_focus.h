#pragma once
// When an entry field has the focus as far as its entries go. A message box,
// a menu or another window taking the focus only suspends the entry; it ends
// when the focus moves to another control of the same window, whether
// directly or after such an interruption.
#include <QPointer>
#include <QWidget>

#include <functional>

class QFocusEvent;

namespace revtal {

class EntryFocus {
  public:
    // begin runs when an entry starts, leave when it ends.
    EntryFocus(QWidget* field, std::function<void()> begin, std::function<void()> leave);
    ~EntryFocus();
    EntryFocus(const EntryFocus&) = delete;
    EntryFocus& operator=(const EntryFocus&) = delete;

    // Call from the field's focusInEvent before the base class's handler, and
    // from its focusOutEvent after it.
    void focusIn();
    void focusOut(const QFocusEvent* event);

    bool active() const { return active_; }

  private:
    void focusMoved(QWidget* now);
    void end();

    QPointer<QWidget> field_;
    QMetaObject::Connection watch_;
    std::function<void()> begin_;
    std::function<void()> leave_;
    bool active_ = false;
    bool suspended_ = false;
};

} // namespace revtal
