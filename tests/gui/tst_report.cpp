#include "appfixture.h"
#include "filechooserdouble.h"
#include "reporttesting.h"

#include "core/runtimeerror.h"
#include "platform/locale.h"
#include "render/report/reportwriter.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/historypass.h"
#include "ui/main/frminvestdata.h"
#include "ui/report/reportdialog.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace reporttesting;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

// A home folder of the test's own for the dialog's default: $HOME and $XDG_CONFIG_HOME point
// into it while the object lives.
class OwnHome
{
public:
    OwnHome()
        : m_home(qgetenv("HOME")), m_config(qgetenv("XDG_CONFIG_HOME")),
          m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral(".config"))));
    }
    ~OwnHome()
    {
        qputenv("HOME", m_home);
        if (m_hadConfig)
            qputenv("XDG_CONFIG_HOME", m_config);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    OwnHome(const OwnHome &) = delete;
    OwnHome &operator=(const OwnHome &) = delete;

    QString path() const { return QDir(m_dir.path()).canonicalPath(); }
    // The desktop's list of user folders, as xdg-user-dirs writes it.
    bool writeUserDirs(const QByteArray &documentsLine) const
    {
        if (!QDir().mkpath(m_dir.filePath(QStringLiteral(".config"))))
            return false;
        QFile file(m_dir.filePath(QStringLiteral(".config/user-dirs.dirs")));
        return file.open(QIODevice::WriteOnly) &&
               file.write("# This file is written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n" +
                          documentsLine + "\nXDG_MUSIC_DIR=\"$HOME/Music\"\n") > 0;
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_home;
    QByteArray m_config;
    bool m_hadConfig;
};

// The amounts of a summary line, in cents.
QList<qint64> amountsOf(const QString &line)
{
    static const QRegularExpression amount(QStringLiteral("\\$([\\d,]+)\\.(\\d\\d)"));
    QList<qint64> cents;
    for (auto m = amount.globalMatch(line); m.hasNext();) {
        const QRegularExpressionMatch one = m.next();
        cents << one.captured(1).remove(QLatin1Char(',')).toLongLong() * 100 + one.captured(2).toLongLong();
    }
    return cents;
}

} // namespace

class tst_report : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 3, 14)); }
    void cleanup()
    {
        storage::faults::clear();
        platform::LocaleServices::setToday(QDate());
        if (ui::report::ReportDialog *dialog = ui::report::ReportDialog::instance())
            dialog->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void summaryFiguresAndTotals()
    {
        testing::AppFixture app;
        writeExample(app);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        const QByteArray before = app.historyBytes();
        const int pages = render::writeReport({pdf, 0});

        // Summary page, then one page for each of the three investments.
        QCOMPARE(pages, 4);
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("4"));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("Plumbline report 2026-03-14"));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Creator")), QStringLiteral("Plumbline 3.5"));
        QVERIFY(pdfInfo(pdf, QStringLiteral("Page size")).contains(QStringLiteral("letter")));
        const QString fonts = pdfTool(QStringLiteral("pdffonts"), {pdf});
        QVERIFY(fonts.contains(QStringLiteral("DejaVuSans")));
        for (const QString &line : fonts.split(QLatin1Char('\n')).mid(2))
            if (!line.trimmed().isEmpty())
                QVERIFY2(line.contains(QStringLiteral(" yes ")), qPrintable(line)); // embedded

        const QStringList text = pageTexts(pdf);
        QCOMPARE(text.size(), 4);
        const QString &summary = text.at(0);
        QVERIFY(summary.contains(
            QStringLiteral("1 Mutual Fund Big Bank 1/2/2001 1/2/2005 $10,000.00 $11,500.00 $1,500.00 $11,120.00 "
                           "$1,120.00 $380.00")));
        QVERIFY(summary.contains(QStringLiteral(
            "2 Savings Credit Union 6/30/2001 6/30/2002 $2,500.00 $2,562.50 $62.50 $2,510.00 $10.00 $52.50")));
        QVERIFY(summary.contains(QStringLiteral("3 Bond Treasury\n")));
        QVERIFY(summary.contains(QStringLiteral("Total, 3 investments 7 data records $12,500.00 $14,062.50 "
                                                "$1,562.50 $13,630.00 $1,130.00 $432.50")));
        for (int i = 0; i < text.size(); ++i) {
            QVERIFY(text.at(i).contains(QStringLiteral("Page %1 of 4").arg(i + 1)));
            QVERIFY(text.at(i).contains(QStringLiteral("Report of 3/14/2026")));
            QVERIFY(
                text.at(i).contains(QStringLiteral("Data folder: ") + QDir::toNativeSeparators(app.folder().dir())));
        }
        // Every record in the grid's forms: the carried row keeps the loss, the skipped row its figures.
        QVERIFY(text.at(1).contains(QStringLiteral("Investment 1: Mutual Fund, Big Bank")));
        QVERIFY(text.at(1).contains(QStringLiteral("5 data records, 1/2/2001 to 1/2/2005.")));
        QVERIFY(text.at(1).contains(
            QStringLiteral("2 1/2/2002 $10,000.00 $10,800.00 $800.00 $800.00 1.6 $160.00 $10,640.00 $640.00")));
        QVERIFY(text.at(1).contains(
            QStringLiteral("3 1/2/2003 $10,000.00 $11,000.00 $200.00 $1,000.00 0 $160.00 $10,640.00 $640.00")));
        QVERIFY(text.at(1).contains(
            QStringLiteral("4 1/2/2004 $10,000.00 $0.00 $200.00 $1,000.00 2 $160.00 $10,640.00 $640.00")));
        QVERIFY(text.at(1).contains(
            QStringLiteral("5 1/2/2005 $10,000.00 $11,500.00 $500.00 $1,500.00 2 $220.00 $11,120.00 $1,120.00")));
        QVERIFY(text.at(3).contains(QStringLiteral("No data records.")));
        QCOMPARE(app.historyBytes(), before);
    }

    // Money added part way changes an investment's original amount. The summary shows the last
    // original amount beside the last current one, so each row and the totals add up:
    // Last Current - Last Original = Profit/Loss, Current Amount AFI - Last Original = Profit/Loss AFI.
    void summaryRowsAndTotalsAddUp()
    {
        testing::AppFixture app;
        app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Bank")},
                              {QStringLiteral("Savings"), QStringLiteral("Credit Union")}});
        app.writeHistory({QStringLiteral("1,#2010-01-01#,1000,1000,0"), QStringLiteral("2,#2010-06-01#,4000,4000,0"),
                          QStringLiteral("1,#2011-01-01#,1500,1700,2"), QStringLiteral("2,#2011-06-01#,5000,5300,3"),
                          QStringLiteral("1,#2012-01-01#,1500,1800,1"), QStringLiteral("2,#2012-06-01#,6500,6900,2")});
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        QCOMPARE(render::writeReport({pdf, 0}), 3);
        // The summary table, without the returns table after it.
        const QString summary = pageTexts(pdf).value(0).section(QStringLiteral("Returns a year"), 0, 0);
        for (const char *word : {"Last Original", "Last Current", "Profit/Loss AFI", "Amount AFI"})
            QVERIFY2(summary.contains(QLatin1String(word)), word);
        QVERIFY(!summary.contains(QStringLiteral("First Original")));
        QStringList rows;
        for (const QString &line : summary.split(QLatin1Char('\n')))
            if (line.contains(QRegularExpression(QStringLiteral("^ ?[12] \\D"))) ||
                line.contains(QStringLiteral("Total,")))
                rows << line;
        QCOMPARE(rows.size(), 3);
        QList<qint64> sums(6, 0);
        for (int i = 0; i < rows.size(); ++i) {
            // Last Original, Last Current, Profit/Loss, Current Amount AFI, Profit/Loss AFI, Total Loss To Inflation
            const QList<qint64> cells = amountsOf(rows.at(i));
            QCOMPARE(cells.size(), 6);
            QCOMPARE(cells.at(1) - cells.at(0), cells.at(2));
            QCOMPARE(cells.at(3) - cells.at(0), cells.at(4));
            if (i < 2)
                for (int c = 0; c < 6; ++c)
                    sums[c] += cells.at(c);
            else
                QCOMPARE(cells, sums);
        }
        QVERIFY(rows.at(0).contains(QStringLiteral("$1,500.00 $1,800.00 $300.00")));
        QVERIFY(rows.at(1).contains(QStringLiteral("$6,500.00 $6,900.00 $400.00")));
        QVERIFY(rows.at(2).contains(QStringLiteral("$8,000.00 $8,700.00 $700.00")));
    }

    void headingsOnEveryPageOfALongHistory()
    {
        testing::AppFixture app;
        app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Bank")}});
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines << QStringLiteral("1,#%1-%2-15#,5000,%3,1.5")
                         .arg(1990 + i / 12)
                         .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                         .arg(5000 + i);
        app.writeHistory(lines);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("long.pdf"));
        const int pages = render::writeReport({pdf, 1});
        QVERIFY(pages > 3);
        const QStringList text = pageTexts(pdf);
        QCOMPARE(text.size(), pages);
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QString::number(pages));
        QList<int> seen;
        const QRegularExpression row(QStringLiteral("^ ?(\\d+) \\d+/15/\\d{4} \\$5,000\\.00 "),
                                     QRegularExpression::MultilineOption);
        // The summary's pages, then the investment's.
        int first = 1;
        while (first < text.size() && !text.at(first).contains(QStringLiteral("300 data records")))
            ++first;
        QVERIFY(first < text.size());
        for (int i = 1; i < first; ++i)
            QVERIFY(text.at(i).contains(QStringLiteral("What inflation took, year by year (continued)")));
        for (int i = first; i < text.size(); ++i) {
            QVERIFY2(text.at(i).contains(QStringLiteral("Rec Date Original Amount Current Amount Inc/Dec Profit/Loss")),
                     qPrintable(QStringLiteral("page %1").arg(i + 1)));
            QVERIFY(text.at(i).contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages)));
            if (i > first)
                QVERIFY(text.at(i).contains(QStringLiteral("Investment 1: Fund, Bank (continued)")));
            for (auto m = row.globalMatch(text.at(i)); m.hasNext();)
                seen << m.next().captured(1).toInt();
        }
        QCOMPARE(seen.size(), 300);
        for (int i = 0; i < 300; ++i)
            QCOMPARE(seen.at(i), i + 1);
    }

    void longTextsWrapNeverCut()
    {
        testing::AppFixture app;
        const QString type = QStringLiteral("Retirement savings plan with employer matching");
        const QString institution = QStringLiteral("Extraordinarily Longnamed Cooperative Institution");
        app.writeInvestments({{type, institution}});
        app.writeHistory({QStringLiteral("1,#2001-01-02#,900000000000,900000000001,2")});
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("w.pdf"));
        render::writeReport({pdf, 0});
        QString words = pdfTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        words.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
        for (const QString &word : (type + QLatin1Char(' ') + institution).split(QLatin1Char(' ')))
            QVERIFY2(words.contains(word), qPrintable(word));
        // An amount wider than its column goes on over two lines, every digit there.
        QVERIFY(words.remove(QLatin1Char(' ')).contains(QStringLiteral("$900,000,000,001.00")));
    }

    void pageSizeFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("size");
        QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << int(QPageSize::Letter);
        QTest::newRow("Canada") << QLocale(QLocale::French, QLocale::Canada) << int(QPageSize::Letter);
        QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << int(QPageSize::A4);
        QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << int(QPageSize::A4);
    }

    void pageSizeFollowsTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, size);
        QCOMPARE(int(render::pageSizeFor(locale)), size);
    }

    // Each investment's chart and records come out as in a report of that investment alone,
    // though all but the first gather their chart while the investment before is written.
    void everyInvestmentAsInItsOwnReport()
    {
        testing::AppFixture app;
        writeExample(app);
        QTemporaryDir out;
        const QString all = out.filePath(QStringLiteral("all.pdf"));
        QCOMPARE(render::writeReport({all, 0}), 4);
        const QStringList allPages = pageTexts(all);
        QCOMPARE(allPages.size(), 4);
        const auto withoutFooter = [](QString page) { return page.left(page.indexOf(QStringLiteral("Report of "))); };
        for (int investment = 1; investment <= 3; ++investment) {
            const QString one = out.filePath(QStringLiteral("one%1.pdf").arg(investment));
            QCOMPARE(render::writeReport({one, investment}), 2);
            const QStringList pages = pageTexts(one);
            QCOMPARE(pages.size(), 2);
            QCOMPARE(withoutFooter(allPages.at(investment)), withoutFooter(pages.at(1)));
        }
        // The charts are there: legend and axis labels of investment 2's amounts.
        QVERIFY(allPages.at(2).contains(QStringLiteral("Current Amount AFI")));
        QVERIFY(allPages.at(2).contains(QStringLiteral("$2,5")));
    }

    void dialogCancelledWritesNothing()
    {
        testing::AppFixture app;
        writeExample(app);
        testing::ScriptedFileChooser chooser;
        frmInvestData *main = app.startMainWindow();
        QVERIFY(main);
        main->mnuFileReport->trigger();
        ui::report::ReportDialog *dialog = ui::report::ReportDialog::instance();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(!main->isEnabled());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Report"));
        QVERIFY(dialog->optShownInvestment->isChecked());
        QCOMPARE(dialog->optShownInvestment->text(), QStringLiteral("&Shown investment (Mutual Fund, Big Bank)"));
        QCOMPARE(QFileInfo(dialog->txtReportFile->text()).fileName(),
                 QStringLiteral("Plumbline report 2026-03-14.pdf"));
        QCOMPARE(QDir::fromNativeSeparators(dialog->txtReportFile->text()), ui::report::ReportDialog::defaultPath());

        // The chooser cancelled keeps the name; then Cancel writes nothing.
        const QString before = dialog->txtReportFile->text();
        QTest::mouseClick(dialog->cmdBrowse, Qt::LeftButton);
        QCOMPARE(chooser.calls().size(), 1);
        QCOMPARE(chooser.calls().at(0).caption, QStringLiteral("Save Report As"));
        QCOMPARE(chooser.calls().at(0).suggested, before);
        QCOMPARE(dialog->txtReportFile->text(), before);
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(!ui::report::ReportDialog::instance());
        QVERIFY(main->isEnabled());
        QVERIFY(!QFileInfo::exists(QDir::fromNativeSeparators(before)));
        QVERIFY(app.boxes().calls().isEmpty());
    }

    // The dialog's default folder exists: the documents folder the desktop names (created when
    // missing, as the desktop does), else the home folder. Create with the default writes there.
    void defaultFolderExists_data()
    {
        QTest::addColumn<QByteArray>("userDirs"); // the documents line of user-dirs.dirs, none when empty
        QTest::addColumn<bool>("documentsThere");
        QTest::addColumn<QString>("expected"); // below the home folder
        QTest::newRow("nothing names one, none there") << QByteArray() << false << QString();
        QTest::newRow("nothing names one, Documents there") << QByteArray() << true << QStringLiteral("Documents");
        QTest::newRow("the desktop names a missing one")
            << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/Papers\"") << false << QStringLiteral("Papers");
        QTest::newRow("the desktop names one deeper down")
            << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/My Files/Documents/\"") << false
            << QStringLiteral("My Files/Documents");
        QTest::newRow("the desktop names home") << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/\"") << true << QString();
        QTest::newRow("the name cannot be made a folder")
            << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/taken/Documents\"") << false << QString();
    }

    void defaultFolderExists()
    {
        QFETCH(QByteArray, userDirs);
        QFETCH(bool, documentsThere);
        QFETCH(QString, expected);
        testing::AppFixture app;
        writeExample(app);
        const OwnHome home;
        if (!userDirs.isEmpty())
            QVERIFY(home.writeUserDirs(userDirs));
        if (documentsThere)
            QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
        {
            QFile taken(home.path() + QStringLiteral("/taken"));
            QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("a file, not a folder") > 0);
        }
        const QString folder = expected.isEmpty() ? home.path() : home.path() + QLatin1Char('/') + expected;

        frmInvestData *main = app.startMainWindow();
        QVERIFY(main);
        main->mnuFileReport->trigger();
        ui::report::ReportDialog *dialog = ui::report::ReportDialog::instance();
        QVERIFY(dialog);
        const QString pdf = folder + QStringLiteral("/Plumbline report 2026-03-14.pdf");
        QCOMPARE(QDir::fromNativeSeparators(dialog->txtReportFile->text()), pdf);
        QVERIFY(QFileInfo(folder).isDir());
        // A Documents folder nothing names is not made up.
        QCOMPARE(QFileInfo::exists(home.path() + QStringLiteral("/Documents")), documentsThere);
        QTest::mouseClick(dialog->cmdCreate, Qt::LeftButton);
        QTRY_VERIFY(!ui::report::ReportDialog::instance());
        QCOMPARE(app.boxes().lastCall().text,
                 QStringLiteral("The report (2 pages) was saved as\r\n") + QDir::toNativeSeparators(pdf));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("2"));
        // A name without a folder goes to the same place.
        main->mnuFileReport->trigger();
        dialog = ui::report::ReportDialog::instance();
        QVERIFY(dialog);
        dialog->txtReportFile->setText(QStringLiteral("short.pdf"));
        QTest::mouseClick(dialog->cmdCreate, Qt::LeftButton);
        QTRY_VERIFY(!ui::report::ReportDialog::instance());
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/short.pdf")));
        QVERIFY(!app.boxes().unexpectedQuestion());
    }

    // The shown investment is named as the main window shows it.
    void shownInvestmentNamed_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("institution");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both") << QStringLiteral("Savings account") << QStringLiteral("First Bank")
                              << QStringLiteral("&Shown investment (Savings account, First Bank)");
        QTest::newRow("type only") << QStringLiteral("Savings account") << QString()
                                   << QStringLiteral("&Shown investment (Savings account)");
        QTest::newRow("institution only")
            << QString() << QStringLiteral("First Bank") << QStringLiteral("&Shown investment (First Bank)");
        QTest::newRow("neither") << QString() << QString() << QStringLiteral("&Shown investment (number 1)");
        QTest::newRow("an ampersand") << QStringLiteral("R&D shares") << QStringLiteral("Smith & Sons")
                                      << QStringLiteral("&Shown investment (R&&D shares, Smith && Sons)");
    }

    void shownInvestmentNamed()
    {
        QFETCH(QString, type);
        QFETCH(QString, institution);
        QFETCH(QString, expected);
        testing::AppFixture app;
        app.writeInvestments({{type, institution}, {QStringLiteral("Other"), QStringLiteral("Elsewhere")}});
        app.writeHistory({QStringLiteral("1,#2010-01-01#,1000,1000,0")});
        frmInvestData *main = app.startMainWindow();
        QVERIFY(main);
        main->mnuFileReport->trigger();
        ui::report::ReportDialog *dialog = ui::report::ReportDialog::instance();
        QVERIFY(dialog);
        QCOMPARE(dialog->optShownInvestment->text(), expected);
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(!ui::report::ReportDialog::instance());
    }

    void dialogWritesTheChosenFile()
    {
        testing::AppFixture app;
        writeExample(app);
        testing::ScriptedFileChooser chooser;
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("chosen.pdf"));
        chooser.enqueue(pdf);
        frmInvestData *main = app.startMainWindow();
        QVERIFY(main);
        main->mnuFileReport->trigger();
        ui::report::ReportDialog *dialog = ui::report::ReportDialog::instance();
        QVERIFY(dialog);
        // On the button's circle: a radio button takes clicks on its circle and text only.
        QTest::mouseClick(dialog->optAllInvestments, Qt::LeftButton, {},
                          QPoint(8, dialog->optAllInvestments->height() / 2));
        QVERIFY(dialog->optAllInvestments->isChecked());
        QTest::mouseClick(dialog->cmdBrowse, Qt::LeftButton);
        QCOMPARE(dialog->txtReportFile->text(), QDir::toNativeSeparators(pdf));
        QTest::mouseClick(dialog->cmdCreate, Qt::LeftButton);
        QTRY_VERIFY(!ui::report::ReportDialog::instance());
        QVERIFY(main->isEnabled());
        QCOMPARE(app.boxes().calls().size(), 1);
        const platform::MessageBoxCall box = app.boxes().lastCall();
        QCOMPARE(box.text, QStringLiteral("The report (4 pages) was saved as\r\n") + QDir::toNativeSeparators(pdf));
        QCOMPARE(box.icon, MsgIcon::Information);
        QCOMPARE(box.buttons, MsgButtons::OK);
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("4"));

        // Again over the same file, only the shown investment: the question first, No keeps the file.
        const QByteArray first = [&] {
            QFile f(pdf);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        main->mnuFileReport->trigger();
        dialog = ui::report::ReportDialog::instance();
        QVERIFY(dialog);
        dialog->txtReportFile->clear();
        QTest::keyClicks(dialog->txtReportFile, pdf);
        app.boxes().enqueue(platform::MsgResult::No);
        QTest::mouseClick(dialog->cmdCreate, Qt::LeftButton);
        QCOMPARE(app.boxes().lastCall().text,
                 QDir::toNativeSeparators(pdf) + QStringLiteral(" already exists.\r\nDo you want to replace it?"));
        QCOMPARE(app.boxes().lastCall().icon, MsgIcon::Question);
        QCOMPARE(app.boxes().lastCall().buttons, MsgButtons::YesNo);
        QFile again(pdf);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), first);
        again.close();
        app.boxes().enqueue(platform::MsgResult::Yes);
        QTest::mouseClick(dialog->cmdCreate, Qt::LeftButton);
        QTRY_VERIFY(!ui::report::ReportDialog::instance());
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("2"));
        QVERIFY(!app.boxes().unexpectedQuestion());
    }

    // The chooser asks before it hands back an existing file, so the dialog does not ask again;
    // a name typed over the chosen one is asked about.
    void chooserAsksOnceAboutReplacing()
    {
        testing::AppFixture app;
        writeExample(app);
        testing::ScriptedFileChooser chooser;
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("old.pdf"));
        const QString other = out.filePath(QStringLiteral("other.pdf"));
        for (const QString &path : {pdf, other}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old report");
        }
        frmInvestData *main = app.startMainWindow();
        QVERIFY(main);
        main->mnuFileReport->trigger();
        ui::report::ReportDialog *dialog = ui::report::ReportDialog::instance();
        QVERIFY(dialog);
        chooser.enqueue(pdf);
        QTest::mouseClick(dialog->cmdBrowse, Qt::LeftButton);
        QTest::mouseClick(dialog->cmdCreate, Qt::LeftButton);
        QTRY_VERIFY(!ui::report::ReportDialog::instance());
        QCOMPARE(app.boxes().calls().size(), 1);
        QCOMPARE(app.boxes().lastCall().icon, MsgIcon::Information);
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("2"));

        main->mnuFileReport->trigger();
        dialog = ui::report::ReportDialog::instance();
        QVERIFY(dialog);
        chooser.enqueue(pdf);
        QTest::mouseClick(dialog->cmdBrowse, Qt::LeftButton);
        dialog->txtReportFile->clear();
        QTest::keyClicks(dialog->txtReportFile, other);
        app.boxes().enqueue(platform::MsgResult::No);
        QTest::mouseClick(dialog->cmdCreate, Qt::LeftButton);
        QCOMPARE(app.boxes().calls().size(), 2);
        QCOMPARE(app.boxes().lastCall().text,
                 QDir::toNativeSeparators(other) + QStringLiteral(" already exists.\r\nDo you want to replace it?"));
        QFile kept(other);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("old report"));
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(!ui::report::ReportDialog::instance());
        QVERIFY(!app.boxes().unexpectedQuestion());
    }

    void dialogShowsTheNumberedError()
    {
        testing::AppFixture app;
        writeExample(app);
        frmInvestData *main = app.startMainWindow();
        QVERIFY(main);
        QStringList damaged = History;
        damaged << QStringLiteral("1,#2006-01-02#,10000");
        app.writeHistory(damaged);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        main->mnuFileReport->trigger();
        ui::report::ReportDialog *dialog = ui::report::ReportDialog::instance();
        QVERIFY(dialog);
        dialog->txtReportFile->setText(pdf);
        QTest::mouseClick(dialog->cmdCreate, Qt::LeftButton);
        // Written by the report tool in a process of its own: its error comes back numbered.
        QTRY_COMPARE(app.boxes().lastCall().text, QStringLiteral("Error Number:62\r\nInput past end of file"));
        QCOMPARE(app.boxes().lastCall().icon, MsgIcon::None);
        QVERIFY(ui::report::ReportDialog::instance()); // the dialog stays for another try
        QVERIFY(entries(out.path()).isEmpty());
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(main->isEnabled());
    }

    void commandLine()
    {
        testing::AppFixture app;
        writeExample(app);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("one.pdf"));
        QProcess tool;
        tool.start(QStringLiteral(PLUMBLINE_REPORT_BIN),
                   {QStringLiteral("--data-dir"), app.folder().dir(), QStringLiteral("--investment"),
                    QStringLiteral("2"), QStringLiteral("--out"), pdf});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()), pdf + QStringLiteral(": 2 pages\n"));
        const QStringList text = pageTexts(pdf);
        QCOMPARE(text.size(), 2);
        QVERIFY(text.at(0).contains(QStringLiteral("Total, 1 investment 2 data records $2,500.00 $2,562.50")));

        tool.start(QStringLiteral(PLUMBLINE_REPORT_BIN),
                   {QStringLiteral("--data-dir"), app.folder().dir(), QStringLiteral("--investment"),
                    QStringLiteral("4"), QStringLiteral("--out"), pdf});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY(QString::fromUtf8(tool.readAllStandardError()).contains(QStringLiteral("there is no investment 4")));

        tool.start(QStringLiteral(PLUMBLINE_REPORT_BIN), {QStringLiteral("--version")});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()), QStringLiteral("plumbline-report 3.5\n"));
        tool.start(QStringLiteral(PLUMBLINE_REPORT_BIN), {QStringLiteral("--help")});
        QVERIFY(tool.waitForFinished(60000));
        const QString help = QString::fromUtf8(tool.readAllStandardOutput());
        for (const char *option : {"--data-dir <dir>", "--investment <n>", "--out <file>"})
            QVERIFY(help.contains(QLatin1String(option)));
        tool.start(QStringLiteral(PLUMBLINE_REPORT_BIN), {QStringLiteral("--data-dir"), app.folder().dir()});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
    }
};

QTEST_MAIN(tst_report)
#include "tst_report.moc"
