// plumbline-gendata run as a process: the folders it writes are valid data folders
// that read through every record, the same seed always gives the same bytes, the
// lines of the investments are interleaved, the figures vary as real ones do, and it
// never writes over a folder that already holds data.
#include "core/plmainmod.h"
#include "datafiles.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "tempdatafolder.h"

#include <QtTest>

#include <map>
#include <set>

using namespace modPlMainMod;

namespace {

using Run = testing::ToolRun;

Run gendata(const QStringList &arguments)
{
    return testing::runTool(QStringLiteral(PLUMBLINE_GENDATA_BIN), arguments);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What reading the folder's history through the program's reader finds.
struct HistoryFacts
{
    int error = 0;
    long long lines = 0;
    std::map<int, long long> perInvestment;
    long long investmentChanges = 0; // consecutive lines of different investments
    long long zeroRates = 0, negativeRates = 0, zeroAmounts = 0;
    bool datesInOrder = true; // within each investment
};

HistoryFacts readHistory(const QString &folder)
{
    HistoryFacts facts;
    std::map<int, double> lastDate;
    int previous = 0;
    facts.error = testing::errorNumberOf([&] {
        storage::open(2, folder + QStringLiteral("/PlDataHist.txt"), storage::OpenMode::Input);
        while (!storage::eof(2)) {
            storage::inputHistRecord(2);
            const int invest = intHistInvestNum;
            ++facts.lines;
            ++facts.perInvestment[invest];
            if (previous != 0 && previous != invest)
                ++facts.investmentChanges;
            previous = invest;
            facts.zeroRates += sngInflRate == 0.0f;
            facts.negativeRates += sngInflRate < 0.0f;
            facts.zeroAmounts += curCurrentAmount == Currency() || curOriginalAmount == Currency();
            const auto last = lastDate.find(invest);
            if (last != lastDate.end() && dtmRecDate.serial() < last->second)
                facts.datesInOrder = false;
            lastDate[invest] = dtmRecDate.serial();
        }
        storage::close(2);
    });
    storage::discard(2);
    return facts;
}

} // namespace

class tst_GenData : public QObject
{
    Q_OBJECT

private slots:
    void writesAValidInterleavedFolder()
    {
        testing::TempDataFolder scratch;
        const QString out = scratch.dir() + QStringLiteral("/data");
        const Run run = gendata({QStringLiteral("--out"), out, QStringLiteral("--lines"), QStringLiteral("20000"),
                                 QStringLiteral("--investments"), QStringLiteral("40"), QStringLiteral("--seed"),
                                 QStringLiteral("9")});
        QVERIFY2(run.exitCode == 0, run.err.constData());

        QCOMPARE(fileBytes(out + QStringLiteral("/PlumblineData")).size(), 40 * 102);
        const HistoryFacts facts = readHistory(out);
        QCOMPARE(facts.error, 0);
        QCOMPARE(facts.lines, 20000LL);
        QCOMPARE(facts.perInvestment.size(), size_t(40));
        QCOMPARE(facts.perInvestment.begin()->first, 1);
        QCOMPARE(facts.perInvestment.rbegin()->first, 40);
        QCOMPARE(facts.perInvestment.at(1), 200LL); // the shown investment's 1%
        QVERIFY(facts.datesInOrder);
        // Years of use mix the investments' lines, not one block after another.
        QVERIFY2(facts.investmentChanges > 1000, qPrintable(QString::number(facts.investmentChanges)));
        QVERIFY(facts.zeroRates > 0);
        QVERIFY(facts.negativeRates > 0);
        QVERIFY(facts.zeroAmounts > 0);

        // Every line ends in CR LF and none is blank, as the program writes them.
        const QByteArray history = fileBytes(out + QStringLiteral("/PlDataHist.txt"));
        QVERIFY(history.endsWith("\r\n"));
        QVERIFY(!history.contains("\r\n\r\n"));
    }

    void sameSeedSameBytes()
    {
        testing::TempDataFolder scratch;
        QStringList folders;
        for (const char *seed : {"5", "5", "6"}) {
            const QString out = scratch.dir() + QStringLiteral("/run%1").arg(folders.size());
            const Run run = gendata({QStringLiteral("--out"), out, QStringLiteral("--investments"), QStringLiteral("7"),
                                     QStringLiteral("--records-per-investment"), QStringLiteral("30"),
                                     QStringLiteral("--seed"), QString::fromLatin1(seed)});
            QVERIFY2(run.exitCode == 0, run.err.constData());
            folders << out;
        }
        for (const char *name : {"/PlDataHist.txt", "/PlumblineData"}) {
            const QByteArray first = fileBytes(folders.at(0) + QLatin1String(name));
            QVERIFY(!first.isEmpty());
            QCOMPARE(fileBytes(folders.at(1) + QLatin1String(name)), first);
        }
        QVERIFY(fileBytes(folders.at(2) + QStringLiteral("/PlDataHist.txt")) !=
                fileBytes(folders.at(0) + QStringLiteral("/PlDataHist.txt")));
        const HistoryFacts facts = readHistory(folders.at(0));
        QCOMPARE(facts.error, 0);
        QCOMPARE(facts.lines, 7 * 30LL);
        for (const auto &entry : facts.perInvestment)
            QCOMPARE(entry.second, 30LL);
    }

    void neverWritesOverData()
    {
        testing::TempDataFolder folder;
        const QByteArray mine = testing::recordBytes(1, "My fund", "My bank");
        QVERIFY(folder.writeBytes(QStringLiteral("PlumblineData"), mine));
        const Run run = gendata({QStringLiteral("--out"), folder.dir(), QStringLiteral("--investments"),
                                 QStringLiteral("2"), QStringLiteral("--records-per-investment"), QStringLiteral("3")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("already holds PlumblineData"), run.err.constData());
        QCOMPARE(folder.readBytes(QStringLiteral("PlumblineData")), mine);
        QVERIFY(!folder.exists(QStringLiteral("PlDataHist.txt")));
    }

    void helpAndMistakes()
    {
        const Run help = gendata({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("--records-per-investment"));
        QVERIFY(help.out.contains("--seed"));

        const Run noOut = gendata({QStringLiteral("--investments"), QStringLiteral("2")});
        QCOMPARE(noOut.exitCode, 2);
        QVERIFY(noOut.err.contains("--out is required"));
        const Run badNumber =
            gendata({QStringLiteral("--out"), QStringLiteral("x"), QStringLiteral("--lines"), QStringLiteral("many")});
        QCOMPARE(badNumber.exitCode, 2);
        QVERIFY(badNumber.err.contains("wants a whole number"));
    }
};

QTEST_GUILESS_MAIN(tst_GenData)
#include "tst_gendata.moc"
