#include "ui/startup/frmplsplash.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plumbline 3.5"));
    // The program ends through Exit, not when its last window closes between two
    // windows of the start-up sequence.
    QApplication::setQuitOnLastWindowClosed(false);
    frmPlSplash::Load();
    return QApplication::exec();
}
