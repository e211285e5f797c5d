// plumbline-report: the PDF report of a data folder, as File, Report makes it.
#include "core/runtimeerror.h"
#include "platform/commandline.h"
#include "render/report/reportwriter.h"
#include "storage/datafolder.h"
#include "storage/historypass.h"
#include "storage/reportsummary.h"
#include "storage/toolguard.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "plumbline-report: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the PDF report of a Plumbline 3.5 data folder: a summary of the investments with what inflation "
        "took, then each investment's chart and every data record with its computed figures. The file is written "
        "whole or not at all; nothing in the data folder is ever changed."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Read the data folder <dir> instead of the program's own."),
                                     QStringLiteral("dir"));
    const QCommandLineOption investment(QStringLiteral("investment"),
                                        QStringLiteral("Report only investment number <n>."), QStringLiteral("n"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Write the report to <file> (required)."),
                                 QStringLiteral("file"));
    parser.addOption(dataDir);
    parser.addOption(investment);
    parser.addOption(out);
    if (platform::onlyAsksForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("plumbline-report"));
        QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));
        parser.process(app);
        return 0;
    }
    // Writing a PDF needs fonts, not a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plumbline-report"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));

    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        return fail(
            QStringLiteral("unexpected argument \"%1\" (see --help)").arg(parser.positionalArguments().first()));
    if (!parser.isSet(out) || parser.value(out).isEmpty())
        return fail(QStringLiteral("--out FILE.pdf is required (see --help)"));

    if (parser.isSet(dataDir))
        storage::setProgramFolder(QDir(parser.value(dataDir)).absolutePath());
    const QString folder = storage::programFolder();
    if (!QFileInfo(folder).isDir())
        return fail(QStringLiteral("data folder \"%1\" does not exist").arg(QDir::toNativeSeparators(folder)));
    // Never a change half made, nor a folder where a data file belongs.
    if (const QString refusal = storage::readingRefusal(folder); !refusal.isEmpty())
        return fail(refusal);
    const QString investPath = storage::programFile(storage::InvestFileName);
    // Lines no investment owns are left out, as the export leaves them out, and said so.
    // A file that cannot be read is the report's own failure to give.
    try {
        const QString history = storage::programFile(storage::HistFileName);
        const int count = storage::investmentCount();
        const storage::UnownedLines unowned = storage::findUnownedLines(history, count);
        if (unowned.count > 0)
            std::fprintf(
                stderr, "plumbline-report: warning: %s\n",
                qPrintable(storage::unownedLinesWarning(unowned, history, count, QStringLiteral("in the report"))));
    } catch (const storage::HistoryPassError &) {
    } catch (const RuntimeError &) {
    }

    render::ReportRequest request;
    request.outputPath = QFileInfo(parser.value(out)).absoluteFilePath();
    try {
        if (parser.isSet(investment)) {
            const int count = storage::investmentCount();
            bool ok = false;
            request.investment = parser.value(investment).toInt(&ok);
            if (!ok || request.investment < 1 || request.investment > count)
                return fail(QStringLiteral("there is no investment %1 in \"%2\" (it holds %3)")
                                .arg(parser.value(investment), QDir::toNativeSeparators(investPath))
                                .arg(count));
        }
        const int pages = render::writeReport(request);
        std::printf("%s: %d %s\n", qPrintable(QDir::toNativeSeparators(request.outputPath)), pages,
                    pages == 1 ? "page" : "pages");
    } catch (const storage::HistoryPassError &failure) {
        return fail(failure.message());
    } catch (const RuntimeError &error) {
        return fail(QStringLiteral("\"%1\": error %2: %3")
                        .arg(QDir::toNativeSeparators(request.outputPath))
                        .arg(error.number())
                        .arg(error.description()));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
