#include "shell/mdi_form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Revtal"));
    QApplication::setOrganizationName(QStringLiteral("Revtal"));
    revtal::MDIForm1 window;
    if (!window.startUp())
        return 0;  // the disclaimer was declined
    return QApplication::exec();
}
