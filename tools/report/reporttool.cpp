#include "tools/report/reporttool.h"

#include "core/runtimeerror.h"
#include "platform/commandline.h"
#include "platform/locale.h"
#include "platform/translations.h"
#include "render/report/reportwriter.h"
#include "storage/datafolder.h"
#include "storage/historypass.h"
#include "storage/priceindexchoice.h"
#include "storage/priceindexstore.h"
#include "storage/reportsummary.h"
#include "storage/toolguard.h"

#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <memory>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Set by SIGTERM: the window's Cancel. The report stops at the next page and leaves nothing.
volatile std::sig_atomic_t g_cancelled = 0;

void onTerminate(int)
{
    g_cancelled = 1;
}

struct Cancelled
{
};

// With --progress, what the window reads on standard output, a line at a time:
// "reading", "pages N", "page K", "done K", and at the end of a failure "error NUMBER TEXT"
// (a numbered error) or "refused TEXT" (a refusal without a number).
class Progress
{
public:
    explicit Progress(bool on) : m_on(on) {}

    void line(const QString &text) const
    {
        if (!m_on)
            return;
        std::fprintf(stdout, "%s\n", qPrintable(text));
        std::fflush(stdout);
    }
    bool on() const { return m_on; }

private:
    bool m_on;
};

int fail(const Progress &progress, const QString &message)
{
    progress.line(QStringLiteral("refused ") + message);
    std::fprintf(stderr, "plumbline-report: %s\n", qPrintable(message));
    return 1;
}

int failWith(const Progress &progress, const RuntimeError &error, const QString &message)
{
    progress.line(QStringLiteral("error %1 %2").arg(error.number()).arg(error.description()));
    std::fprintf(stderr, "plumbline-report: %s\n", qPrintable(message));
    return 1;
}

// The PDF engine allocates and frees a page's buffers and its compressor for every page; with
// the C library's defaults that memory went back to the system and was faulted in again on
// each of tens of thousands of pages (most of a long report's page faults, a quarter of its
// time). This process writes one report and ends, so its heap may keep what it frees.
void keepFreedMemory()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}

} // namespace

int runReportTool(int argc, char *argv[], const ReportToolHooks &hooks)
{
    // --help and --version need no window system; a report needs fonts, not a display.
    const bool onlyText = platform::onlyAsksForText(argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (onlyText) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        keepFreedMemory();
        std::signal(SIGTERM, onTerminate);
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("plumbline-report"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));
    // Before the help's texts are made, so that they come out in the user's language.
    platform::installTranslations();

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "plumbline-report",
        "Writes the PDF report of a Plumbline 3.5 data folder: a summary of the investments with what inflation "
        "took, then each investment's chart and every data record with its computed figures. The file is written "
        "whole or not at all; nothing in the data folder is ever changed."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QCoreApplication::translate("Tools", "Read the data folder <dir> instead of the program's own."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<dir>").
        QCoreApplication::translate("Tools", "dir"));
    const QCommandLineOption investment(
        QStringLiteral("investment"),
        QCoreApplication::translate("plumbline-report", "Report only investment number <n>."), QStringLiteral("n"));
    const QCommandLineOption out(
        QStringLiteral("out"),
        QCoreApplication::translate("plumbline-report", "Write the report to <file> (required)."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<file>").
        QCoreApplication::translate("Tools", "file"));
    const QCommandLineOption date(
        QStringLiteral("date"),
        QCoreApplication::translate("plumbline-report", "Date the report <yyyy-mm-dd> instead of today."),
        QStringLiteral("yyyy-mm-dd"));
    const QCommandLineOption locale(
        QStringLiteral("locale"),
        QCoreApplication::translate("plumbline-report",
                                    "Write dates for the locale <name> (such as en_GB) instead of the system's."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<name>").
        QCoreApplication::translate("Tools", "name"));
    const QCommandLineOption progress(
        QStringLiteral("progress"),
        QCoreApplication::translate(
            "plumbline-report",
            "Tell the pages written on standard output, a line each (\"pages N\", \"page K\", \"done K\"), "
            "for a program that shows them."));
    const QCommandLineOption series(
        QStringLiteral("series"),
        QCoreApplication::translate(
            "plumbline-report",
            "The price index <name> for the figure of all investments after inflation (default: the "
            "series chosen under View, Price Index, else that of the system locale's country)."),
        //: A placeholder in the help for what is given after an option or the program's name; keep it as the
        //: descriptions call it ("<name>").
        QCoreApplication::translate("Tools", "name"));
    parser.addOption(dataDir);
    parser.addOption(investment);
    parser.addOption(series);
    parser.addOption(out);
    parser.addOption(date);
    parser.addOption(locale);
    parser.addOption(progress);
    parser.process(*app);
    if (onlyText)
        return 0;
    const Progress tell(parser.isSet(progress));
    if (!parser.positionalArguments().isEmpty())
        return fail(tell, QCoreApplication::translate("Tools", "unexpected argument \"%1\" (see --help)")
                              .arg(parser.positionalArguments().first()));
    if (!parser.isSet(out) || parser.value(out).isEmpty())
        return fail(tell, QCoreApplication::translate("plumbline-report", "--out FILE.pdf is required (see --help)"));
    if (parser.isSet(date)) {
        const QDate day = QDate::fromString(parser.value(date), Qt::ISODate);
        if (!day.isValid())
            return fail(tell,
                        QCoreApplication::translate("plumbline-report", "\"%1\" is not a date of the form yyyy-mm-dd")
                            .arg(parser.value(date)));
        platform::LocaleServices::setToday(day);
    }
    if (parser.isSet(locale))
        platform::LocaleServices::setLocale(QLocale(parser.value(locale)));

    if (parser.isSet(dataDir))
        storage::setProgramFolder(QDir(parser.value(dataDir)).absolutePath());
    const QString folder = storage::programFolder();
    if (!QFileInfo(folder).isDir())
        return fail(tell, QCoreApplication::translate("Tools", "data folder \"%1\" does not exist")
                              .arg(QDir::toNativeSeparators(folder)));
    // Never a change half made, nor a folder where a data file belongs.
    if (const QString refusal = storage::readingRefusal(folder); !refusal.isEmpty())
        return fail(tell, refusal);
    const QString investPath = storage::programFile(storage::InvestFileName);
    tell.line(QStringLiteral("reading"));
    // Lines no investment owns are left out, as the export leaves them out, and said so.
    // A file that cannot be read is the report's own failure to give.
    try {
        const QString history = storage::programFile(storage::HistFileName);
        const int count = storage::investmentCount();
        const storage::UnownedLines unowned = storage::findUnownedLines(history, count);
        if (unowned.count > 0)
            std::fprintf(stderr, "plumbline-report: %s\n",
                         qPrintable(QCoreApplication::translate("Tools", "warning: %1")
                                        .arg(storage::unownedLinesWarning(unowned, history, count,
                                                                          storage::LeftOut::InReport))));
    } catch (const storage::HistoryPassError &) {
    } catch (const RuntimeError &) {
    }

    render::ReportRequest request;
    request.outputPath = QFileInfo(parser.value(out)).absoluteFilePath();
    // A series that cannot be read costs the row of all investments its figure after
    // inflation, not the report.
    PriceIndex index;
    QString seriesError;
    if (storage::loadPriceIndex(parser.isSet(series) ? parser.value(series) : storage::systemPriceIndexName(), index,
                                seriesError)) {
        request.series = &index;
    } else {
        request.seriesProblem = seriesError;
        std::fprintf(stderr, "plumbline-report: %s\n",
                     qPrintable(QCoreApplication::translate("Tools", "warning: %1").arg(seriesError)));
    }
    request.pageDone = [&tell, &hooks](int page, int pages) {
        tell.line(page == 0 ? QStringLiteral("pages %1").arg(pages) : QStringLiteral("page %1").arg(page));
        if (hooks.afterPageTold)
            hooks.afterPageTold(page);
        // Checked after every page, the last one before the file is put in place.
        if (g_cancelled)
            throw Cancelled{};
    };
    try {
        if (parser.isSet(investment)) {
            const int count = storage::investmentCount();
            bool ok = false;
            request.investment = parser.value(investment).toInt(&ok);
            if (!ok || request.investment < 1 || request.investment > count)
                return fail(tell,
                            QCoreApplication::translate("Tools", "there is no investment %1 in \"%2\" (it holds %3)")
                                .arg(parser.value(investment), QDir::toNativeSeparators(investPath))
                                .arg(count));
        }
        const int pages = render::writeReport(request);
        if (tell.on())
            tell.line(QStringLiteral("done %1").arg(pages));
        else
            //: %1 is the PDF file written, %2 its number of pages.
            std::printf("%s\n",
                        qPrintable((pages == 1 ? QCoreApplication::translate("plumbline-report", "%1: %2 page")
                                               : QCoreApplication::translate("plumbline-report", "%1: %2 pages"))
                                       .arg(QDir::toNativeSeparators(request.outputPath), QString::number(pages))));
    } catch (const Cancelled &) {
        tell.line(QStringLiteral("cancelled"));
        return 3;
    } catch (const storage::HistoryPassError &failure) {
        return failWith(tell, failure.error, failure.message());
    } catch (const RuntimeError &error) {
        return failWith(tell, error,
                        QCoreApplication::translate("Tools", "\"%1\": error %2: %3")
                            .arg(QDir::toNativeSeparators(request.outputPath))
                            .arg(error.number())
                            .arg(error.description()));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
