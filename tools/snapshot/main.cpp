// plumbline-snapshot FILE.png: opens the main window on the program's data folder, as the
// program does once the user is through start-up, and saves a picture of it. For machines
// without a display, where the program runs under a virtual X server.
#include "ui/forms.h"
#include "ui/main/frminvestdata.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: plumbline-snapshot FILE.png\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    QApplication::setQuitOnLastWindowClosed(false);
    frmInvestData::setQuitHandler([] { QCoreApplication::exit(1); });

    int status = 1;
    QTimer::singleShot(1500, [&] {
        frmInvestData *window = frmInvestData::instance();
        if (window && window->grab().save(target)) {
            std::printf("%s\n", qPrintable(target));
            status = 0;
        }
        frmInvestData::setQuitHandler([] {});
        if (window)
            window->cmdDone_Click();
        ui::UnloadAllForms();
        QCoreApplication::exit(status);
    });
    frmInvestData::Load();
    const int result = QApplication::exec();
    return status == 0 ? 0 : (result ? result : 1);
}
