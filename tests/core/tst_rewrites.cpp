// The rewrites of the investment file and the data history, on the file layer alone:
// the order of the rebuilt lines, texts holding double
// quotes, failures at every step and a process killed in the middle of a rewrite.
#include "rewritetesting.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "storage/codepage.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/filetable.h"
#include "storage/leftovers.h"
#include "storage/rewrites.h"
#include "storage/transaction.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <functional>
#include <tuple>

using namespace modPlMainMod;
using storage::faults::Step;

using namespace rewritetesting;

class tst_rewrites : public QObject
{
    Q_OBJECT

private slots:
    void appendCreatesTheHistory()
    {
        Fixture f;
        intInvestRecNum = 3;
        dtmRecDate = Date::fromYmd(2003, 3, 12);
        curOriginalAmount = Currency::fromUnits(25007500);
        curCurrentAmount = Currency::fromWhole(2600);
        sngInflRate = 0;
        storage::appendHistRecord();
        QCOMPARE(f.folder.readBytes(Hist), QByteArray("3,#2003-03-12#,2500.75,2600,0\r\n"));
        QCOMPARE(int(intHistInvestNum), 3);
        QCOMPARE(f.strayFiles(), QStringList());
    }

    void appendKeepsTheOldBytes()
    {
        Fixture f;
        // A line in a form this program would not write, and a last line without its end.
        const QByteArray old = QByteArray("1,#2001-01-02#,10000.00,10000, 0\r\n") + "2,#2001-06-30#,2500,2500,0";
        QVERIFY(f.folder.writeBytes(Hist, old));
        intInvestRecNum = 2;
        dialogValues();
        storage::appendHistRecord();
        QCOMPARE(f.folder.readBytes(Hist), old + "\r\n" + line(2, 2020, 2, 29, "777", "888", "9.5"));
        QVERIFY(historyReadable());
        QCOMPARE(f.strayFiles(), QStringList());
    }

    void splitAndRebuild_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("delete record 2 of A") << "DELETE" << 2 << (A1 + A3 + B1 + B2);
        QTest::newRow("insert after record 2 of A") << "INSERT" << 2 << (A1 + A2 + N + A3 + B1 + B2);
        QTest::newRow("edit record 3 of A") << "EDIT" << 3 << (A1 + A2 + N + B1 + B2);
        QTest::newRow("edit record 1 of A") << "EDIT" << 1 << (N + A2 + A3 + B1 + B2);
        QTest::newRow("delete record 1 of A") << "DELETE" << 1 << (A2 + A3 + B1 + B2);
        QTest::newRow("insert after record 1 of A") << "INSERT" << 1 << (A1 + N + A2 + A3 + B1 + B2);
    }
    void splitAndRebuild()
    {
        QFETCH(QString, operation);
        QFETCH(int, chosen);
        QFETCH(QByteArray, expected);
        Fixture f;
        QVERIFY(f.folder.writeBytes(Hist, A1 + B1 + A2 + B2 + A3));
        int shown = 0;
        strOperation = operation;
        intInvestRecNum = 1;
        intSelRecNum = chosen;
        storage::createTwoFiles([&] {
            ++shown;
            // The chosen record is the record in hand when the dialog is filled.
            QCOMPARE(curCurrentAmount, Currency::fromWhole(100 + 10 * chosen));
        });
        QCOMPARE(shown, operation == QLatin1String("EDIT") ? 1 : 0);
        // While the dialog is open the history is still the old one.
        QCOMPARE(f.folder.readBytes(Hist), A1 + B1 + A2 + B2 + A3);
        QVERIFY(f.folder.exists(QStringLiteral("SuccesToHist.txt")));
        QVERIFY(f.folder.exists(QStringLiteral("RecsDisplayed.txt")));
        QCOMPARE(f.folder.readBytes(QStringLiteral("SuccesToHist.txt")), B1 + B2);
        int loads = 0;
        storage::createHistFile([&] {
            ++loads;
            dialogValues();
        });
        QCOMPARE(loads, operation == QLatin1String("DELETE") ? 0 : 1);
        QCOMPARE(f.folder.readBytes(Hist), expected);
        QCOMPARE(f.strayFiles(), QStringList());
    }

    // The split takes other investments' lines across in runs; what it leaves (both work
    // files, the record in hand, or the error) is what a line-by-line split leaves.
    void splitMatchesLineByLine_data()
    {
        QTest::addColumn<QByteArray>("history");
        QTest::newRow("interleaved, many buffers") << historyOf(30000, 7);
        QTest::newRow("odd lines") << A1 + B1 + "\r\n" + "  \r\n" + B2.chopped(2) + "\n" +
                                          " 2 , #2001-02-03# , 200 , 210 , 0\r\n" + A2 +
                                          "2,#2001-02-03 06:00:00#,200,210,0\r\n" + "02,#2001-02-03#,200,210,0\r\n" +
                                          B1 + A3 + B2.chopped(2);
        QTest::newRow("other investments only") << B1 + B2 + B1;
        QTest::newRow("shown investment last") << B1 + B2 + A1;
        QTest::newRow("line ended by LF last") << B1 + A1 + B2.chopped(2) + "\n";
        QTest::newRow("damaged after a long run") << historyOf(9000, 3) + "2,#2002-13-40#,1,1,1\r\n" + A1;
        QTest::newRow("over-long line") << B1 + QByteArray(5000, '7') + "\r\n" + A1;
        QTest::newRow("number out of range") << B1 + "40000,#2001-02-03#,200,210,0\r\n" + A1;
        QTest::newRow("cut short") << B1 + B2 + "2,#2001-02-03#,200";
    }
    void splitMatchesLineByLine()
    {
        QFETCH(QByteArray, history);
        Fixture f;
        QVERIFY(f.folder.writeBytes(Hist, history));
        using Outcome = std::tuple<int, QByteArray, QByteArray, int, double, QString, QString, float>;
        const auto outcome = [&](const std::function<void()> &split, const QString &others, const QString &shown) {
            ResetAll();
            int error = 0;
            try {
                split();
            } catch (const RuntimeError &e) {
                error = e.number();
            }
            return Outcome(error, f.folder.readBytes(others), f.folder.readBytes(shown), int(intHistInvestNum),
                           dtmRecDate.serial(), curOriginalAmount.toPlainString(), curCurrentAmount.toPlainString(),
                           float(sngInflRate));
        };
        const Outcome expected = outcome(
            [] {
                storage::open(2, storage::programFile(Hist), storage::OpenMode::Input);
                storage::open(3, storage::programFile(QStringLiteral("others.txt")), storage::OpenMode::Output);
                storage::open(4, storage::programFile(QStringLiteral("shown.txt")), storage::OpenMode::Output);
                try {
                    while (!storage::eof(2)) {
                        storage::inputHistRecord(2);
                        storage::writeHistRecord(intHistInvestNum == 1 ? 4 : 3);
                    }
                } catch (...) {
                    storage::discardAll();
                    throw;
                }
                for (int n : {2, 3, 4})
                    storage::close(n);
            },
            QStringLiteral("others.txt"), QStringLiteral("shown.txt"));
        const Outcome split = outcome([] { ::split(QStringLiteral("EDIT"), 1, 2); }, QStringLiteral("SuccesToHist.txt"),
                                      QStringLiteral("RecsDisplayed.txt"));
        if (std::get<0>(expected) != 0) {
            // A damaged history stops the split and leaves no work files behind.
            QCOMPARE(std::get<0>(split), std::get<0>(expected));
            QVERIFY(!f.folder.exists(QStringLiteral("SuccesToHist.txt")));
            return;
        }
        QCOMPARE(std::get<0>(split), 0);
        QCOMPARE(std::get<1>(split), std::get<1>(expected));
        QCOMPARE(std::get<2>(split), std::get<2>(expected));
        QVERIFY(split == expected);
        QCOMPARE(f.folder.readBytes(Hist), history);
    }

    // The same for the history of an investment delete: investment 2's lines dropped, the
    // later investments' numbers one lower.
    void deleteMatchesLineByLine_data() { splitMatchesLineByLine_data(); }
    void deleteMatchesLineByLine()
    {
        QFETCH(QByteArray, history);
        Fixture f;
        QVERIFY(f.folder.writeBytes(Hist, history + line(3, 2004, 5, 6, "1", "2", "3")));
        using Outcome = std::tuple<int, QByteArray, int, double, QString, QString, float>;
        const auto outcome = [&](const std::function<void()> &pass, const QString &written) {
            ResetAll();
            intDelInvestNum = 2;
            int error = 0;
            try {
                pass();
            } catch (const RuntimeError &e) {
                error = e.number();
            }
            return Outcome(error, f.folder.readBytes(written), int(intHistInvestNum), dtmRecDate.serial(),
                           curOriginalAmount.toPlainString(), curCurrentAmount.toPlainString(), float(sngInflRate));
        };
        const Outcome expected = outcome(
            [] {
                storage::open(2, storage::programFile(Hist), storage::OpenMode::Input);
                storage::open(3, storage::programFile(QStringLiteral("renumbered.txt")), storage::OpenMode::Output);
                try {
                    while (!storage::eof(2)) {
                        storage::inputHistRecord(2);
                        if (intHistInvestNum == intDelInvestNum)
                            continue;
                        if (intHistInvestNum > intDelInvestNum)
                            intHistInvestNum = intHistInvestNum - 1;
                        storage::writeHistRecord(3);
                    }
                } catch (...) {
                    storage::discardAll();
                    throw;
                }
                storage::close(2);
                storage::close(3);
            },
            QStringLiteral("renumbered.txt"));
        const Outcome prepared = outcome([] { storage::prepareInvestHist(); }, QStringLiteral("TempHist.txt"));
        storage::dropInvestHist();
        if (std::get<0>(expected) != 0) {
            QCOMPARE(std::get<0>(prepared), std::get<0>(expected));
        } else {
            QCOMPARE(std::get<0>(prepared), 0);
            QCOMPARE(std::get<1>(prepared), std::get<1>(expected));
            QVERIFY(prepared == expected);
        }
        QCOMPARE(f.folder.readBytes(Hist), history + line(3, 2004, 5, 6, "1", "2", "3"));
        QVERIFY(!f.folder.exists(QStringLiteral("TempHist.txt")));
    }

    void deletingTheOnlyRecordOfAnInvestment()
    {
        Fixture f;
        const QByteArray c1 = line(3, 2004, 5, 6, "50", "60", "0");
        QVERIFY(f.folder.writeBytes(Hist, A1 + c1 + B1 + A2));
        split(QStringLiteral("DELETE"), 3, 1);
        storage::createHistFile({});
        QCOMPARE(f.folder.readBytes(Hist), A1 + B1 + A2);
        QCOMPARE(int(intHistCounter), 1);
        QCOMPARE(f.strayFiles(), QStringList());
    }

    void cancellingAnEditLeavesTheHistory()
    {
        Fixture f;
        const QByteArray old = A1 + B1 + A2 + B2 + A3;
        QVERIFY(f.folder.writeBytes(Hist, old));
        split(QStringLiteral("EDIT"), 1, 2);
        storage::deleteSplitFiles();
        QCOMPARE(f.folder.readBytes(Hist), old);
        QCOMPARE(f.strayFiles(), QStringList());
        storage::deleteSplitFiles(); // missing work files are no error
    }

    void leftoverWorkFilesAreDiscarded()
    {
        Fixture f;
        const QByteArray junk = line(9, 1999, 9, 9, "9", "9", "9");
        QVERIFY(f.folder.writeBytes(Hist, A1 + B1 + A2 + B2 + A3));
        QVERIFY(f.folder.writeBytes(QStringLiteral("SuccesToHist.txt"), junk));
        QVERIFY(f.folder.writeBytes(QStringLiteral("RecsDisplayed.txt"), junk));
        QVERIFY(f.folder.writeBytes(QStringLiteral("TempHist.txt"), junk));
        QVERIFY(f.folder.writeBytes(QStringLiteral("TempData.txt"), "1,\"x\",\"y\"\r\n"));
        split(QStringLiteral("DELETE"), 1, 2);
        storage::createHistFile({});
        QCOMPARE(f.folder.readBytes(Hist), A1 + A3 + B1 + B2);

        intDelInvestNum = 2;
        storage::delInvestHist();
        QCOMPARE(f.folder.readBytes(Hist), A1 + A3);

        QVERIFY(f.folder.writeBytes(Invest, record(1, "One", "Bank") + record(2, "Two", "Bank")));
        f.openInvestFile();
        intDelInvestNum = 0;
        storage::delDataRec();
        QCOMPARE(f.folder.readBytes(QStringLiteral("TempData.txt")),
                 "1,\"" + QByteArray("One").leftJustified(50) + "\",\"" + QByteArray("Bank").leftJustified(50) +
                     "\"\r\n2,\"" + QByteArray("Two").leftJustified(50) + "\",\"" +
                     QByteArray("Bank").leftJustified(50) + "\"\r\n");
        storage::close(1);
        storage::transTempToData({});
        QCOMPARE(f.folder.readBytes(Invest), record(1, "One", "Bank") + record(2, "Two", "Bank"));
        QCOMPARE(f.strayFiles(), QStringList());
    }

    void workFileCopyMatchesLineByLine()
    {
        Fixture f;
        // As the split writes it, then a blank line, a line ended by LF alone and a last
        // line without its end.
        const QByteArray work = A1 + B1 + "\r\n" + A2.chopped(2) + "\n" + B2 + A3.chopped(2);
        QVERIFY(f.folder.writeBytes(QStringLiteral("SuccesToHist.txt"), work));
        auto copyInto = [&](const QString &name, bool lineByLine) {
            storage::open(3, storage::programFile(QStringLiteral("SuccesToHist.txt")), storage::OpenMode::Input);
            storage::open(2, storage::programFile(name), storage::OpenMode::Output);
            if (lineByLine) {
                while (!storage::eof(3)) {
                    storage::inputHistRecord(3);
                    storage::writeHistRecord(2);
                }
            } else {
                storage::copyHistRecords(3, 2);
            }
            storage::close(3);
            storage::close(2);
            return std::make_tuple(f.folder.readBytes(name), int(intHistInvestNum), dtmRecDate.serial(),
                                   curOriginalAmount.toPlainString(), curCurrentAmount.toPlainString(),
                                   double(sngInflRate));
        };
        ResetAll();
        const auto expected = copyInto(QStringLiteral("one-by-one.txt"), true);
        ResetAll();
        const auto copied = copyInto(QStringLiteral("copied.txt"), false);
        QCOMPARE(std::get<0>(copied), A1 + B1 + A2 + B2 + A3);
        QVERIFY(copied == expected);
        QCOMPARE(std::get<1>(copied), 1);
        QCOMPARE(std::get<4>(copied), QStringLiteral("130"));

        // Nothing to copy leaves the shared variables alone.
        QVERIFY(f.folder.writeBytes(QStringLiteral("SuccesToHist.txt"), "\r\n"));
        const auto empty = copyInto(QStringLiteral("empty.txt"), false);
        QCOMPARE(std::get<0>(empty), QByteArray());
        QCOMPARE(std::get<4>(empty), QStringLiteral("130"));
    }

    void leftoversOfAnInterruptedRunAreRemoved()
    {
        Fixture f;
        QVERIFY(f.folder.writeBytes(Hist, A1 + B1));
        QVERIFY(f.folder.writeBytes(Invest, record(1, "One", "Bank")));
        QVERIFY(f.folder.writeBytes(QStringLiteral("PlDHTemp.txt"), A1));
        for (const char *name : {".PlDataHist.txt.0123abcd.new", ".PlumblineData.89abcdef.new", "TempHist.txt",
                                 "TempData.txt", "SuccesToHist.txt", "RecsDisplayed.txt"})
            QVERIFY(f.folder.writeBytes(QString::fromLatin1(name), "partial"));
        QVERIFY(f.folder.writeBytes(QStringLiteral("notes.txt"), "the user's own file"));
        const storage::LeftoverReport report = storage::cleanUpLeftovers();
        QVERIFY(report.recoveredFolder.isEmpty());
        QCOMPARE(f.strayFiles(), (QStringList{QStringLiteral("notes.txt"), QStringLiteral("PlDHTemp.txt")}));
        QCOMPARE(f.folder.readBytes(Hist), A1 + B1);
        QCOMPARE(f.folder.readBytes(Invest), record(1, "One", "Bank"));
    }

    void quotedTexts_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("institution");
        QTest::newRow("quote inside") << "He said \"hi\", ok"
                                      << "\"Quoted\" Bank, Inc.";
        QTest::newRow("quote comma quote") << "a\",\"b"
                                           << "\",\"";
        QTest::newRow("quote at the end of 50")
            << QString(49, QLatin1Char('x')) + QLatin1Char('"') << QLatin1Char('"') + QString(49, QLatin1Char('y'));
        QTest::newRow("only quotes") << QString(50, QLatin1Char('"')) << QString(50, QLatin1Char('"'));
        QTest::newRow("quote then blanks") << "\""
                                           << "\"  ,";
        QTest::newRow("tab and high bytes") << QStringLiteral("a\tb \u20ac \u0081\"") << QStringLiteral("\u00ff\",");
    }
    void quotedTexts()
    {
        QFETCH(QString, type);
        QFETCH(QString, institution);
        Fixture f;
        const QByteArray first = record(1, "First", "Bank");
        const QByteArray quoted = record(2, type, institution);
        const QByteArray third = record(3, "Third", "\"B\"");
        QVERIFY(f.folder.writeBytes(Invest, first + quoted + third));
        f.openInvestFile();

        // Backup: the whole file through "TempData.txt" into a copy elsewhere.
        QTemporaryDir target;
        intDelInvestNum = 0;
        storage::delDataRec();
        blnBackupMode = true;
        strInvestBackupPath = target.filePath(QStringLiteral("PlumblineData"));
        storage::transTempToData(storage::writeInvestRecord);
        storage::close(3);
        blnBackupMode = false;
        QFile copy(strInvestBackupPath);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), first + quoted + third);
        QCOMPARE(f.folder.readBytes(Invest), first + quoted + third);

        // Delete the first: the quoted record moves down byte for byte but its number.
        deleteInvestment(1);
        QCOMPARE(f.folder.readBytes(Invest), record(1, type, institution) + record(2, "Third", "\"B\""));
    }

    void failuresLeaveTheOldFiles_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("step");
        const QStringList operations = {QStringLiteral("append"),    QStringLiteral("edit"),
                                        QStringLiteral("insert"),    QStringLiteral("delete"),
                                        QStringLiteral("delinvest"), QStringLiteral("backup")};
        const char *steps[] = {"open", "write", "flush", "rename"};
        for (const QString &operation : operations) {
            for (int step = 0; step < 4; ++step)
                QTest::addRow("%s at %s", qPrintable(operation), steps[step]) << operation << step;
        }
    }
    void failuresLeaveTheOldFiles()
    {
        QFETCH(QString, operation);
        QFETCH(int, step);
        // Big enough for several buffered writes per file.
        const QByteArray oldHistory = historyOf(6000, 4);
        QByteArray oldInvest;
        for (int n = 1; n <= 4; ++n)
            oldInvest += record(n, QStringLiteral("T\"%1\"").arg(n), QStringLiteral("I,%1").arg(n));

        int failures = 0;
        for (int nth = 1;; ++nth) {
            QVERIFY2(nth < 200, "the operation never got through");
            Fixture f;
            QTemporaryDir target;
            QVERIFY(f.folder.writeBytes(Hist, oldHistory));
            QVERIFY(f.folder.writeBytes(Invest, oldInvest));
            f.openInvestFile();
            const QString backupPath = target.filePath(QStringLiteral("PlDataHist.txt"));
            storage::faults::failAt(Step(step), nth);
            bool failed = false;
            try {
                if (operation == QLatin1String("append")) {
                    intInvestRecNum = 2;
                    dialogValues();
                    storage::appendHistRecord();
                } else if (operation == QLatin1String("delinvest")) {
                    deleteInvestment(2);
                } else if (operation == QLatin1String("backup")) {
                    storage::copyHistory(backupPath);
                } else {
                    split(operation.toUpper(), 2, 3);
                    storage::createHistFile(dialogValues);
                }
            } catch (const RuntimeError &error) {
                QCOMPARE(error.number(), int(RuntimeError::DeviceIOError));
                failed = true;
            }
            storage::faults::clear();
            QVERIFY(storage::isOpen(1));
            if (!failed) {
                // Past the last time the step runs: the rewrite went through.
                QVERIFY(historyReadable());
                if (operation == QLatin1String("backup"))
                    QVERIFY(QFile::exists(backupPath));
                else if (operation == QLatin1String("delinvest"))
                    QCOMPARE(f.folder.readBytes(Invest).size(), 3 * 102);
                else
                    QVERIFY(f.folder.readBytes(Hist) != oldHistory);
                QCOMPARE(f.strayFiles(), QStringList());
                break;
            }
            ++failures;
            QString why;
            QVERIFY2(historyReadable(&why), qPrintable(why));
            QCOMPARE(f.folder.readBytes(Hist), oldHistory);
            QCOMPARE(f.folder.readBytes(Invest), oldInvest);
            QCOMPARE(storage::lof(1), oldInvest.size());
            QCOMPARE(f.strayFiles(), QStringList());
            if (operation == QLatin1String("backup"))
                QVERIFY(!QFile::exists(backupPath));
        }
        // Every step this rewrite takes was made to fail at least once.
        if (!(operation == QLatin1String("append") && step == int(Step::Write)))
            QVERIFY(failures > 0);
    }

    void damagedHistoryStopsTheSplit()
    {
        Fixture f;
        const QByteArray old = A1 + B1 + "1,#2002-13-40#,1,1,1\r\n" + A3;
        QVERIFY(f.folder.writeBytes(Hist, old));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, split(QStringLiteral("EDIT"), 1, 1));
        QCOMPARE(f.folder.readBytes(Hist), old);
        QCOMPARE(f.strayFiles(), QStringList());
        for (int n = 1; n <= storage::MaxFileNumber; ++n)
            QVERIFY(!storage::isOpen(n));
    }

    void aFailingDialogStopsTheRebuild()
    {
        Fixture f;
        const QByteArray old = A1 + B1 + A2 + B2 + A3;
        QVERIFY(f.folder.writeBytes(Hist, old));
        split(QStringLiteral("EDIT"), 1, 2);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, storage::createHistFile([] { throw RuntimeError(6); }));
        QCOMPARE(f.folder.readBytes(Hist), old);
        QCOMPARE(f.strayFiles(), QStringList());
    }

    void aRecordThatIsNotThereIsAnError_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("chosen");
        QTest::newRow("edit past the end") << "EDIT" << 4;
        QTest::newRow("insert after the last") << "INSERT" << 3;
        QTest::newRow("edit of none") << "EDIT" << 0;
    }
    void aRecordThatIsNotThereIsAnError()
    {
        QFETCH(QString, operation);
        QFETCH(int, chosen);
        Fixture f;
        const QByteArray old = A1 + B1 + A2 + B2 + A3;
        QVERIFY(f.folder.writeBytes(Hist, old));
        split(operation, 1, chosen);
        int loads = 0;
        try {
            storage::createHistFile([&] { ++loads; });
            QFAIL("the rebuild passed for done");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), int(RuntimeError::BadRecordNumber));
        }
        QCOMPARE(loads, 0);
        QCOMPARE(f.folder.readBytes(Hist), old);
        QCOMPARE(f.strayFiles(), QStringList());
    }

    void missingCopyOutKeepsTheInvestmentFile()
    {
        Fixture f;
        const QByteArray old = record(1, "One", "") + record(2, "Two", "");
        QVERIFY(f.folder.writeBytes(Invest, old));
        // No "TempData.txt": an empty file must not take the place of the old one.
        QVERIFY_THROWS_EXCEPTION(RuntimeError, storage::transTempToData({}));
        QCOMPARE(f.folder.readBytes(Invest), old);
        QVERIFY(storage::isOpen(1));
        QCOMPARE(storage::lof(1), old.size());
        QCOMPARE(f.strayFiles(), QStringList());
    }

    void countsTheRecordsOfOneInvestment()
    {
        Fixture f;
        QCOMPARE(storage::countHistRecords(1), 0);
        QVERIFY(f.folder.writeBytes(Hist, A1 + B1 + A2 + B2 + A3));
        intHistInvestNum = 7;
        curCurrentAmount = Currency::fromWhole(42);
        QCOMPARE(storage::countHistRecords(1), 3);
        QCOMPARE(storage::countHistRecords(2), 2);
        QCOMPARE(storage::countHistRecords(3), 0);
        // The data record in hand is left alone.
        QCOMPARE(int(intHistInvestNum), 7);
        QCOMPARE(curCurrentAmount, Currency::fromWhole(42));
        QVERIFY(!storage::isOpen(2));
    }

    void killedRewriteLeavesOldOrNew_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("edit") << "edit";
        QTest::newRow("delete") << "delete";
        QTest::newRow("append") << "append";
        QTest::newRow("delinvest") << "delinvest";
    }
    void killedRewriteLeavesOldOrNew()
    {
        QFETCH(QString, operation);
        Fixture f;
        const QByteArray oldHistory = historyOf(120000, 5);
        QVERIFY(f.folder.writeBytes(Hist, oldHistory));

        auto runChild = [&](int killAfterMs) {
            QProcess child;
            child.setProgram(QStringLiteral(REWRITE_CHILD_BIN));
            child.setArguments({f.folder.dir(), operation, QStringLiteral("3"), QStringLiteral("1")});
            child.start();
            if (!child.waitForStarted(10000) || !child.waitForReadyRead(10000))
                return -1;
            QElapsedTimer timer;
            timer.start();
            if (killAfterMs >= 0) {
                QTest::qSleep(killAfterMs);
                child.kill();
            }
            child.waitForFinished(60000);
            return int(timer.elapsed());
        };

        // A run to its end gives the new history and the time a rewrite takes.
        const int duration = runChild(-1);
        QVERIFY(duration >= 0);
        const QByteArray newHistory = f.folder.readBytes(Hist);
        QVERIFY(newHistory != oldHistory);
        QVERIFY(newHistory.size() > 1000000);
        QCOMPARE(f.strayFiles(), QStringList());

        int oldSeen = 0, newSeen = 0, midway = 0;
        const int runs = 16;
        for (int run = 0; run < runs; ++run) {
            QVERIFY(f.folder.writeBytes(Hist, oldHistory));
            // From the start to three times the time a rewrite takes: the last runs end on their own.
            const int delay = duration * run * 3 / runs;
            QVERIFY(runChild(delay) >= 0);
            const QByteArray now = f.folder.readBytes(Hist);
            if (now == oldHistory)
                ++oldSeen;
            else if (now == newHistory)
                ++newSeen;
            else
                QFAIL(qPrintable(QStringLiteral("run %1 (killed after %2 ms of %3) left a history of %4 bytes")
                                     .arg(run)
                                     .arg(delay)
                                     .arg(duration)
                                     .arg(now.size())));
            const QStringList left = f.strayFiles();
            if (!left.isEmpty())
                ++midway;
            for (const QString &name : left)
                QVERIFY(f.folder.remove(name));
        }
        qInfo("%s: %d ms a rewrite; %d old, %d new, %d killed part way", qPrintable(operation), duration, oldSeen,
              newSeen, midway);
        QVERIFY(oldSeen > 0);
        QVERIFY(newSeen > 0);
        QVERIFY(midway > 0);

        // What a killed run leaves behind does no harm to the next one.
        const QByteArray junk = line(3, 1999, 9, 9, "9", "9", "9");
        for (const char *name :
             {"SuccesToHist.txt", "RecsDisplayed.txt", "TempHist.txt", ".PlDataHist.txt.0badf00d.new"})
            QVERIFY(f.folder.writeBytes(QString::fromLatin1(name), junk));
        QVERIFY(f.folder.writeBytes(Hist, oldHistory));
        QVERIFY(runChild(-1) >= 0);
        QCOMPARE(f.folder.readBytes(Hist), newHistory);
    }
};

QTEST_GUILESS_MAIN(tst_rewrites)
#include "tst_rewrites.moc"
