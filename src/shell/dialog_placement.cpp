#include "shell/dialog_placement.h"

namespace revtal {

void placeDialog(QWidget* mainWindow, QWidget* dialog)
{
    if (!mainWindow || !dialog)
        return;
    dialog->adjustSize();
    const QRect main = mainWindow->frameGeometry();
    const QSize size = dialog->frameGeometry().size();
    const int left = (main.width() - size.width()) / 2;
    const int top = (main.height() - size.height()) / 4;
    dialog->move(main.topLeft() + QPoint(left, top));
}

}  // namespace revtal
