// The investment delete on the file layer alone: the renumbering of the records and lines
// after the deleted investment, the last investment deleted, and a delete without a history.
#include "rewritetesting.h"

#include <QtTest>

using namespace rewritetesting;

class tst_investdelete : public QObject
{
    Q_OBJECT

private slots:
    void deletingInvestmentThreeOfFive()
    {
        Fixture f;
        QByteArray file;
        for (int n = 1; n <= 5; ++n)
            file += record(n, QStringLiteral("Type %1").arg(n), QStringLiteral("Institution %1").arg(n));
        QVERIFY(f.folder.writeBytes(Invest, file));
        QByteArray history, expected;
        for (int round = 0; round < 3; ++round) {
            for (int n = 5; n >= 1; --n) {
                const QByteArray amount = QByteArray::number(100 * n + round);
                history += line(n, 2000 + round, n, 1, amount.constData(), amount.constData(), "1.1");
                if (n != 3)
                    expected +=
                        line(n > 3 ? n - 1 : n, 2000 + round, n, 1, amount.constData(), amount.constData(), "1.1");
            }
        }
        QVERIFY(f.folder.writeBytes(Hist, history));
        f.openInvestFile();
        deleteInvestment(3);
        QVERIFY(storage::isOpen(1));
        QCOMPARE(f.folder.readBytes(Invest),
                 record(1, "Type 1", "Institution 1") + record(2, "Type 2", "Institution 2") +
                     record(3, "Type 4", "Institution 4") + record(4, "Type 5", "Institution 5"));
        QCOMPARE(storage::lof(1), 4 * 102);
        QCOMPARE(f.folder.readBytes(Hist), expected);
        QCOMPARE(f.strayFiles(), QStringList());

        // A second delete at once copies what the file holds now.
        deleteInvestment(4);
        QCOMPARE(f.folder.readBytes(Invest), record(1, "Type 1", "Institution 1") +
                                                 record(2, "Type 2", "Institution 2") +
                                                 record(3, "Type 4", "Institution 4"));
        QVERIFY(!f.folder.readBytes(Hist).contains("\n4,"));
    }

    void deletingTheOnlyInvestmentLeavesEmptyFiles()
    {
        Fixture f;
        QVERIFY(f.folder.writeBytes(Invest, record(1, "Only", "One")));
        QVERIFY(f.folder.writeBytes(Hist, line(1, 2001, 1, 1, "5", "6", "0")));
        f.openInvestFile();
        deleteInvestment(1);
        QCOMPARE(f.folder.readBytes(Invest), QByteArray());
        QCOMPARE(f.folder.readBytes(Hist), QByteArray());
        QVERIFY(f.folder.exists(Invest));
        QCOMPARE(storage::lof(1), 0);
    }

    void deletingWithoutAHistory()
    {
        Fixture f;
        QVERIFY(f.folder.writeBytes(Invest, record(1, "One", "") + record(2, "Two", "")));
        f.openInvestFile();
        intDelInvestNum = 1;
        QVERIFY(!storage::prepareInvestHist());
        QVERIFY(!f.folder.exists(Hist));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, storage::delInvestHist());
        deleteInvestment(1);
        QCOMPARE(f.folder.readBytes(Invest), record(1, "Two", ""));
        QVERIFY(!f.folder.exists(Hist));
        QCOMPARE(f.strayFiles(), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_investdelete)
#include "tst_investdelete.moc"
