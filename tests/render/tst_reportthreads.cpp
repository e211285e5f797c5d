// The report engine's threads: a report's records are laid out on a thread of its own while the
// pages are painted, and passes of the engine may run on other threads meanwhile. Each owns
// its reader and calculations, so the pages come out as a report written alone gives them.
// Built once more under ThreadSanitizer in CI, which sees any state they would share.
#include "datafiles.h"
#include "tempdatafolder.h"

#include "platform/locale.h"
#include "render/report/reportwriter.h"
#include "storage/historypass.h"
#include "storage/recordspool.h"

#include <QDate>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

#include <atomic>
#include <map>
#include <thread>

namespace {

// Three investments whose records interleave, a record a month, long enough that the
// reading thread waits for the painting one many times.
void writeLongFolder(testing::TempDataFolder &folder, int lines)
{
    QByteArray invest;
    for (int n = 1; n <= 3; ++n)
        invest += testing::recordBytes(n, "Fund", "Bank");
    folder.writeBytes(QStringLiteral("PlumblineData"), invest);
    QByteArray history;
    for (int i = 0; i < lines; ++i)
        history += QStringLiteral("%1,#%2-%3-15#,5000,%4,%5\r\n")
                       .arg(i % 3 + 1)
                       .arg(1990 + i / 36)
                       .arg(i / 3 % 12 + 1, 2, 10, QLatin1Char('0'))
                       .arg(5000 + i % 997)
                       .arg(i % 5 == 0 ? QStringLiteral("0") : QStringLiteral("1.5"))
                       .toLatin1();
    folder.writeBytes(QStringLiteral("PlDataHist.txt"), history);
}

// Through the C library's own process start rather than QProcess: ThreadSanitizer, which
// runs this test, cannot follow the raw clone() QProcess starts its children with.
QString pdfText(const QString &pdf)
{
    const QString text = pdf + QStringLiteral(".txt");
    const QByteArray command = "pdftotext -layout '" + QFile::encodeName(pdf) + "' '" + QFile::encodeName(text) + "'";
    if (std::system(command.constData()) != 0)
        return QString();
    QFile file(text);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

std::map<int, int> recordsByInvestment(const QString &history)
{
    std::map<int, int> records;
    storage::forEachRecordOfAll(history, [&records](const RecordFigures &f) { ++records[f.investment]; });
    return records;
}

} // namespace

class tst_reportthreads : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 3, 14)); }
    void cleanup() { platform::LocaleServices::setToday(QDate()); }

    void pagesAreThoseOfAReportWrittenAlone()
    {
        testing::TempDataFolder folder;
        writeLongFolder(folder, 2400);
        QTemporaryDir out;
        const QString alone = out.filePath(QStringLiteral("alone.pdf"));
        const int pages = render::writeReport({alone, 0});
        QVERIFY(pages > 20);

        // The same report while two other threads run passes over the same history.
        const QString history = folder.path(QStringLiteral("PlDataHist.txt"));
        const std::map<int, int> expected = recordsByInvestment(history);
        std::atomic<bool> stop{false};
        std::atomic<int> passes{0}, wrong{0};
        const auto passAfterPass = [&] {
            while (!stop) {
                if (recordsByInvestment(history) != expected)
                    ++wrong;
                storage::RecordSpool spool(4096);
                storage::forEachRecordOfAll(history, [&spool](const RecordFigures &f) { spool.add(f); });
                int replayed = 0;
                spool.replay(2, [&replayed](const RecordFigures &) { ++replayed; });
                if (replayed != expected.at(2))
                    ++wrong;
                ++passes;
            }
        };
        std::thread first(passAfterPass), second(passAfterPass);
        const QString together = out.filePath(QStringLiteral("together.pdf"));
        int written = 0;
        try {
            written = render::writeReport({together, 0});
        } catch (...) {
        }
        stop = true;
        first.join();
        second.join();
        QCOMPARE(written, pages);
        QVERIFY(passes > 0);
        QCOMPARE(wrong.load(), 0);
        const QString text = pdfText(alone);
        QVERIFY(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
        QCOMPARE(pdfText(together), text);
    }
};

QTEST_MAIN(tst_reportthreads)
#include "tst_reportthreads.moc"
