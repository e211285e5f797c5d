// Start-up after an interrupted run, through the real main window: files that may hold
// the only copy of some data are moved into a "Recovered ..." folder, never deleted, and
// the user is told before anything is read; the lock file in states a crash leaves.
#include "appfixture.h"

#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/leftovers.h"
#include "ui/main/frminvestdata.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

const QByteArray HistLines = "1,#2001-01-02#,10000,10000,0\r\n1,#2002-01-02#,10000,10800,1.6\r\n";

QStringList recoveredFolders(const testing::TempDataFolder &folder)
{
    return QDir(folder.dir()).entryList({QStringLiteral("Recovered *")}, QDir::Dirs);
}

} // namespace

class tst_RecoveredFolder : public QObject
{
    Q_OBJECT

private slots:
    void onlyWorkFilesAreMovedAndTheUserIsTold_data()
    {
        QTest::addColumn<QStringList>("present");   // live files there
        QTest::addColumn<QStringList>("leftovers"); // what the interrupted run left
        QTest::newRow("history only in work files")
            << QStringList{QStringLiteral("PlumblineData")}
            << QStringList{QStringLiteral("TempHist.txt"), QStringLiteral("SuccesToHist.txt")};
        QTest::newRow("investments only in the copy-out")
            << QStringList{QStringLiteral("PlDataHist.txt")} << QStringList{QStringLiteral("TempData.txt")};
        QTest::newRow("nothing but unfinished files")
            << QStringList{}
            << QStringList{QStringLiteral("RecsDisplayed.txt"), QStringLiteral(".PlDataHist.txt.0123abcd.new")};
    }
    void onlyWorkFilesAreMovedAndTheUserIsTold()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, leftovers);
        testing::AppFixture app;
        if (present.contains(QStringLiteral("PlumblineData")))
            app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
        if (present.contains(QStringLiteral("PlDataHist.txt")))
            QVERIFY(app.folder().writeBytes(storage::HistFileName, HistLines));
        QMap<QString, QByteArray> bytes;
        for (const QString &name : leftovers) {
            bytes[name] = name == QLatin1String("TempData.txt")
                              ? "1,\"" + QByteArray("Fund").leftJustified(50) + "\",\"" +
                                    QByteArray("Broker").leftJustified(50) + "\"\r\n"
                              : HistLines + name.toLatin1();
            QVERIFY(app.folder().writeBytes(name, bytes[name]));
        }

        bool windowShown = true, investFileOpen = true;
        app.boxes().setOnShow([&](const platform::MessageBoxCall &) {
            windowShown = frmInvestData::instance() && frmInvestData::instance()->isVisible();
            investFileOpen = storage::isOpen(1);
        });
        frmInvestData *w = app.startMainWindow();
        QVERIFY(w);

        const QStringList folders = recoveredFolders(app.folder());
        QCOMPARE(folders.size(), 1);
        QVERIFY(QRegularExpression(QStringLiteral("^Recovered \\d{4}-\\d\\d-\\d\\d \\d{6}$"))
                    .match(folders.first())
                    .hasMatch());
        const QDir recovered(app.folder().path(folders.first()));
        for (const QString &name : leftovers) {
            QVERIFY2(!app.folder().exists(name), qPrintable(name));
            QFile moved(recovered.filePath(name));
            QVERIFY(moved.open(QIODevice::ReadOnly));
            QCOMPARE(moved.readAll(), bytes[name]);
        }

        // Told once, before the window showed or read anything.
        QCOMPARE(app.boxes().calls().size(), 1);
        QVERIFY(!windowShown);
        QVERIFY(!investFileOpen);
        const platform::MessageBoxCall call = app.boxes().lastCall();
        QCOMPARE(call.icon, MsgIcon::Exclamation);
        QCOMPARE(call.buttons, MsgButtons::OK);
        QCOMPARE(call.title, QStringLiteral("Plumbline 3.5"));
        QStringList lines;
        for (const QString &name : leftovers)
            lines.append(QStringLiteral("%1 (%2 bytes): %3")
                             .arg(name)
                             .arg(bytes[name].size())
                             .arg(storage::leftoverDescription(name)));
        QCOMPARE(call.text,
                 QStringLiteral("Plumbline 3.5 was interrupted while it changed its data files, and the files it left "
                                "may hold data that \"PlumblineData\" and \"PlDataHist.txt\" do not.\r\n"
                                "Nothing was deleted: they were moved into the folder \"%1\":\r\n%2\r\n"
                                "Plumbline 3.5 now goes on with the data files as they are.")
                     .arg(QDir::toNativeSeparators(recovered.path()), lines.join(QStringLiteral("\r\n"))));

        const QString shots = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
        if (!shots.isEmpty()) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Plumbline 3.5"), call.text, QMessageBox::Ok);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            box.grab().save(QDir(shots).filePath(QStringLiteral("recovered-%1.png")
                                                     .arg(QTest::currentDataTag())
                                                     .replace(QLatin1Char(' '), QLatin1Char('-'))));
        }
    }

    void leftoversBesideBothDataFilesGoQuietly()
    {
        testing::AppFixture app;
        app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
        QVERIFY(app.folder().writeBytes(storage::HistFileName, HistLines));
        for (const char *name : {"TempHist.txt", "SuccesToHist.txt", ".PlumblineData.89abcdef.new"})
            QVERIFY(app.folder().writeBytes(QString::fromLatin1(name), "partial"));
        QVERIFY(app.startMainWindow());
        QVERIFY(app.boxes().calls().isEmpty());
        QVERIFY(recoveredFolders(app.folder()).isEmpty());
        QVERIFY(!app.folder().exists(QStringLiteral("TempHist.txt")));
        QCOMPARE(app.historyBytes(), HistLines);
    }

    void emptyLockLeftByAPowerLossIsTakenOver()
    {
        testing::AppFixture app;
        app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
        QVERIFY(app.folder().writeBytes(QStringLiteral("Plumbline.lock"), QByteArray()));
        frmInvestData *w = app.startMainWindow();
        QVERIFY(w);
        QVERIFY(app.boxes().calls().isEmpty());
        QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
        QVERIFY(!app.quitRequested());
    }

    void lockThatIsAFolderIsNamedAsSuch()
    {
        testing::AppFixture app;
        app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
        QVERIFY(QDir(app.folder().dir()).mkdir(QStringLiteral("Plumbline.lock")));
        QVERIFY(!app.startMainWindow());
        QCOMPARE(app.quitCount(), 1);
        QCOMPARE(app.boxes().calls().size(), 1);
        const platform::MessageBoxCall call = app.boxes().lastCall();
        QCOMPARE(call.text, QStringLiteral("The data folder \"%1\" cannot be used: \"Plumbline.lock\" there is a "
                                           "folder, where Plumbline 3.5 keeps the file that shows it is running.\r\n"
                                           "Move or rename that folder. Plumbline 3.5 ends now.")
                                .arg(QDir::toNativeSeparators(app.folder().dir())));
        QCOMPARE(call.icon, MsgIcon::Critical);
        QCOMPARE(call.buttons, MsgButtons::OK);
        QVERIFY(QFileInfo(app.folder().path(QStringLiteral("Plumbline.lock"))).isDir());
        QVERIFY(!storage::isOpen(1));
    }
};

QTEST_MAIN(tst_RecoveredFolder)
#include "tst_recoveredfolder.moc"
