// An investment delete killed part way, its data folder then copied elsewhere, and the
// program started on the copy through the real main window: it completes the delete from
// the copy's own files, or undoes it, or, when neither pair can be had, sets both data
// files aside and says which is which; it never shows a new file beside an old one, and
// never touches the folder the copy came from.
#include "appfixture.h"
#include "datafiles.h"

#include "core/plmainmod.h"
#include "storage/datafolder.h"
#include "storage/leftovers.h"
#include "storage/transaction.h"
#include "ui/main/frminvestdata.h"

#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray History = "1,#2001-01-02#,10000,10000,0\r\n"
                           "2,#2001-06-30#,2500,2500,0\r\n"
                           "3,#2001-07-01#,700,700,0\r\n"
                           "1,#2002-01-02#,10000,10800,1.6\r\n"
                           "3,#2002-07-01#,700,750,2\r\n";
const QByteArray NewHistory = "1,#2001-01-02#,10000,10000,0\r\n"
                              "2,#2001-07-01#,700,700,0\r\n"
                              "1,#2002-01-02#,10000,10800,1.6\r\n"
                              "2,#2002-07-01#,700,750,2\r\n";

QByteArray investFile(bool afterDelete)
{
    QByteArray bytes = testing::recordBytes(1, "Mutual fund", "First Bank");
    if (!afterDelete)
        bytes += testing::recordBytes(2, "Bond", "Treasury");
    return bytes + testing::recordBytes(afterDelete ? 2 : 3, "Savings", "Credit Union");
}

QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files[path] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    return files;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_InterruptedDelete : public QObject
{
    Q_OBJECT

private slots:
    void startOnACopyOfTheFolder_data()
    {
        QTest::addColumn<int>("killedAt");    // 2: at the marker's rename, 3: between the two renames
        QTest::addColumn<QString>("copying"); // all, visible files only, all with TempHist.txt cut short
        QTest::addColumn<int>("investments"); // what the window then holds
        QTest::newRow("completed") << 3 << "all" << 2;
        QTest::newRow("undone") << 2 << "visible" << 3;
        QTest::newRow("set aside") << 3 << "cut" << 0;
    }
    void startOnACopyOfTheFolder()
    {
        QFETCH(int, killedAt);
        QFETCH(QString, copying);
        QFETCH(int, investments);
        QTemporaryDir elsewhere;
        const QString original = elsewhere.filePath(QStringLiteral("Plumbline 3.5"));
        QVERIFY(QDir().mkdir(original));
        for (const auto &[name, bytes] :
             {std::pair{storage::InvestFileName, investFile(false)}, std::pair{storage::HistFileName, History}}) {
            QFile file(QDir(original).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        QProcess child;
        child.start(QStringLiteral(REWRITE_CHILD_BIN),
                    {original, QStringLiteral("deleteinvestment"), QStringLiteral("2"), QStringLiteral("0"),
                     QStringLiteral("rename"), QString::number(killedAt)});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        testing::AppFixture app;
        const QDir copy(app.folder().dir());
        const QDir::Filters files =
            QDir::Files | (copying == QLatin1String("visible") ? QDir::Filters() : QDir::Hidden);
        for (const QString &name : QDir(original).entryList(files))
            QVERIFY(QFile::copy(QDir(original).filePath(name), copy.filePath(name)));
        if (copying == QLatin1String("cut")) {
            QFile cut(copy.filePath(storage::TempHistFileName));
            QVERIFY(cut.resize(cut.size() - 10));
        }
        const QMap<QString, QByteArray> before = snapshot(original);

        frmInvestData *w = app.startMainWindow();
        QVERIFY(w);
        QCOMPARE(snapshot(original), before);
        QCOMPARE(int(modPlMainMod::intInvestRecCount), investments);
        QVERIFY(!copy.exists(storage::CommitMarkerName));
        const QStringList recovered = copy.entryList({QStringLiteral("Recovered *")}, QDir::Dirs);

        if (investments == 2) {
            // Completed quietly from the copy's own files.
            QVERIFY(app.boxes().calls().isEmpty());
            QVERIFY(recovered.isEmpty());
            QCOMPARE(app.investBytes(), investFile(true));
            QCOMPARE(app.historyBytes(), NewHistory);
            QCOMPARE(w->txtInvestment->text().trimmed(), QStringLiteral("Mutual fund"));
            return;
        }
        QCOMPARE(recovered.size(), 1);
        const QDir aside(copy.filePath(recovered.first()));
        QCOMPARE(app.boxes().calls().size(), 1);
        const QString text = app.boxes().lastCall().text;
        QStringList lines;
        for (const QString &name : aside.entryList(QDir::Files | QDir::Hidden))
            lines.append(QStringLiteral("%1 (%2 bytes): %3")
                             .arg(name)
                             .arg(QFileInfo(aside.filePath(name)).size())
                             .arg(storage::leftoverDescription(name)));
        for (const QString &line : std::as_const(lines))
            QVERIFY2(text.contains(line), qPrintable(text));

        if (investments == 3) {
            // Nothing had been renamed: the old pair, and the user told the delete was undone.
            QCOMPARE(app.investBytes(), investFile(false));
            QCOMPARE(app.historyBytes(), History);
            QVERIFY2(text.startsWith(QStringLiteral(
                         "Plumbline 3.5 was interrupted while it deleted an investment.\r\n"
                         "The investment delete that was interrupted cannot be completed from the files in the data "
                         "folder. It had not changed \"PlumblineData\" or \"PlDataHist.txt\" yet, so it was undone: "
                         "both are as they were before it.\r\nNothing was deleted: they were moved into the folder")),
                     qPrintable(text));
            QVERIFY(text.endsWith(QStringLiteral("Plumbline 3.5 now goes on with the data files as they are.")));
        } else {
            // The new investment file beside the old history: neither is used, both are kept.
            QVERIFY(!copy.exists(storage::InvestFileName) || app.investBytes().isEmpty());
            QVERIFY(!copy.exists(storage::HistFileName));
            QCOMPARE(bytesOf(aside.filePath(storage::InvestFileName)), investFile(true));
            QCOMPARE(bytesOf(aside.filePath(storage::HistFileName)), History);
            QVERIFY2(
                text.startsWith(
                    QStringLiteral(
                        "Plumbline 3.5 was interrupted while it deleted an investment.\r\n"
                        "The investment delete that was interrupted cannot be completed from the files in the data "
                        "folder. It had already replaced \"PlumblineData\" but not \"PlDataHist.txt\", and they no "
                        "longer belong together (investments would show the records of others), so both were moved "
                        "aside with it.\r\nNothing was deleted: they were moved into the folder \"%1\":\r\n")
                        .arg(QDir::toNativeSeparators(aside.path()))),
                qPrintable(text));
            QVERIFY(text.endsWith(QStringLiteral("Plumbline 3.5 now goes on without data files. To have your data "
                                                 "back as it was, restore the data folder from a backup.")));
            QVERIFY(w->txtInvestment->text().trimmed().isEmpty());
        }

        const QString shots = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
        if (!shots.isEmpty()) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Plumbline 3.5"), text, QMessageBox::Ok);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            box.grab().save(QDir(shots).filePath(QStringLiteral("interrupted-delete-%1.png")
                                                     .arg(QTest::currentDataTag())
                                                     .replace(QLatin1Char(' '), QLatin1Char('-'))));
        }
    }
};

QTEST_MAIN(tst_InterruptedDelete)
#include "tst_interrupteddelete.moc"
