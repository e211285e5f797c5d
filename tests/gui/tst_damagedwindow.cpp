// Damaged data files met by the real main window: every pass reports the numbered
// error and the program keeps running, no command puts anything over a damaged
// history, and a truncated or undecodable investment file shows no investment where
// its records cannot be read.

#include "editingtesting.h"
#include "mainwindowtesting.h"

#include "storage/datafolder.h"
#include "storage/filetable.h"

#include <QFile>

#include <sys/stat.h>

using namespace edtest;
using namespace modPlMainMod;

namespace {

QList<QPair<QString, QString>> twoInvestments()
{
    return {{QStringLiteral("Fund"), QStringLiteral("Broker")}, {QStringLiteral("Bond"), QStringLiteral("Treasury")}};
}

// Five good lines of investment 1, two of investment 2, and `damage` after the third
// line of investment 1.
QByteArray historyWith(const QByteArray &damage)
{
    const QStringList one = mwtest::historyLines(1, 5);
    const QStringList two = mwtest::historyLines(2, 2);
    QByteArray bytes;
    for (int k = 0; k < 3; ++k)
        bytes += one.at(k).toLatin1() + "\r\n";
    bytes += damage;
    bytes += two.at(0).toLatin1() + "\r\n";
    for (int k = 3; k < 5; ++k)
        bytes += one.at(k).toLatin1() + "\r\n";
    bytes += two.at(1).toLatin1() + "\r\n";
    return bytes;
}

QByteArray garbage()
{
    QByteArray bytes;
    quint32 state = 12345;
    for (int n = 0; n < 600; ++n) {
        state = state * 1103515245u + 12345u;
        bytes += char(state >> 24);
    }
    return bytes.replace('\n', '\x01') + "\r\n";
}

// The standard error box's text for the reader's errors.
QString errorText(int number)
{
    switch (number) {
    case 6:
        return QStringLiteral("Error Number:6\r\nOverflow");
    case 13:
        return QStringLiteral("Error Number:13\r\nType mismatch");
    case 62:
        return QStringLiteral("Error Number:62\r\nInput past end of file");
    case 75:
        return QStringLiteral("Error Number:75\r\nPath/File access error");
    default:
        return QStringLiteral("unexpected error %1").arg(number);
    }
}

void writeBytes(testing::AppFixture &app, const QString &name, const QByteArray &bytes)
{
    QVERIFY(app.folder().writeBytes(name, bytes));
}

// The one box a failing pass shows: the standard error box with the number.
bool oneErrorBox(testing::AppFixture &app, int number)
{
    const QList<platform::MessageBoxCall> shown = app.boxes().takeCalls();
    QStringList seen;
    for (const platform::MessageBoxCall &call : shown)
        seen << describe(call);
    if (shown.size() == 1 && shown.first().text == errorText(number) && shown.first().buttons == MsgButtons::OK)
        return true;
    qWarning("expected the box of error %d, saw: %s", number, qPrintable(seen.join(QLatin1String(" | "))));
    return false;
}

} // namespace

class tst_DamagedWindow : public QObject
{
    Q_OBJECT

private slots:
    void damagedHistoryLine_data();
    void damagedHistoryLine();
    void hugeSingleLineIsSkippedWithoutHoldingIt();
    void noFinalLineEndIsNoDamage();
    void truncatedInvestmentFile_data();
    void truncatedInvestmentFile();
    void pipeInPlaceOfTheHistory();
};

void tst_DamagedWindow::damagedHistoryLine_data()
{
    QTest::addColumn<QByteArray>("damage");
    QTest::addColumn<int>("error");

    QTest::newRow("cut short after the original amount") << QByteArray("1,#2002-02-15#,10000\r\n") << 62;
    QTest::newRow("cut short in the date") << QByteArray("1,#2002-0\r\n") << 13;
    QTest::newRow("four fields") << QByteArray("1,#2002-02-15#,10000,10100\r\n") << 62;
    QTest::newRow("six fields") << QByteArray("1,#2002-02-15#,10000,10100,1.5,7\r\n") << 13;
    QTest::newRow("letters in an amount") << QByteArray("1,#2002-02-15#,1OOOO,10100,1.5\r\n") << 13;
    QTest::newRow("no such date") << QByteArray("1,#2002-02-30#,10000,10100,1.5\r\n") << 13;
    QTest::newRow("amount beyond the range") << QByteArray("1,#2002-02-15#,922337203685478,10100,1.5\r\n") << 6;
    QTest::newRow("investment number beyond the range") << QByteArray("40000,#2002-02-15#,10000,10100,1.5\r\n") << 6;
    QTest::newRow("binary garbage") << garbage() << 13;
    QTest::newRow("NUL bytes") << QByteArray("1,#2002-02-15#,100\0\0\0,10100,1.5\r\n", 34) << 13;
}

void tst_DamagedWindow::damagedHistoryLine()
{
    QFETCH(QByteArray, damage);
    QFETCH(int, error);

    testing::AppFixture app;
    app.writeInvestments(twoInvestments());
    const QByteArray history = historyWith(damage);
    writeBytes(app, storage::HistFileName, history);
    const QByteArray invest = app.investBytes();

    // Loading: the pass of the first page meets the damaged line.
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QVERIFY(oneErrorBox(app, error));
    QVERIFY(!app.quitRequested());
    QVERIFY(!storage::isOpen(2));
    QVERIFY(!storage::isOpen(5));
    QVERIFY(w->isEnabled());

    // Every later pass says so again and leaves the window usable.
    click(w->cmdNext);
    QVERIFY(oneErrorBox(app, error));
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    click(w->cmdPrevious);
    QVERIFY(oneErrorBox(app, error));

    // A data record command counts the investment's records in the whole history
    // first: it stops there, before anything is chosen or rewritten.
    click(w->cmdDelete);
    QVERIFY(oneErrorBox(app, error));
    QVERIFY(!w->Record->isEnabled());
    QCOMPARE(w->Record->count(), 0);
    QVERIFY(w->cmdEdit->isEnabled());
    QCOMPARE(app.historyBytes(), history);

    // So does the delete of an investment, which rewrites both files.
    app.boxes().enqueue(MsgResult::Yes);
    click(w->cmdDeleteRec);
    const QList<platform::MessageBoxCall> shown = app.boxes().takeCalls();
    QVERIFY(shown.size() >= 2);
    QCOMPARE(shown.at(1).text, errorText(error));
    QCOMPARE(app.historyBytes(), history);
    QCOMPARE(app.investBytes(), invest);
    QCOMPARE(strayFiles(app), QStringList());
    QVERIFY(frmInvestData::instance());
    QVERIFY(!app.quitRequested());

    // Mended by hand, the next pass shows every record.
    writeBytes(app, storage::HistFileName, historyWith(QByteArray()));
    click(w->cmdFirst);
    click(w->cmdNext);
    click(w->cmdPrevious);
    EXPECT_NO_BOX(app);
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 5));
    QCOMPARE(mwtest::rowTexts(w, 4), mwtest::expectedRow(mwtest::historyLines(1, 5), 5));
}

void tst_DamagedWindow::hugeSingleLineIsSkippedWithoutHoldingIt()
{
    testing::AppFixture app;
    app.writeInvestments(twoInvestments());
    {
        // Written in pieces: the test holds no 100 MB buffer either.
        QFile file(app.folder().path(storage::HistFileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray head = historyWith(QByteArray());
        file.write(head);
        const QByteArray piece(1 << 20, '7');
        for (int n = 0; n < 100; ++n)
            QCOMPARE(file.write(piece), qint64(piece.size()));
        file.write("\r\n");
        file.write(mwtest::historyLine(1, 6).toLatin1() + "\r\n");
    }
    const qint64 size = QFileInfo(app.folder().path(storage::HistFileName)).size();
    QVERIFY(size > 100 * (1 << 20));

    QElapsedTimer timer;
    timer.start();
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QVERIFY(oneErrorBox(app, 13));
    QVERIFY2(timer.elapsed() < 20000, "the over-long line took too long");
    QVERIFY(!app.quitRequested());
    QVERIFY(!storage::isOpen(2));
    QVERIFY(!storage::isOpen(5));
    // The page file holds what came before the damage, nothing of the line.
    QVERIFY(QFileInfo(app.folder().path(storage::PageFileName)).size() < 4096);
    QCOMPARE(QFileInfo(app.folder().path(storage::HistFileName)).size(), size);

    // The window goes on: the other investment is reached, with the same report.
    click(w->cmdNext);
    QVERIFY(oneErrorBox(app, 13));
    QCOMPARE(w->txtInvestment->text().trimmed(), QStringLiteral("Bond"));
}

void tst_DamagedWindow::noFinalLineEndIsNoDamage()
{
    testing::AppFixture app;
    app.writeInvestments(twoInvestments());
    QByteArray history = historyWith(QByteArray());
    history += mwtest::historyLine(1, 6).toLatin1(); // no CR LF after the last line
    writeBytes(app, storage::HistFileName, history);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    EXPECT_NO_BOX(app);
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 6));
    QCOMPARE(mwtest::rowTexts(w, 5), mwtest::expectedRow(mwtest::historyLines(1, 6), 6));
    QCOMPARE(app.historyBytes(), history);
}

void tst_DamagedWindow::truncatedInvestmentFile_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("types"); // top box of each record; empty: none shown

    const QStringList three = {QStringLiteral("Fund"), QStringLiteral("Bond"), QStringLiteral("Savings")};
    QTest::newRow("two and a half records round to even") << 2 * 102 + 51 << 2 << three.mid(0, 2);
    QTest::newRow("just under two and a half") << 2 * 102 + 50 << 2 << three.mid(0, 2);
    QTest::newRow("one and a half rounds up to two") << 102 + 51 << 2 << QStringList{three.at(0), QString()};
    QTest::newRow("one byte short of three") << 3 * 102 - 1 << 3 << QStringList{three.at(0), three.at(1), QString()};
    QTest::newRow("half a record is none") << 51 << 0 << QStringList();
}

void tst_DamagedWindow::truncatedInvestmentFile()
{
    QFETCH(int, length);
    QFETCH(int, count);
    QFETCH(QStringList, types);

    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")},
                          {QStringLiteral("Bond"), QStringLiteral("Treasury")},
                          {QStringLiteral("Savings"), QStringLiteral("Credit Union")}});
    const QByteArray cut = app.investBytes().left(length);
    writeBytes(app, storage::InvestFileName, cut);
    QStringList lines = mwtest::historyLines(1, 3) + mwtest::historyLines(2, 2);
    app.writeHistory(lines);

    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    EXPECT_NO_BOX(app);
    QCOMPARE(int(intInvestRecCount), count);
    QStringList shown;
    if (count > 0) {
        click(w->cmdFirst);
        for (int n = 1; n <= count; ++n) {
            QCOMPARE(int(intInvestRecNum), n);
            shown << w->txtInvestment->text().trimmed();
            if (w->txtInvestment->text().isEmpty()) {
                // No investment: no garbage in the top boxes.
                QVERIFY(w->lblInvestRecNum->text().isEmpty());
                QVERIFY(w->txtInstitution->text().isEmpty());
            } else {
                QCOMPARE(w->lblInvestRecNum->text(), QString::number(n));
            }
            // The grid holds the data records filed under the position, which are
            // whole whatever became of the investment's own record.
            QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, n == 1 ? 3 : n == 2 ? 2 : 0));
            if (n < count)
                click(w->cmdNext);
        }
        QVERIFY(!w->cmdNext->isEnabled());
    } else {
        QVERIFY(w->txtInvestment->text().isEmpty());
        QVERIFY(!w->cmdEditRec->isEnabled());
    }
    QCOMPARE(shown, types);
    EXPECT_NO_BOX(app);
    QCOMPARE(app.investBytes(), cut);
    QVERIFY(!app.quitRequested());
}

// A pipe where the history belongs is refused like a folder, not waited on for ever: every
// pass says so and the window stays usable.
void tst_DamagedWindow::pipeInPlaceOfTheHistory()
{
    testing::AppFixture app;
    app.writeInvestments(twoInvestments());
    const QString history = storage::programFile(storage::HistFileName);
    QCOMPARE(::mkfifo(QFile::encodeName(history).constData(), 0600), 0);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QVERIFY(oneErrorBox(app, 75));
    QVERIFY(w->isEnabled());
    click(w->cmdNext);
    QVERIFY(oneErrorBox(app, 75));
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QVERIFY(!storage::isOpen(2));
    struct stat st;
    QCOMPARE(::lstat(QFile::encodeName(history).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
}

QTEST_MAIN(tst_DamagedWindow)
#include "tst_damagedwindow.moc"
