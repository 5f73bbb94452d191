#include "shell/spin_button.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace revtal {

namespace {
QToolButton* arrow(QWidget* parent, Qt::ArrowType type, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(type);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(18);
    return button;
}
} // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(arrow(this, Qt::UpArrow, "up")), down_(arrow(this, Qt::DownArrow, "down"))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, &SpinButton::spinUp);
    connect(down_, &QToolButton::clicked, this, &SpinButton::spinDown);
}

} // namespace revtal
