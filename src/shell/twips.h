#pragma once
// Lengths given in twips (1/1440 inch) turned into pixels of a widget's screen:
// 15 twips a pixel at 96 dpi.
#include <QWidget>
#include <cmath>

namespace revtal {

inline int twipsToPixels(const QWidget* widget, double twips)
{
    const double dpi = widget ? widget->logicalDpiX() : 96.0;
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

}  // namespace revtal
