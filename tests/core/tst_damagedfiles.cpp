// Damaged data files at the storage level: every reader either reads a record or raises
// its numbered error, never crashes, hangs or grows without bound, and no rewrite puts
// anything over a damaged file. The inputs the fuzz targets found are kept here as
// fixed cases.
#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "datafiles.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/filetable.h"
#include "storage/rewrites.h"
#include "storage/textrecords.h"
#include "tempdatafolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

using namespace modPlMainMod;

namespace {

using testing::errorNumberOf;
using testing::recordBytes;

std::string formatted(const storage::HistFields &fields)
{
    std::string text;
    storage::formatHistLine(fields, text);
    return text;
}

storage::HistFields parsed(const QByteArray &line)
{
    storage::HistFields fields;
    storage::parseHistLine(line.constData(), line.constData() + line.size(), fields);
    return fields;
}

// Peak resident memory of this process since the last resetPeakMemory(), in KiB; -1
// where the system does not tell.
long peakMemoryKb()
{
    FILE *f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long value = -1;
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            value = std::strtol(line + 6, nullptr, 10);
    }
    std::fclose(f);
    return value;
}

bool resetPeakMemory()
{
    FILE *f = std::fopen("/proc/self/clear_refs", "w");
    if (!f)
        return false;
    const bool ok = std::fputs("5", f) >= 0;
    return std::fclose(f) == 0 && ok;
}

const QByteArray kGood = "1,#2001-01-02#,10000,10000,0\r\n";
const QByteArray &kTwoInvestments = testing::ExampleHistory;

} // namespace

class tst_damagedfiles : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testing::TempDataFolder> m_folder;

    int readHistory(int *records = nullptr) { return testing::readHistoryFile(storage::HistFileName, records); }

    // Writes a file of `size` bytes of `fill` in pieces, so the test itself stays small.
    bool writeLargeFile(const QString &name, qint64 size, char fill, const QByteArray &tail)
    {
        QFile file(m_folder->path(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        const QByteArray block(1 << 20, fill);
        for (qint64 written = 0; written < size;) {
            const qint64 n = qMin<qint64>(block.size(), size - written);
            if (file.write(block.constData(), n) != n)
                return false;
            written += n;
        }
        return file.write(tail) == tail.size();
    }

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

    // ---- Fuzz findings ----------------------------------------------------------------

    // A date before 30 December 1899 with a time of day was written one day early, and
    // for the year 100 as a year the reader refuses: the program could not read back a
    // line it had written itself.
    void earlyDateWithTimeIsWrittenAsRead_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("fuzz finding") << QByteArray("1,#0100-01-01 00:00:01#,1e3,+7,1.175494E-38")
                                      << QByteArray("1,#0100-01-01 00:00:01#,1000,7,1.175494E-38\r\n");
        QTest::newRow("day before the base")
            << QByteArray("2,#1899-12-29 06:00:00#,1,2,0") << QByteArray("2,#1899-12-29 06:00:00#,1,2,0\r\n");
        QTest::newRow("noon in 1850") << QByteArray("3,#1850-07-04 12:30:00#,1,2,0")
                                      << QByteArray("3,#1850-07-04 12:30:00#,1,2,0\r\n");
    }
    void earlyDateWithTimeIsWrittenAsRead()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, written);
        const storage::HistFields first = parsed(line);
        const std::string text = formatted(first);
        QCOMPARE(QByteArray::fromStdString(text), written);
        const storage::HistFields again = parsed(QByteArray::fromStdString(text).chopped(2));
        QCOMPARE(again.date.serial(), first.date.serial());
        int y = 0, m = 0, d = 0;
        first.date.toYmd(y, m, d);
        QCOMPARE(QStringLiteral("%1-%2-%3")
                     .arg(y, 4, 10, QLatin1Char('0'))
                     .arg(m, 2, 10, QLatin1Char('0'))
                     .arg(d, 2, 10, QLatin1Char('0')),
                 QString::fromLatin1(line.mid(line.indexOf('#') + 1, 10)));
    }

    // Two short texts whose closing quote fell exactly where a 50-character text would
    // end were read as one 50-character text and then as a cut-short line.
    void shortInvestmentTextsReadAsWritten_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("institution");
        const QByteArray institution44(44, 'x');
        QTest::newRow("closing quote at width 50")
            << QByteArray("1,\"abc\",\"" + institution44 + "\"") << QByteArray("abc") << institution44;
        QTest::newRow("fuzz finding")
            << QByteArray::fromBase64("MywiMTGdMjBACQkJCQn///8VCQkJnf/Ozs5Bnc7Ozs4iLCJ+CQkJCQkJCQkJCQkJCQnrCQkiCQ==")
            << QByteArray("11\x9d"
                          "20@\t\t\t\t\t\xff\xff\xff\x15\t\t\t\x9d\xff\xce\xce\xce"
                          "A\x9d\xce\xce\xce\xce")
            << QByteArray("~\t\t\t\t\t\t\t\t\t\t\t\t\t\t\xeb\t\t");
    }
    void shortInvestmentTextsReadAsWritten()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, institution);
        storage::TempDataFields fields;
        storage::parseTempDataLine(line.constData(), line.constData() + line.size(), fields);
        QCOMPARE(fields.investType.size(), type.size());
        QCOMPARE(fields.institution.size(), institution.size());
        std::string text;
        storage::formatTempDataLine(fields, text);
        storage::TempDataFields again;
        QCOMPARE(errorNumberOf([&] { storage::parseTempDataLine(text.data(), text.data() + text.size() - 2, again); }),
                 0);
        QCOMPARE(again.investType, fields.investType);
        QCOMPARE(again.institution, fields.institution);
    }

    // Full-width texts, the only kind the program writes, still take a quote of their own.
    void fullWidthTextsKeepTheirQuotes()
    {
        const QByteArray type = QByteArray("Say \"hi\",\"there").leftJustified(50, ' ');
        const QByteArray institution = QByteArray("Bank \"B\"").leftJustified(50, ' ');
        const QByteArray line = "2,\"" + type + "\",\"" + institution + "\"";
        storage::TempDataFields fields;
        storage::parseTempDataLine(line.constData(), line.constData() + line.size(), fields);
        QCOMPARE(fields.investType, QString::fromLatin1(type));
        QCOMPARE(fields.institution, QString::fromLatin1(institution));
        QCOMPARE(int(fields.number), 2);
    }

    // Found by the line fuzz target: a short text followed by "," can put a quote at
    // the 50th place, where the reader takes the full-width form the program writes.
    // The texts the program writes are those of a record, 50 wide, and come back whole.
    void shortTextsWrittenAtFullWidth()
    {
        const QByteArray line =
            QByteArray::fromBase64("MSwiME119HVhbCBmdW5kICAgIDgsMy40MDI4MiAgICAgICAgICAgICAgICAgILogIC8gIiwgIiwiICAg");
        storage::TempDataFields fields;
        storage::parseTempDataLine(line.constData(), line.constData() + line.size(), fields);
        QCOMPARE(fields.investType.size(), 48);
        QCOMPARE(fields.institution, QStringLiteral(","));

        fields.investType = fields.investType.leftJustified(50, QLatin1Char(' '));
        fields.institution = fields.institution.leftJustified(50, QLatin1Char(' '));
        std::string text;
        storage::formatTempDataLine(fields, text);
        storage::TempDataFields again;
        storage::parseTempDataLine(text.data(), text.data() + text.size() - 2, again);
        QCOMPARE(again.investType, fields.investType);
        QCOMPARE(again.institution, fields.institution);
    }

    // Control characters in a text of the work file: read as they stand, and what the
    // writer makes of them reads back to the same texts.
    void controlCharactersInTextsSettle()
    {
        static const char bytes[] = "3,\"s\x10\0\0\0\",\"text\"";
        const QByteArray line(bytes, sizeof bytes - 1);
        storage::TempDataFields fields;
        storage::parseTempDataLine(line.constData(), line.constData() + line.size(), fields);
        QCOMPARE(fields.investType.size(), 5);
        std::string text;
        storage::formatTempDataLine(fields, text);
        storage::TempDataFields again;
        storage::parseTempDataLine(text.data(), text.data() + text.size() - 2, again);
        std::string textAgain;
        storage::formatTempDataLine(again, textAgain);
        QCOMPARE(QByteArray::fromStdString(textAgain), QByteArray::fromStdString(text));
        QVERIFY(!QByteArray::fromStdString(text).contains('\0'));
    }

    // An investment record with a control byte in its institution (found by the record
    // fuzz target): it either decodes to texts that write back as the same 102 bytes, or
    // shows no investment.
    void recordWithControlByteWritesBackUnchanged()
    {
        QByteArray record = recordBytes(1, "Mutual fund", "First Bank");
        record[52] = '\x06';
        const QByteArray file = record + recordBytes(2, "Svis ganaccount", "").left(51);
        QVERIFY(m_folder->writeBytes(storage::InvestFileName, file));
        storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
        QCOMPARE(int(storage::recordCount(storage::lof(1))), 2); // 153 / 102 = 1.5, to even
        InvestRecord read;
        if (storage::getRecord(1, 1, read)) {
            QCOMPARE(int(read.RecNum), 1);
            QVERIFY(m_folder->writeBytes(QStringLiteral("Copy"), QByteArray()));
            storage::open(3, storage::programFile(QStringLiteral("Copy")), storage::OpenMode::Random);
            storage::putRecord(3, 1, read);
            storage::close(3);
            QCOMPARE(m_folder->readBytes(QStringLiteral("Copy")), record);
        } else {
            QCOMPARE(int(read.RecNum), 0);
            QCOMPARE(read.Institution.text(), QString(50, QLatin1Char(' ')));
        }
        QVERIFY(!storage::getRecord(1, 2, read)); // the half record
        QCOMPARE(int(read.RecNum), 0);
        storage::close(1);
    }

    // ---- Damaged history lines --------------------------------------------------------

    void cutShortLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("error");
        QTest::newRow("number only") << QByteArray("1") << 62;
        QTest::newRow("number and comma") << QByteArray("1,") << 62;
        QTest::newRow("open date") << QByteArray("1,#2003-01-1") << 13;
        QTest::newRow("date only") << QByteArray("1,#2003-01-15#") << 62;
        QTest::newRow("one amount") << QByteArray("1,#2003-01-15#,10000") << 62;
        QTest::newRow("two amounts") << QByteArray("1,#2003-01-15#,10000,10800") << 62;
        QTest::newRow("rate missing") << QByteArray("1,#2003-01-15#,10000,10800,") << 62;
        QTest::newRow("cut in a time") << QByteArray("1,#2003-01-15 10:1") << 13;
    }
    void cutShortLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, error);
        for (const QByteArray &end : {QByteArray("\r\n"), QByteArray("\n"), QByteArray()}) {
            QVERIFY(m_folder->writeBytes(storage::HistFileName, kGood + line + end));
            int records = 0;
            QCOMPARE(readHistory(&records), error);
            QCOMPARE(records, 1);
            QCOMPARE(curCurrentAmount.toPlainString(), QStringLiteral("10000")); // as the good line left it
        }
    }

    // Every cut of a valid file either reads to its end or stops with a reader error.
    void everyCutOfAFileEnds()
    {
        for (int length = 0; length <= kTwoInvestments.size(); ++length) {
            QVERIFY(m_folder->writeBytes(storage::HistFileName, kTwoInvestments.left(length)));
            int records = 0;
            const int error = readHistory(&records);
            QVERIFY2(error == 0 || error == 13 || error == 62,
                     qPrintable(QStringLiteral("length %1: error %2").arg(length).arg(error)));
            QVERIFY(records <= 4);
            QVERIFY(!storage::isOpen(2));
        }
    }

    void wrongFieldCounts_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("error");
        QTest::newRow("four fields") << QByteArray("1,#2003-01-15#,10000,10800") << 62;
        QTest::newRow("six fields") << QByteArray("1,#2003-01-15#,10000,10800,1.6,0") << 13;
        QTest::newRow("seven fields") << QByteArray("1,#2003-01-15#,1,1,1,1,1") << 13;
        QTest::newRow("empty fields") << QByteArray(",,,,") << 13;
        QTest::newRow("a work file line") << QByteArray("1,\"Mutual fund\",\"First Bank\"") << 13;
        QTest::newRow("semicolons") << QByteArray("1;#2003-01-15#;10000;10800;1.6") << 13;
    }
    void wrongFieldCounts()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, error);
        QVERIFY(m_folder->writeBytes(storage::HistFileName, kGood + line + "\r\n" + kGood));
        int records = 0;
        QCOMPARE(readHistory(&records), error);
        QCOMPARE(records, 1);
    }

    void badNumbersAndDates_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("error");
        QTest::newRow("letter number") << QByteArray("x,#2003-01-15#,1,1,1") << 13;
        QTest::newRow("decimal number") << QByteArray("1.5,#2003-01-15#,1,1,1") << 13;
        QTest::newRow("number too big") << QByteArray("99999,#2003-01-15#,1,1,1") << 6;
        QTest::newRow("very long number") << QByteArray("1" + QByteArray(300, '0') + ",#2003-01-15#,1,1,1") << 6;
        QTest::newRow("month 13") << QByteArray("1,#2003-13-01#,1,1,1") << 13;
        QTest::newRow("30 February") << QByteArray("1,#2003-02-30#,1,1,1") << 13;
        QTest::newRow("29 February, no leap year") << QByteArray("1,#1900-02-29#,1,1,1") << 13;
        QTest::newRow("year 99") << QByteArray("1,#0099-12-31#,1,1,1") << 13;
        QTest::newRow("two-digit year") << QByteArray("1,#03-01-15#,1,1,1") << 13;
        QTest::newRow("hour 24") << QByteArray("1,#2003-01-15 24:00:00#,1,1,1") << 13;
        QTest::newRow("slashes") << QByteArray("1,#2003/01/15#,1,1,1") << 13;
        QTest::newRow("two points") << QByteArray("1,#2003-01-15#,1.2.3,1,1") << 13;
        QTest::newRow("two signs") << QByteArray("1,#2003-01-15#,--1,1,1") << 13;
        QTest::newRow("thousands separator") << QByteArray("1,#2003-01-15#,\"1,000\",1,1") << 13;
        QTest::newRow("currency sign") << QByteArray("1,#2003-01-15#,$100,1,1") << 13;
        QTest::newRow("amount out of range") << QByteArray("1,#2003-01-15#,922337203685478,1,1") << 6;
        QTest::newRow("amount exponent out of range") << QByteArray("1,#2003-01-15#,1e400,1,1") << 6;
        QTest::newRow("rate out of range") << QByteArray("1,#2003-01-15#,1,1,1e39") << 6;
        QTest::newRow("rate nan") << QByteArray("1,#2003-01-15#,1,1,nan") << 13;
        QTest::newRow("rate inf") << QByteArray("1,#2003-01-15#,1,1,-inf") << 13;
        QTest::newRow("rate hex") << QByteArray("1,#2003-01-15#,1,1,0x1p3") << 13;
        QTest::newRow("rate with point only") << QByteArray("1,#2003-01-15#,1,1,.") << 13;
    }
    void badNumbersAndDates()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, error);
        QVERIFY(m_folder->writeBytes(storage::HistFileName, kGood + line + "\r\n"));
        int records = 0;
        QCOMPARE(readHistory(&records), error);
        QCOMPARE(records, 1);
    }

    // Dates are checked in full on every line, also right after a good line of a
    // neighbouring month.
    void everyDateIsChecked_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("error");
        QTest::newRow("month 17 after January of the next year")
            << QByteArray("1,#2004-01-05#,1,1,0") << QByteArray("1,#2003-17-05#,1,1,0") << 13;
        QTest::newRow("month 00") << QByteArray("1,#2004-01-05#,1,1,0") << QByteArray("1,#2004-00-05#,1,1,0") << 13;
        QTest::newRow("day 32") << QByteArray("1,#2004-01-05#,1,1,0") << QByteArray("1,#2004-01-32#,1,1,0") << 13;
        QTest::newRow("day 00") << QByteArray("1,#2004-01-05#,1,1,0") << QByteArray("1,#2004-01-00#,1,1,0") << 13;
        QTest::newRow("29 February 2003")
            << QByteArray("1,#2003-02-01#,1,1,0") << QByteArray("1,#2003-02-29#,1,1,0") << 13;
        QTest::newRow("29 February 2004")
            << QByteArray("1,#2004-02-01#,1,1,0") << QByteArray("1,#2004-02-29#,1,1,0") << 0;
        QTest::newRow("31 April") << QByteArray("1,#2004-04-30#,1,1,0") << QByteArray("1,#2004-04-31#,1,1,0") << 13;
    }
    void everyDateIsChecked()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, line);
        QFETCH(int, error);
        QVERIFY(m_folder->writeBytes(storage::HistFileName, before + "\r\n" + line + "\r\n"));
        int records = 0;
        QCOMPARE(readHistory(&records), error);
        QCOMPARE(records, error == 0 ? 2 : 1);
        if (error == 0) {
            storage::HistFields fields = parsed(line);
            QCOMPARE(dtmRecDate.serial(), fields.date.serial());
        }
    }

    void binaryGarbage()
    {
        QRandomGenerator random(6);
        for (int i = 0; i < 60; ++i) {
            QByteArray bytes(int(random.bounded(1, 9000)), Qt::Uninitialized);
            for (char &c : bytes)
                c = char(random.bounded(256));
            QVERIFY(m_folder->writeBytes(storage::HistFileName, kGood + bytes));
            QElapsedTimer timer;
            timer.start();
            // Reading on past every error the way a pass would if it went on: each read
            // takes at least one line, so the file ends.
            storage::open(2, storage::programFile(storage::HistFileName), storage::OpenMode::Input);
            int reads = 0;
            while (!storage::eof(2)) {
                QVERIFY(++reads <= bytes.size() + 1);
                const int error = errorNumberOf([] { storage::inputHistRecord(2); });
                QVERIFY2(error == 0 || error == 6 || error == 13 || error == 62, qPrintable(QString::number(error)));
            }
            storage::close(2);
            QVERIFY(timer.elapsed() < 5000);
        }
    }

    // A 100 MB line: refused with error 13 in one read, quickly, without holding the line.
    void hugeSingleLine_data()
    {
        QTest::addColumn<char>("fill");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("digits, then a good line") << '1' << QByteArray("\r\n" + kGood);
        QTest::newRow("letters, no line end") << 'A' << QByteArray();
        QTest::newRow("blanks, then a good line") << ' ' << QByteArray("x\r\n" + kGood);
    }
    void hugeSingleLine()
    {
        QFETCH(char, fill);
        QFETCH(QByteArray, tail);
        constexpr qint64 size = 100 * 1000 * 1000;
        QVERIFY(writeLargeFile(storage::HistFileName, size, fill, tail));
        const bool measured = resetPeakMemory();
        const long before = peakMemoryKb();

        QElapsedTimer timer;
        timer.start();
        storage::open(2, storage::programFile(storage::HistFileName), storage::OpenMode::Input);
        QVERIFY(!storage::eof(2));
        QCOMPARE(errorNumberOf([] { storage::inputHistRecord(2); }), 13);
        if (tail.endsWith(kGood)) {
            QVERIFY(!storage::eof(2));
            QCOMPARE(errorNumberOf([] { storage::inputHistRecord(2); }), 0);
            QCOMPARE(curCurrentAmount.toPlainString(), QStringLiteral("10000"));
        }
        QVERIFY(storage::eof(2));
        storage::close(2);
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
        if (measured && before > 0) {
            const long grown = peakMemoryKb() - before;
            QVERIFY2(grown < 16 * 1024, qPrintable(QStringLiteral("peak memory grew by %1 KiB").arg(grown)));
        }
        QVERIFY(m_folder->remove(storage::HistFileName));
    }

    void noFinalLineEnd_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("records");
        QTest::newRow("one line") << QByteArray("1,#2001-01-02#,10000,10000,0") << 1;
        QTest::newRow("after others") << kTwoInvestments + "2,#2003-06-30#,2500,2600,1.2" << 5;
        QTest::newRow("carriage return only") << QByteArray("1,#2001-01-02#,10000,10000,0\r") << 1;
        QTest::newRow("blanks after") << QByteArray("1,#2001-01-02#,10000,10000,0\r\n   ") << 1;
    }
    void noFinalLineEnd()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, records);
        QVERIFY(m_folder->writeBytes(storage::HistFileName, content));
        int read = 0;
        QCOMPARE(readHistory(&read), 0);
        QCOMPARE(read, records);
    }

    // ---- Truncated and undecodable investment files -----------------------------------

    void truncatedInvestmentFile_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("50 bytes") << 50 << 0;
        QTest::newRow("51 bytes: half, to even 0") << 51 << 0;
        QTest::newRow("52 bytes") << 52 << 1;
        QTest::newRow("101 bytes") << 101 << 1;
        QTest::newRow("102 bytes") << 102 << 1;
        QTest::newRow("152 bytes") << 152 << 1;
        QTest::newRow("153 bytes: one and a half, to even 2") << 153 << 2;
        QTest::newRow("203 bytes") << 203 << 2;
        QTest::newRow("255 bytes: two and a half, to even 2") << 255 << 2;
        QTest::newRow("256 bytes") << 256 << 3;
        QTest::newRow("306 bytes") << 306 << 3;
    }
    void truncatedInvestmentFile()
    {
        QFETCH(int, length);
        QFETCH(int, count);
        QByteArray whole;
        for (int n = 1; n <= 3; ++n)
            whole += recordBytes(n, "Bond " + QByteArray::number(n), "Bank " + QByteArray::number(n));
        QVERIFY(m_folder->writeBytes(storage::InvestFileName, whole.left(length)));
        storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
        QCOMPARE(storage::lof(1), qint64(length));
        QCOMPARE(int(storage::recordCount(storage::lof(1))), count);
        for (int n = 1; n <= count + 1; ++n) {
            InvestRecord record;
            record.InvestType = QStringLiteral("left from before");
            const bool complete = n * 102 <= length;
            QCOMPARE(storage::getRecord(1, n, record), complete);
            if (complete) {
                QCOMPARE(int(record.RecNum), n);
                QCOMPARE(record.InvestType.text(), QStringLiteral("Bond %1").arg(n).leftJustified(50));
            } else {
                QCOMPARE(int(record.RecNum), 0);
                QCOMPARE(record.InvestType.text(), QString(50, QLatin1Char(' ')));
                QCOMPARE(record.Institution.text(), QString(50, QLatin1Char(' ')));
            }
        }
        storage::close(1);
        QCOMPARE(m_folder->readBytes(storage::InvestFileName), whole.left(length)); // reading wrote nothing
    }

    void undecodableRecord_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("number 0") << recordBytes(0, "Bond", "Bank");
        QTest::newRow("negative number") << recordBytes(-3, "Bond", "Bank");
        QTest::newRow("all zero bytes") << QByteArray(102, '\0');
        QTest::newRow("zero byte in a text") << recordBytes(2, QByteArray("Bo\0nd", 5), "Bank");
        QTest::newRow("line end in a text") << recordBytes(2, "Bond", "Ba\r\nnk");
    }
    void undecodableRecord()
    {
        QFETCH(QByteArray, record);
        QVERIFY(m_folder->writeBytes(storage::InvestFileName, recordBytes(1, "Mutual fund", "First Bank") + record +
                                                                  recordBytes(3, "Savings account", "Credit Union")));
        storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
        InvestRecord read;
        read.RecNum = 9;
        read.InvestType = QStringLiteral("garbage before");
        read.Institution = QStringLiteral("garbage before");
        QVERIFY(!storage::getRecord(1, 2, read));
        QCOMPARE(int(read.RecNum), 0);
        QCOMPARE(read.InvestType.text(), QString(50, QLatin1Char(' ')));
        QCOMPARE(read.Institution.text(), QString(50, QLatin1Char(' ')));
        // The records around it read as they are.
        QVERIFY(storage::getRecord(1, 3, read));
        QCOMPARE(int(read.RecNum), 3);
        QCOMPARE(read.Institution.text().trimmed(), QStringLiteral("Credit Union"));

        // The copy-out of a delete keeps its place with blank texts.
        intDelInvestNum = 1;
        storage::delDataRec();
        const QByteArray tempData = m_folder->readBytes(storage::TempDataFileName);
        const QByteArray blank50(50, ' ');
        QCOMPARE(tempData.left(tempData.indexOf('\n') + 1), "1,\"" + blank50 + "\",\"" + blank50 + "\"\r\n");
        storage::close(1);
    }

    // ---- Nothing is written over a damaged history ------------------------------------

    void rewritesLeaveADamagedHistoryAlone_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<int>("error");
        QTest::newRow("cut short") << QByteArray("2,#2003-01-15#,1\r\n") << 62;
        QTest::newRow("bad date") << QByteArray("2,#2003-02-30#,1,1,1\r\n") << 13;
        QTest::newRow("garbage") << QByteArray("\x01\x02\xff\xfe\r\n") << 13;
        QTest::newRow("over-long line") << QByteArray(10000, '2') + "\r\n" << 13;
        QTest::newRow("number too big") << QByteArray("70000,#2003-01-15#,1,1,1\r\n") << 6;
    }
    void rewritesLeaveADamagedHistoryAlone()
    {
        QFETCH(QByteArray, damage);
        QFETCH(int, error);
        const QByteArray history = kTwoInvestments + damage + kGood;
        QVERIFY(m_folder->writeBytes(storage::HistFileName, history));
        QVERIFY(m_folder->writeBytes(storage::InvestFileName,
                                     recordBytes(1, "Mutual fund", "First Bank") + recordBytes(2, "Bond", "Bank")));

        // Edit of a record of investment 1.
        intInvestRecNum = 1;
        intSelRecNum = 1;
        strOperation = QStringLiteral("EDIT");
        QCOMPARE(errorNumberOf([] { storage::createTwoFiles([] {}); }), error);
        QCOMPARE(m_folder->readBytes(storage::HistFileName), history);
        QVERIFY(!m_folder->exists(storage::SuccesFileName));
        QVERIFY(!m_folder->exists(storage::RecsDisplayedFileName));

        // Delete of investment 2: the history rewrite stops, the history stays.
        intDelInvestNum = 2;
        QCOMPARE(errorNumberOf([] { storage::delInvestHist(); }), error);
        QCOMPARE(m_folder->readBytes(storage::HistFileName), history);
        QVERIFY(!m_folder->exists(storage::TempHistFileName));

        // Backup copy of the history.
        const QString target = m_folder->path(QStringLiteral("backup.txt"));
        QCOMPARE(errorNumberOf([&] { storage::copyHistory(target); }), error);
        QCOMPARE(m_folder->readBytes(storage::HistFileName), history);
        QVERIFY(!QFile::exists(target));
        for (int n = 1; n <= storage::MaxFileNumber; ++n)
            QVERIFY(!storage::isOpen(n));
    }

    // ---- Lines other versions may have written ----------------------------------------

    // Lines that read well but are not in the writer's own form (blanks, leading zeros,
    // trailing zeros, "+", "-0", a time of day, LF line ends) come out of a rewrite in the
    // writer's form; lines already in it come out byte for byte.
    void rewritesWriteEveryLineInTheProgramsForm()
    {
        const QByteArray odd = " 1 , #2003-01-15# , 10000 , 10800 , 1.6 \r\n"
                               "01,#2003-02-15#,010000,+10800.50,1.60\n"
                               "1,#2003-03-15 13:45:10#,.5,-0,-0\r\n"
                               "2,#2003-01-15#,2500,2500,0\r\n"
                               "2,#2003-04-15#,2500.0001,2600,2E-3\r\n"
                               "1,#2003-04-15#,1e3,7.00000,0.0100\r\n"
                               "3,#2003-05-15#,0.5,-0.25,-0.3\r\n"
                               "1,#2003-06-15#,10000,10800,1.000001\r\n"
                               "1,#2003-07-15#,10000,10800,0.00001\r\n";
        QVERIFY(m_folder->writeBytes(storage::HistFileName, odd));

        // What the writer makes of each line on its own.
        std::string expectedFirst, expectedOthers, expectedRenumbered;
        for (const QByteArray &raw : odd.split('\n')) {
            QByteArray line = raw;
            if (line.endsWith('\r'))
                line.chop(1);
            if (line.isEmpty())
                continue;
            storage::HistFields fields = parsed(line);
            if (fields.investNum == 1) {
                storage::formatHistLine(fields, expectedFirst);
            } else {
                storage::formatHistLine(fields, expectedOthers);
                fields.investNum = fields.investNum - 1;
                storage::formatHistLine(fields, expectedRenumbered);
            }
        }

        // An edit that changes nothing: investment 1 first, every line in the writer's form.
        intInvestRecNum = 1;
        intSelRecNum = 2;
        strOperation = QStringLiteral("EDIT");
        storage::createTwoFiles([] {});
        storage::createHistFile([] {});
        const QByteArray rewritten = m_folder->readBytes(storage::HistFileName);
        QCOMPARE(rewritten, QByteArray::fromStdString(expectedFirst + expectedOthers));

        // Again: the writer's form goes through unchanged.
        storage::createTwoFiles([] {});
        storage::createHistFile([] {});
        QCOMPARE(m_folder->readBytes(storage::HistFileName), rewritten);

        // Deleting investment 1 renumbers the others and keeps the rest of their lines.
        intDelInvestNum = 1;
        storage::delInvestHist();
        QCOMPARE(m_folder->readBytes(storage::HistFileName), QByteArray::fromStdString(expectedRenumbered));
    }

    // The values a pass changes are written, not the line they were read from.
    void changedValuesAreWrittenNotTheLineRead()
    {
        QVERIFY(m_folder->writeBytes(storage::HistFileName, kTwoInvestments));
        storage::open(2, storage::programFile(storage::HistFileName), storage::OpenMode::Input);
        storage::open(3, storage::programFile(storage::TempHistFileName), storage::OpenMode::Output);
        int line = 0;
        while (!storage::eof(2)) {
            storage::inputHistRecord(2);
            switch (++line) {
            case 1:
                dtmRecDate = Date::fromYmd(2001, 1, 3);
                break;
            case 2:
                curOriginalAmount = curOriginalAmount + Currency::fromUnits(1);
                break;
            case 3:
                sngInflRate = 1.7f;
                break;
            default:
                curCurrentAmount = Currency();
                break;
            }
            storage::writeHistRecord(3);
        }
        storage::close(2);
        storage::close(3);
        QCOMPARE(m_folder->readBytes(storage::TempHistFileName), QByteArray("1,#2001-01-03#,10000,10000,0\r\n"
                                                                            "2,#2001-06-30#,2500.0001,2500,0\r\n"
                                                                            "1,#2002-01-02#,10000,10800,1.7\r\n"
                                                                            "2,#2002-06-30#,2500,0,2.1\r\n"));
    }
};

QTEST_GUILESS_MAIN(tst_damagedfiles)
#include "tst_damagedfiles.moc"
