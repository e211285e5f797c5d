#include "platform/commandline.h"
#include "platform/translations.h"
#include "ui/appidentity.h"
#include "ui/startup/frmplsplash.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Plumbline 3.5 keeps track of personal investments and shows how their value holds up against "
                       "inflation. It takes no arguments; the data lives in its data folder."));
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

int main(int argc, char *argv[])
{
    if (platform::onlyAsksForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        platform::installTranslations();
        QCommandLineParser parser;
        describe(parser);
        QCoreApplication::setApplicationName(QStringLiteral("plumbline"));
        QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));
        parser.process(app);
        return 0;
    }

    QApplication app(argc, argv);
    platform::installTranslations();
    ui::setUpApplication();
    QCommandLineParser parser;
    describe(parser);
    // Qt's own options (-platform, -style, ...) are taken by QApplication; anything else is a mistake.
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate("CommandLine", "plumbline: unexpected argument \"%1\" (see --help)")
                           .arg(parser.positionalArguments().constFirst())));
        return 1;
    }
    // The program ends through Exit, not when its last window closes between two
    // windows of the start-up sequence.
    QApplication::setQuitOnLastWindowClosed(false);
    frmPlSplash::Load();
    return QApplication::exec();
}
