// plumbline-snapshot FILE.png: opens the main window on the program's data folder, as the
// program does once the user is through start-up, and saves a picture of it. For machines
// without a display, where the program runs under a virtual X server.
#include "platform/commandline.h"
#include "platform/translations.h"
#include "ui/appidentity.h"
#include "ui/forms.h"
#include "ui/main/frminvestdata.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    // --help and --version need no window system.
    const bool onlyText = platform::onlyAsksForText(argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (onlyText)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plumbline-snapshot"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));
    // Before the help's texts are made, so that they come out in the user's language.
    platform::installTranslations();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "plumbline-snapshot",
        "Opens the Plumbline 3.5 main window on the program's data folder, as the program does once the user is "
        "through start-up, saves a picture of it to FILE.png and ends. For machines without a display: run it "
        "under xvfb-run."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE.png"),
                                 QCoreApplication::translate("plumbline-snapshot", "Where the picture is saved."));
    if (onlyText) {
        parser.process(*app);
        return 0;
    }
    ui::setUpApplication();
    parser.process(*app);
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate("plumbline-snapshot", "usage: plumbline-snapshot FILE.png")));
        return 2;
    }
    const QString target = parser.positionalArguments().constFirst();
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
