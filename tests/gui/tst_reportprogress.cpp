// File, Report runs plumbline-report in a process of its own: the dialog shows the pages as
// they are written, stays responsive, and Cancel, a killed tool or a failure in it leave no
// file and an older report as it was.
#include "palettetesting.h"
#include "reporttesting.h"

#include "ui/main/frminvestdata.h"
#include "ui/report/reportdialog.h"
#include "ui/report/reportrun.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

using namespace reporttesting;
using platform::MsgIcon;
using ui::report::ReportDialog;
using ui::report::ReportRun;

namespace {

// The state letter of a process as /proc gives it ('T': stopped).
char processState(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return '?';
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close >= 0 && close + 2 < text.size() ? text.at(close + 2) : '?';
}

const QByteArray OldReport = "an older report, kept";

// The dialog of a main window showing the example, writing into `pdf`; the report tool is the
// one that stops itself after page `pauseAt` (0: the count), or the real one for -1.
struct Writing
{
    testing::AppFixture app;
    frmInvestData *main = nullptr;
    ReportDialog *dialog = nullptr;
    QTemporaryDir out;
    QString pdf;

    explicit Writing(int pauseAt)
    {
        writeExample(app);
        main = app.startMainWindow();
        pdf = out.filePath(QStringLiteral("report.pdf"));
        QFile old(pdf);
        if (old.open(QIODevice::WriteOnly))
            old.write(OldReport);
        old.close();
        if (pauseAt >= 0) {
            ReportRun::setToolPath(QStringLiteral(REPORT_PAUSED_BIN));
            qputenv("PLUMBLINE_PAUSE_AT_PAGE", QByteArray::number(pauseAt));
        }
        main->mnuFileReport->trigger();
        dialog = ReportDialog::instance();
        dialog->optAllInvestments->setChecked(true);
        dialog->txtReportFile->setText(pdf);
        app.boxes().enqueue(platform::MsgResult::Yes); // replace the older report
    }
    ~Writing()
    {
        qunsetenv("PLUMBLINE_PAUSE_AT_PAGE");
        if (ReportDialog::instance() && ReportDialog::instance()->run())
            ::kill(pid_t(ReportDialog::instance()->run()->processId()), SIGCONT);
    }

    // Create, then wait for the tool to stop itself at its page.
    qint64 startAndWaitForThePause()
    {
        QTest::mouseClick(dialog->cmdCreate, Qt::LeftButton);
        if (!dialog->run())
            return 0;
        const qint64 pid = dialog->run()->processId();
        return QTest::qWaitFor([pid] { return processState(pid) == 'T'; }, 30000) ? pid : 0;
    }

    bool olderReportKeptAlone() const
    {
        QFile file(pdf);
        return entries(out.path()) == QStringList{QStringLiteral("report.pdf")} && file.open(QIODevice::ReadOnly) &&
               file.readAll() == OldReport;
    }
};

} // namespace

class tst_reportprogress : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 3, 14)); }
    void cleanup()
    {
        platform::LocaleServices::setToday(QDate());
        ReportRun::setToolPath(QStringLiteral(PLUMBLINE_REPORT_BIN));
    }

    // Every page is shown as it is written, from the count to the last, while the main window
    // waits; then the report is in place and the dialog gone.
    void pagesAreShownAsTheyAreWritten()
    {
        Writing w(-1);
        QTest::mouseClick(w.dialog->cmdCreate, Qt::LeftButton);
        QVERIFY(w.dialog->run());
        QList<int> pages;
        int total = 0;
        connect(w.dialog->run(), &ReportRun::pageWritten, this, [&](int page, int of) {
            pages << page;
            total = of;
        });
        QVERIFY(w.dialog->barProgress->isVisible());
        QVERIFY(!w.dialog->cmdCreate->isEnabled());
        QVERIFY(!w.main->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!ReportDialog::instance(), 60000);
        QCOMPARE(total, 4);
        QCOMPARE(pages, (QList<int>{1, 2, 3, 4}));
        const platform::MessageBoxCall done = w.app.boxes().lastCall();
        QCOMPARE(done.text, QStringLiteral("The report (4 pages) was saved as\r\n") + QDir::toNativeSeparators(w.pdf));
        QCOMPARE(done.icon, MsgIcon::Information);
        QCOMPARE(pageTexts(w.pdf).size(), 4);
        QTRY_VERIFY(w.main->isEnabled());
    }

    // Cancel at the first page and at the last, before the report is put in place: the tool
    // stops, nothing is written, the older report stays, and the dialog is ready again.
    void cancelLeavesTheOlderReport_data()
    {
        QTest::addColumn<int>("pauseAt");
        QTest::addColumn<int>("shownPage");
        QTest::newRow("pages counted") << 0 << 0;
        QTest::newRow("first page") << 1 << 1;
        QTest::newRow("before the last page") << 3 << 3;
        QTest::newRow("last page, before it is put in place") << 4 << 4;
    }
    void cancelLeavesTheOlderReport()
    {
        QFETCH(int, pauseAt);
        QFETCH(int, shownPage);
        Writing w(pauseAt);
        const qint64 pid = w.startAndWaitForThePause();
        QVERIFY(pid > 0);
        QTRY_COMPARE(w.dialog->barProgress->value(), shownPage);
        QCOMPARE(w.dialog->barProgress->maximum(), 4);
        QCOMPARE(w.dialog->lblProgress->text(), QStringLiteral("Page %1 of 4").arg(shownPage));
        if (shownPage == 1)
            palettetest::grabLightAndDark(w.dialog, QStringLiteral("report-dialog-writing"));
        // The window answers while the tool works.
        QVERIFY(w.dialog->cmdCancel->isEnabled());
        QTest::mouseClick(w.dialog->cmdCancel, Qt::LeftButton);
        QCOMPARE(w.dialog->lblProgress->text(), QStringLiteral("Cancelling..."));
        ::kill(pid_t(pid), SIGCONT);
        QTRY_COMPARE_WITH_TIMEOUT(w.dialog->lblProgress->text(), QStringLiteral("Cancelled: no report was written."),
                                  30000);
        QVERIFY(!w.dialog->run());
        QVERIFY(w.olderReportKeptAlone());
        QVERIFY(w.dialog->cmdCreate->isEnabled());
        QVERIFY(!w.dialog->barProgress->isVisible());
        QCOMPARE(w.app.boxes().calls().size(), 1); // only the question about replacing
        QVERIFY(ReportDialog::instance());
        QVERIFY(!w.main->isEnabled());
        // Cancel again closes the dialog.
        QTest::mouseClick(w.dialog->cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(!ReportDialog::instance());
        QTRY_VERIFY(w.main->isEnabled());
    }

    // Esc while the report is written stops it, and the dialog closes once it has stopped.
    void escapeStopsTheReportAndCloses()
    {
        Writing w(1);
        const qint64 pid = w.startAndWaitForThePause();
        QVERIFY(pid > 0);
        QTest::keyClick(w.dialog, Qt::Key_Escape);
        QVERIFY(ReportDialog::instance());
        ::kill(pid_t(pid), SIGCONT);
        QTRY_VERIFY_WITH_TIMEOUT(!ReportDialog::instance(), 30000);
        QVERIFY(w.olderReportKeptAlone());
        QTRY_VERIFY(w.main->isEnabled());
    }

    // A tool ended from outside (killed, out of memory) is a numbered error, and nothing of its
    // file is left; the dialog stays for another try, which succeeds.
    void killedToolIsAnInternalError()
    {
        Writing w(2);
        const qint64 pid = w.startAndWaitForThePause();
        QVERIFY(pid > 0);
        ::kill(pid_t(pid), SIGKILL);
        QTRY_COMPARE_WITH_TIMEOUT(w.app.boxes().lastCall().text, QStringLiteral("Error Number:51\r\nInternal error"),
                                  30000);
        QCOMPARE(w.app.boxes().lastCall().icon, MsgIcon::None);
        QVERIFY(w.olderReportKeptAlone());
        QVERIFY(ReportDialog::instance());
        QVERIFY(w.dialog->cmdCreate->isEnabled());

        qunsetenv("PLUMBLINE_PAUSE_AT_PAGE");
        w.app.boxes().enqueue(platform::MsgResult::Yes);
        QTest::mouseClick(w.dialog->cmdCreate, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!ReportDialog::instance(), 60000);
        QCOMPARE(pageTexts(w.pdf).size(), 4);
    }

    // A report the tool cannot write (a full disk, here a folder no file can be made in) is
    // the tool's numbered error, as the window would have given it.
    void failureInTheToolIsItsNumberedError()
    {
        Writing w(-1);
        w.dialog->txtReportFile->setText(w.out.filePath(QStringLiteral("missing/report.pdf")));
        QTest::mouseClick(w.dialog->cmdCreate, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w.app.boxes().lastCall().text, QStringLiteral("Error Number:76\r\nPath not found"),
                                  30000);
        QVERIFY(w.olderReportKeptAlone());
        QVERIFY(ReportDialog::instance());
    }

    // A tool that cannot be started at all says so with a number too.
    void missingToolIsReported()
    {
        Writing w(-1);
        ReportRun::setToolPath(w.out.filePath(QStringLiteral("no-such-tool")));
        QTest::mouseClick(w.dialog->cmdCreate, Qt::LeftButton);
        QTRY_COMPARE(w.app.boxes().lastCall().text, QStringLiteral("Error Number:53\r\nFile not found"));
        QVERIFY(w.olderReportKeptAlone());
        QVERIFY(w.dialog->cmdCreate->isEnabled());
    }
};

QTEST_MAIN(tst_reportprogress)
#include "tst_reportprogress.moc"
