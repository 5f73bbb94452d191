#pragma once
#include <QWidget>

namespace revtal {

// Centres a dialog across the main window and a quarter of the free height down.
void placeDialog(QWidget* mainWindow, QWidget* dialog);

}  // namespace revtal
