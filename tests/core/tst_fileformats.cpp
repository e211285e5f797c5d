#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "datafiles.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/filetable.h"
#include "storage/rewrites.h"
#include "storage/textrecords.h"
#include "tempdatafolder.h"

#include <QDir>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>
#include <memory>

using namespace modPlMainMod;

namespace {

using testing::errorNumberOf;
using testing::recordBytes;

Currency cur(const char *text)
{
    Currency value;
    Currency::parse(QString::fromLatin1(text), value);
    return value;
}

void setRecord(int investment, int y, int m, int d, const char *original, const char *current, float rate)
{
    intInvestRecNum = investment;
    dtmRecDate = Date::fromYmd(y, m, d);
    curOriginalAmount = cur(original);
    curCurrentAmount = cur(current);
    sngInflRate = rate;
}

const QByteArray &kExampleHistory = testing::ExampleHistory;

} // namespace

class tst_fileformats : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testing::TempDataFolder> m_folder;

private slots:
    void init()
    {
        ResetAll();
        storage::discardAll();
        storage::faults::clear();
        m_folder = std::make_unique<testing::TempDataFolder>();
    }
    void cleanup()
    {
        storage::discardAll();
        storage::faults::clear();
        m_folder.reset();
    }

    void exampleDataSetIsWrittenByteForByte()
    {
        storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
        QCOMPARE(storage::lof(1), 0LL);
        QCOMPARE(int(storage::recordCount(storage::lof(1))), 0);
        const QStringList types{QStringLiteral("Mutual fund"), QStringLiteral("Savings account")};
        const QStringList institutions{QStringLiteral("First Bank"), QStringLiteral("Credit Union")};
        for (int n = 1; n <= 2; ++n) {
            intInvestRecNum = n;
            strInvestType = types.at(n - 1);
            strInstitution = institutions.at(n - 1);
            storage::writeInvestRecord();
            QCOMPARE(storage::lof(1), 102LL * n);
        }
        storage::close(1);

        setRecord(1, 2001, 1, 2, "10000", "10000", 0);
        storage::appendHistRecord();
        setRecord(2, 2001, 6, 30, "2500", "2500", 0);
        storage::appendHistRecord();
        setRecord(1, 2002, 1, 2, "10000", "10800", 1.6f);
        storage::appendHistRecord();
        setRecord(2, 2002, 6, 30, "2500", "2562.5", 2.1f);
        storage::appendHistRecord();

        const QByteArray invest = m_folder->readBytes(storage::InvestFileName);
        QCOMPARE(invest.size(), 204);
        QCOMPARE(invest,
                 recordBytes(1, "Mutual fund", "First Bank") + recordBytes(2, "Savings account", "Credit Union"));
        QCOMPARE(invest.left(2), QByteArray("\x01\x00", 2));
        QCOMPARE(m_folder->readBytes(storage::HistFileName), kExampleHistory);

        // And it reads back to the same values.
        storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
        QCOMPARE(int(storage::recordCount(storage::lof(1))), 2);
        QVERIFY(storage::getRecord(1, 2, InvestRec));
        QCOMPARE(int(InvestRec.RecNum), 2);
        QCOMPARE(InvestRec.InvestType.text(), QStringLiteral("Savings account").leftJustified(50));
        QCOMPARE(InvestRec.Institution.text(), QStringLiteral("Credit Union").leftJustified(50));
        storage::close(1);

        storage::open(2, storage::programFile(storage::HistFileName), storage::OpenMode::Input);
        QStringList read;
        while (!storage::eof(2)) {
            storage::inputHistRecord(2);
            read << QStringLiteral("%1|%2|%3|%4|%5")
                        .arg(int(intHistInvestNum))
                        .arg(dtmRecDate.toQDate().toString(Qt::ISODate), curOriginalAmount.toPlainString(),
                             curCurrentAmount.toPlainString(), singleToText(sngInflRate));
        }
        storage::close(2);
        QCOMPARE(read, (QStringList{"1|2001-01-02|10000|10000|0", "2|2001-06-30|2500|2500|0",
                                    "1|2002-01-02|10000|10800|1.6", "2|2002-06-30|2500|2562.5|2.1"}));
        // The data record variables hold the last line, whatever investment it is of.
        QCOMPARE(int(intHistInvestNum), 2);
    }

    void historyLineRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("example") << QByteArray("3,#2003-03-12#,2500.75,2600,0")
                                 << QByteArray("3,#2003-03-12#,2500.75,2600,0\r\n");
        QTest::newRow("negative and fractions")
            << QByteArray("12,#1999-12-31#,-300,0.0001,-1.5") << QByteArray("12,#1999-12-31#,-300,0.0001,-1.5\r\n");
        QTest::newRow("blanks and no leading zero")
            << QByteArray(" 1 , #2003-01-15# ,.5, 10 ,.25 ") << QByteArray("1,#2003-01-15#,0.5,10,0.25\r\n");
        QTest::newRow("exponent rate") << QByteArray("1,#2003-01-15#,1,1,2E-3")
                                       << QByteArray("1,#2003-01-15#,1,1,0.002\r\n");
        QTest::newRow("time of day") << QByteArray("1,#2003-01-15 12:00:00#,1,1,0")
                                     << QByteArray("1,#2003-01-15 12:00:00#,1,1,0\r\n");
    }
    void historyLineRoundTrips()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, written);
        storage::HistFields fields;
        storage::parseHistLine(line.constData(), line.constData() + line.size(), fields);
        std::string out;
        storage::formatHistLine(fields, out);
        QCOMPARE(QByteArray::fromStdString(out), written);
    }

    void damagedHistoryLines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("error");
        QTest::newRow("cut short") << QByteArray("1,#2003-01-15#,10000,10800\r\n") << 62;
        QTest::newRow("cut in a date") << QByteArray("1,#2003-01") << 13;
        QTest::newRow("only a number") << QByteArray("1\r\n") << 62;
        QTest::newRow("extra field") << QByteArray("1,#2003-01-15#,10000,10800,1.6,9\r\n") << 13;
        QTest::newRow("quoted number") << QByteArray("\"1\",#2003-01-15#,1,1,0\r\n") << 13;
        QTest::newRow("unquoted date") << QByteArray("1,2003-01-15,1,1,0\r\n") << 13;
        QTest::newRow("impossible date") << QByteArray("1,#2003-02-30#,1,1,0\r\n") << 13;
        QTest::newRow("date words") << QByteArray("1,#January 5#,1,1,0\r\n") << 13;
        QTest::newRow("letters in amount") << QByteArray("1,#2003-01-15#,12a,1,0\r\n") << 13;
        QTest::newRow("empty amount") << QByteArray("1,#2003-01-15#,,1,0\r\n") << 13;
        QTest::newRow("empty rate") << QByteArray("1,#2003-01-15#,1,1,\r\n") << 62;
        QTest::newRow("number too big for Integer") << QByteArray("40000,#2003-01-15#,1,1,0\r\n") << 6;
        QTest::newRow("amount too big") << QByteArray("1,#2003-01-15#,1e300,1,0\r\n") << 6;
        QTest::newRow("rate too big") << QByteArray("1,#2003-01-15#,1,1,1e60\r\n") << 6;
        QTest::newRow("binary garbage") << QByteArray("\x01\xff\x00\x7f,#\x80\r\n", 9) << 13;
        QTest::newRow("over-long line") << QByteArray(5000, '7') + "\r\n" << 13;
        QTest::newRow("over-long without end") << QByteArray(200000, '1') << 13;
    }
    void damagedHistoryLines()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, error);
        const QByteArray good = "1,#2001-01-02#,10000,10000,0\r\n";
        QVERIFY(m_folder->writeBytes(storage::HistFileName, good + content + good));
        int lines = 0;
        QCOMPARE(testing::readHistoryFile(storage::HistFileName, &lines), error);
        QCOMPARE(lines, 1); // the good line before it was read
        // The damaged line left the shared record as the good line set it.
        QCOMPARE(curCurrentAmount.toPlainString(), QStringLiteral("10000"));
    }

    void readerAcceptsLineEndVariants()
    {
        QVERIFY(m_folder->writeBytes(storage::HistFileName,
                                     "1,#2001-01-02#,1,1,0\n\r\n  \r\n2,#2001-01-02#,2,2,0\r\n3,#2001-01-02#,3,3,0"));
        int lines = 0;
        QCOMPARE(testing::readHistoryFile(storage::HistFileName, &lines), 0);
        QCOMPARE(lines, 3); // blank lines hold no record; the last needs no line end
        QCOMPARE(curOriginalAmount.toPlainString(), QStringLiteral("3"));
    }

    void randomMutationsNeverCrashTheReader()
    {
        const QByteArray valid =
            kExampleHistory + "3,#2003-03-12#,2500.75,2600,0\r\n12,#1999-12-31#,-300,0.0001,-1.5\r\n";
        QRandomGenerator random(20261207);
        const QByteArray alphabet = "0123456789,#-.\"eE \r\n\x00\xff";
        for (int i = 0; i < 400; ++i) {
            QByteArray mutated = valid;
            const int edits = 1 + int(random.bounded(6));
            for (int e = 0; e < edits; ++e) {
                const int at = int(random.bounded(int(mutated.size()) + 1));
                switch (random.bounded(4)) {
                case 0:
                    if (!mutated.isEmpty())
                        mutated[qMin(at, int(mutated.size()) - 1)] = alphabet.at(int(random.bounded(alphabet.size())));
                    break;
                case 1:
                    mutated.insert(at, alphabet.at(int(random.bounded(alphabet.size()))));
                    break;
                case 2:
                    mutated.remove(at, int(random.bounded(8)));
                    break;
                default:
                    mutated.truncate(at);
                    break;
                }
            }
            QVERIFY(m_folder->writeBytes(storage::HistFileName, mutated));
            const int error = testing::readHistoryFile(storage::HistFileName);
            QVERIFY2(
                error == 0 || error == 6 || error == 13 || error == 62,
                qPrintable(QStringLiteral("error %1 for %2").arg(error).arg(QString::fromLatin1(mutated.toHex()))));
            QVERIFY(!storage::isOpen(2));
        }
    }

    void fixedTextsArePaddedAndCut_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("3 characters") << "abc" << QByteArray("abc").leftJustified(50, ' ');
        QTest::newRow("50 characters") << QString(50, QLatin1Char('x')) << QByteArray(50, 'x');
        QTest::newRow("51 characters") << QString(50, QLatin1Char('x')) + QLatin1Char('Z') << QByteArray(50, 'x');
        QTest::newRow("60 characters") << QString(60, QLatin1Char('y')) << QByteArray(50, 'y');
        QTest::newRow("code page") << QStringLiteral("Caf\u00e9 \u20ac")
                                   << QByteArray("Caf\xe9 \x80").leftJustified(50, ' ');
        QTest::newRow("outside the code page")
            << QStringLiteral("\u65e5\u672c \U0001F600!") << QByteArray("?? ?!").leftJustified(50, ' ');
        QTest::newRow("empty") << QString() << QByteArray(50, ' ');
    }
    void fixedTextsArePaddedAndCut()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
        intInvestRecNum = 1;
        strInvestType = typed;
        strInstitution = typed;
        storage::writeInvestRecord();
        storage::close(1);
        const QByteArray bytes = m_folder->readBytes(storage::InvestFileName);
        QCOMPARE(bytes.size(), 102);
        QCOMPARE(bytes.mid(2, 50), stored);
        QCOMPARE(bytes.mid(52, 50), stored);

        storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
        QVERIFY(storage::getRecord(1, 1, InvestRec));
        storage::close(1);
        QCOMPARE(InvestRec.InvestType.text().size(), 50);
        if (!typed.contains(QChar(0x65e5)))
            QCOMPARE(InvestRec.InvestType.text(), typed.left(50).leftJustified(50));
    }

    void recordCountRoundsHalvesToEven_data()
    {
        QTest::addColumn<qlonglong>("length");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0LL << 0;
        QTest::newRow("half of one") << 51LL << 0;
        QTest::newRow("just over half") << 52LL << 1;
        QTest::newRow("one") << 102LL << 1;
        QTest::newRow("one and a half") << 153LL << 2;
        QTest::newRow("two") << 204LL << 2;
        QTest::newRow("two and a half") << 255LL << 2;
        QTest::newRow("three and a half") << 357LL << 4;
    }
    void recordCountRoundsHalvesToEven()
    {
        QFETCH(qlonglong, length);
        QFETCH(int, count);
        QCOMPARE(int(storage::recordCount(length)), count);
    }

    void positionsPastTheEndOrUndecodableShowNothing()
    {
        QVERIFY(m_folder->writeBytes(storage::InvestFileName, recordBytes(1, "Bond", "Bank") + recordBytes(0, "", "") +
                                                                  QByteArray(102, '\0') + QByteArray(60, 'q')));
        storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
        QCOMPARE(int(storage::recordCount(storage::lof(1))), 4); // 366 / 102 = 3.59
        QVERIFY(storage::getRecord(1, 1, InvestRec));
        for (int position : {2, 3, 4, 9}) {
            InvestRec.RecNum = 5;
            QVERIFY(!storage::getRecord(1, position, InvestRec));
            QCOMPARE(int(InvestRec.RecNum), 0);
            QCOMPARE(InvestRec.InvestType.text(), QString(50, QLatin1Char(' ')));
        }
        storage::close(1);
    }

    void fileNumberRules()
    {
        const QString missing = storage::programFile(QStringLiteral("nothing.txt"));
        QCOMPARE(errorNumberOf([&] { storage::open(2, missing, storage::OpenMode::Input); }), 53);
        QVERIFY(!storage::isOpen(2));
        QCOMPARE(errorNumberOf([] { storage::close(4); }), 0); // not open: no error
        storage::open(2, storage::programFile(QStringLiteral("a.txt")), storage::OpenMode::Output);
        QCOMPARE(errorNumberOf([] {
                     storage::open(2, storage::programFile(QStringLiteral("b.txt")), storage::OpenMode::Output);
                 }),
                 55);
        QCOMPARE(errorNumberOf([] { storage::inputHistRecord(2); }), 54); // written, not read
        storage::close(2);
        QCOMPARE(errorNumberOf([] { storage::open(6, QStringLiteral("x"), storage::OpenMode::Output); }), 52);
        QCOMPARE(errorNumberOf([] { storage::eof(3); }), 52);
        QCOMPARE(errorNumberOf([&] {
                     storage::open(3, m_folder->dir() + QStringLiteral("/no/such/folder/x"), storage::OpenMode::Random);
                 }),
                 76);
        QCOMPARE(errorNumberOf([&] { storage::kill(missing); }), 53);
        // Output empties, Append adds, Random creates.
        QVERIFY(m_folder->writeBytes(QStringLiteral("a.txt"), "old\r\n"));
        storage::open(2, storage::programFile(QStringLiteral("a.txt")), storage::OpenMode::Append);
        storage::close(2);
        QCOMPARE(m_folder->readBytes(QStringLiteral("a.txt")), QByteArray("old\r\n"));
        storage::open(2, storage::programFile(QStringLiteral("a.txt")), storage::OpenMode::Output);
        storage::close(2);
        QCOMPARE(m_folder->readBytes(QStringLiteral("a.txt")), QByteArray());
    }

    void replacingFileIsAllOrNothing_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("write") << int(storage::faults::Step::Write);
        QTest::newRow("flush") << int(storage::faults::Step::Flush);
        QTest::newRow("rename") << int(storage::faults::Step::Rename);
    }
    void replacingFileIsAllOrNothing()
    {
        QFETCH(int, step);
        QVERIFY(m_folder->writeBytes(storage::HistFileName, kExampleHistory));
        storage::open(3, storage::programFile(storage::HistFileName), storage::OpenMode::Output, true);
        setRecord(9, 2010, 1, 1, "1", "1", 0);
        intHistInvestNum = 9;
        storage::writeHistRecord(3);
        QCOMPARE(m_folder->readBytes(storage::HistFileName), kExampleHistory); // not yet in place
        storage::faults::failAt(storage::faults::Step(step), 1);
        QCOMPARE(errorNumberOf([] { storage::close(3); }), 57);
        QVERIFY(!storage::isOpen(3));
        QCOMPARE(m_folder->readBytes(storage::HistFileName), kExampleHistory);
        QCOMPARE(QDir(m_folder->dir()).entryList(QDir::Files | QDir::Hidden), QStringList{storage::HistFileName});

        // Without a failure the new file takes the old one's place.
        storage::faults::clear();
        storage::open(3, storage::programFile(storage::HistFileName), storage::OpenMode::Output, true);
        storage::writeHistRecord(3);
        storage::close(3);
        QCOMPARE(m_folder->readBytes(storage::HistFileName), QByteArray("9,#2010-01-01#,1,1,0\r\n"));
    }

    void tempDataTextsKeepQuotesAndPadding()
    {
        const QString tricky = QStringLiteral("He said \"hi\",\"there\"").leftJustified(50);
        storage::open(2, storage::programFile(storage::TempDataFileName), storage::OpenMode::Output);
        intTempRecNum = 1;
        strInvestType = tricky;
        strInstitution = QStringLiteral("\"").leftJustified(50);
        storage::writeTempDataRecord(2);
        storage::close(2);
        const QByteArray line = m_folder->readBytes(storage::TempDataFileName);
        QVERIFY(line.startsWith("1,\"He said \"hi\",\"there\""));
        QVERIFY(line.endsWith("\"\r\n"));
        strInvestType.clear();
        strInstitution.clear();
        storage::open(2, storage::programFile(storage::TempDataFileName), storage::OpenMode::Input);
        storage::inputTempDataRecord(2);
        QVERIFY(storage::eof(2));
        storage::close(2);
        QCOMPARE(int(intTempRecNum), 1);
        QCOMPARE(strInvestType, tricky);
        QCOMPARE(strInstitution, QStringLiteral("\"").leftJustified(50));
    }

    // The quick reader takes a line exactly when it is in the form the writer gives,
    // and then reads what the full reader reads.
    void quickReaderTakesOnlyTheWritersForm_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("written");
        QTest::newRow("plain") << QByteArray("3,#2003-03-12#,2500.75,2600,0") << true;
        QTest::newRow("negative figures") << QByteArray("-7,#1899-12-29#,-0.0001,-12,-0.5") << true;
        QTest::newRow("largest number") << QByteArray("32767,#9999-12-31#,0,1,6.65") << true;
        QTest::newRow("leap day") << QByteArray("1,#2024-02-29#,1,1,1") << true;
        QTest::newRow("leading zero") << QByteArray("01,#2003-03-12#,2500.75,2600,0") << false;
        QTest::newRow("trailing zero") << QByteArray("3,#2003-03-12#,2500.70,2600,0") << false;
        QTest::newRow("rate 1.0") << QByteArray("3,#2003-03-12#,2500,2600,1.0") << false;
        QTest::newRow("minus zero") << QByteArray("3,#2003-03-12#,-0,2600,0") << false;
        QTest::newRow("blank after a comma") << QByteArray("3,#2003-03-12#, 2500,2600,0") << false;
        QTest::newRow("exponent") << QByteArray("3,#2003-03-12#,2500,2600,1E-3") << false;
        QTest::newRow("time of day") << QByteArray("3,#2003-03-12 06:00:00#,2500,2600,0") << false;
        QTest::newRow("no such day") << QByteArray("3,#2003-02-29#,2500,2600,0") << false;
        QTest::newRow("number past the range") << QByteArray("32768,#2003-03-12#,2500,2600,0") << false;
        QTest::newRow("cut short") << QByteArray("3,#2003-03-12#,2500,2600") << false;
        QTest::newRow("eight whole digits") << QByteArray("3,#2003-03-12#,12345678,87654321.5,0") << true;
        QTest::newRow("fourteen whole digits")
            << QByteArray("3,#2003-03-12#,12345678901234.5678,-99999999999999.0001,0") << true;
        QTest::newRow("fifteen whole digits") << QByteArray("3,#2003-03-12#,123456789012345,1,0") << false;
        QTest::newRow("four decimals") << QByteArray("3,#2003-03-12#,0.0001,7.1234,0") << true;
        QTest::newRow("five decimals") << QByteArray("3,#2003-03-12#,1.12345,1,0") << false;
        QTest::newRow("five decimals at the end") << QByteArray("3,#2003-03-12#,1,1.12345") << false;
        QTest::newRow("trailing zero, more after") << QByteArray("3,#2003-03-12#,1.120,1,0") << false;
        QTest::newRow("colon after digits") << QByteArray("3,#2003-03-12#,12:5,1,0") << false;
        QTest::newRow("slash after digits") << QByteArray("3,#2003-03-12#,12/5,1,0") << false;
        QTest::newRow("high byte after digits") << QByteArray("3,#2003-03-12#,12\xb9"
                                                              "5,1,0")
                                                << false;
        QTest::newRow("point without decimals") << QByteArray("3,#2003-03-12#,12.,1,0") << false;
        QTest::newRow("long rate") << QByteArray("3,#2003-03-12#,1,1,-1.234567E-05") << false;
        QTest::newRow("rate with seven digits") << QByteArray("3,#2003-03-12#,1,1,-0.1234567") << true;
        QTest::newRow("short line") << QByteArray("3,#2003-03-12#,1,1,5") << true;
    }
    void quickReaderTakesOnlyTheWritersForm()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, written);
        const char *begin = line.constData();
        const char *end = begin + line.size();
        storage::HistFields quick;
        int numberLength = 0;
        QCOMPARE(storage::parseWrittenHistLine(begin, end, quick, numberLength), written);
        if (!written)
            return;
        QCOMPARE(numberLength, line.indexOf(','));
        storage::HistFields full;
        storage::parseHistLine(begin, end, full);
        std::string text;
        storage::formatHistLine(full, text);
        QCOMPARE(QByteArray::fromStdString(text), line + "\r\n");
        QCOMPARE(int(quick.investNum), int(full.investNum));
        QCOMPARE(quick.date.serial(), full.date.serial());
        QVERIFY(quick.original == full.original);
        QVERIFY(quick.current == full.current);
        QCOMPARE(quick.rate, full.rate);
    }

    // Lines the writer gives for many values, and those lines with one byte changed or
    // cut short: the quick reader takes every written line, and takes a changed line only
    // when it is still exactly what the writer gives for what the full reader reads there.
    void quickReaderAgreesWithTheWriterOnManyLines()
    {
        QRandomGenerator random(20261207);
        const auto amount = [&random]() {
            static const int64_t limits[] = {
                10, 10000, 100000000, 10000000000LL, 100000000000000LL, 999999999999999999LL};
            const int64_t units = int64_t(random.generate64() % uint64_t(limits[random.bounded(6)]));
            return Currency::fromUnits(random.bounded(4) == 0 ? -units : units);
        };
        const char changes[] = {'0', '1', '9', '/', ':', '.', '-', ',', ' ', '#', 'E', '\xb9', '\0'};
        int taken = 0, changedTaken = 0;
        for (int i = 0; i < 4000; ++i) {
            storage::HistFields fields;
            fields.investNum = int(random.bounded(65536)) - 32768;
            int y = 1900 + random.bounded(200), m = 1 + random.bounded(12), d = 1 + random.bounded(31);
            while (!Date::isValidYmd(y, m, d))
                --d;
            fields.date = Date::fromYmd(y, m, d);
            fields.original = amount();
            fields.current = amount();
            const double scales[] = {0, 0.001, 0.1, 1, 10, 1000};
            fields.rate = Single(float(random.generateDouble() * 2 - 1) * float(scales[random.bounded(6)]));
            std::string text;
            storage::formatHistLine(fields, text);
            const QByteArray line = QByteArray::fromStdString(text).chopped(2);

            storage::HistFields quick;
            int numberLength = 0;
            const bool longAmount = qAbs(fields.original.toDouble()) >= 1e14 || qAbs(fields.current.toDouble()) >= 1e14;
            const bool written =
                storage::parseWrittenHistLine(line.constData(), line.constData() + line.size(), quick, numberLength);
            if (!longAmount && line.size() - line.lastIndexOf(',') - 1 <= 16) {
                QVERIFY2(written, line.constData());
                ++taken;
                QCOMPARE(int(quick.investNum), int(fields.investNum));
                QCOMPARE(quick.date.serial(), fields.date.serial());
                QVERIFY(quick.original == fields.original);
                QVERIFY(quick.current == fields.current);
            }

            QByteArray changed = line;
            if (random.bounded(5) == 0)
                changed.truncate(random.bounded(changed.size()));
            else
                changed[random.bounded(changed.size())] = changes[random.bounded(int(sizeof changes))];
            // Held in a buffer of its exact length, so a read past its end is a read past the line.
            const std::unique_ptr<char[]> exact(new char[size_t(changed.size()) + 1]);
            std::memcpy(exact.get(), changed.constData(), size_t(changed.size()));
            if (!storage::parseWrittenHistLine(exact.get(), exact.get() + changed.size(), quick, numberLength))
                continue;
            ++changedTaken;
            storage::HistFields full;
            storage::parseHistLine(changed.constData(), changed.constData() + changed.size(), full);
            std::string again;
            storage::formatHistLine(full, again);
            QCOMPARE(QByteArray::fromStdString(again), changed + "\r\n");
            QCOMPARE(numberLength, changed.indexOf(','));
            QCOMPARE(int(quick.investNum), int(full.investNum));
            QCOMPARE(quick.date.serial(), full.date.serial());
            QVERIFY(quick.original == full.original);
            QVERIFY(quick.current == full.current);
            QCOMPARE(quick.rate, full.rate);
        }
        // Both kinds of line must have come up often enough to mean something.
        QVERIFY(taken > 3000);
        QVERIFY(changedTaken > 500);
    }
};

QTEST_GUILESS_MAIN(tst_fileformats)
#include "tst_fileformats.moc"
