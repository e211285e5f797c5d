// The password setting is really stored, or the user is told it is not; what it
// reads back is whole; the password boxes echo stars.
#include "appfixture.h"
#include "startuptesting.h"

#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "platform/passwordhash.h"
#include "platform/settingsstore.h"
#include "storage/filetable.h"
#include "ui/forms.h"
#include "ui/main/frminvestdata.h"
#include "ui/startup/formsupport.h"
#include "ui/startup/frmenterpassword.h"
#include "ui/startup/frmpassword.h"
#include "ui/startup/frmplsplash.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <unistd.h>

using platform::MessageBoxCall;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

const QString AccessErrorText = QStringLiteral("Error Number:75\r\nPath/File access error");

using Fixture = startuptest::StartupFixture;
using startuptest::App;
using startuptest::Key;
using startuptest::Section;
using startuptest::settle;
using startuptest::typeInto;

// The real INI store for the life of the object, in the test's own settings folder.
struct RealStore
{
    platform::SettingsStore *previous = &platform::SettingsStore::instance();
    RealStore() { platform::SettingsStore::setInstance(nullptr); }
    ~RealStore() { platform::SettingsStore::setInstance(previous); }
};

// Each click here lets deferred deletions and queued work run before the next step.
void click(QAbstractButton *button)
{
    startuptest::click(button);
    settle();
}

void startProgram()
{
    frmPlSplash::Load();
    settle();
}

void checkAccessErrorBox(const MessageBoxCall &call)
{
    QCOMPARE(call.text, AccessErrorText);
    QCOMPARE(call.title, platform::AppTitle);
    QCOMPARE(call.icon, MsgIcon::None);
    QCOMPARE(call.buttons, MsgButtons::OK);
}

QString iniPath(testing::AppFixture &app)
{
    return QDir(app.folder().settingsPath()).filePath(QStringLiteral("PLUMBLINE/PLUMBLINE.ini"));
}

void writeIni(testing::AppFixture &app, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(iniPath(app)).absolutePath()));
    QFile file(iniPath(app));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

} // namespace

class tst_passwordstore : public QObject
{
    Q_OBJECT

private slots:
    void setupKeepsDialogOpenWhenStoreFails_data();
    void setupKeepsDialogOpenWhenStoreFails();
    void menuPathKeepsDialogOpenWhenStoreFails();
    void realStoreReportsWhatItCannotWrite_data();
    void realStoreReportsWhatItCannotWrite();
    void unwritableSettingsFolderThroughTheDialog();
    void handEditedValueWithCommasReadsWhole_data();
    void handEditedValueWithCommasReadsWhole();
    void legacyPasswordWithCommaOpensTheProgram();
    void passwordBoxesEchoStars();
};

void tst_passwordstore::setupKeepsDialogOpenWhenStoreFails_data()
{
    QTest::addColumn<bool>("noPassword");
    QTest::newRow("a password") << false;
    QTest::newRow("No Password") << true;
}

void tst_passwordstore::setupKeepsDialogOpenWhenStoreFails()
{
    QFETCH(bool, noPassword);
    Fixture f;
    startProgram();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    if (noPassword) {
        click(form->chkPasswordNo);
    } else {
        typeInto(form->txtPassword, QStringLiteral("kept safe"));
        typeInto(form->txtPasswordAgain, QStringLiteral("kept safe"));
    }

    f.app.settings().setFailWrites(true);
    click(form->cmdEnter);
    // One box, the standard error box; no reminder, and the program goes no further.
    QCOMPARE(f.app.boxes().calls().size(), 1);
    checkAccessErrorBox(f.app.boxes().lastCall());
    QCOMPARE(frmPassword::instance(), form);
    QVERIFY(form->isVisible());
    QCOMPARE(frmInvestData::instance(), nullptr);
    QCOMPARE(f.stored(), QStringLiteral("<absent>"));
    QCOMPARE(f.app.settings().failedWrites(), 1);
    // What the user typed or ticked is still there for another try.
    QCOMPARE(form->chkPasswordNo->isChecked(), noPassword);
    QCOMPARE(form->txtPassword->text(), noPassword ? QString() : QStringLiteral("kept safe"));

    // The store works again: the same click goes through.
    f.app.settings().setFailWrites(false);
    f.app.boxes().clear();
    click(form->cmdEnter);
    QCOMPARE(frmPassword::instance(), nullptr);
    QVERIFY(frmInvestData::instance());
    if (noPassword) {
        QCOMPARE(f.stored(), QStringLiteral("void417"));
        QCOMPARE(f.app.boxes().calls().size(), 0);
    } else {
        QVERIFY(platform::passwordhash::matches(f.stored(), QStringLiteral("kept safe")));
        QCOMPARE(f.app.boxes().lastCall().text,
                 QStringLiteral("Please write your password down and keep\r\nit in a safe place."));
    }
}

void tst_passwordstore::menuPathKeepsDialogOpenWhenStoreFails()
{
    Fixture f;
    f.app.settings().saveSetting(App, Section, Key, QStringLiteral("void417"));
    startProgram();
    frmInvestData *main = f.app.startMainWindow();
    QVERIFY(main);

    main->mnuFilePassword->trigger();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    QVERIFY(!main->isVisible());
    f.app.settings().setFailWrites(true);

    // Enter with a new password.
    typeInto(form->txtPassword, QStringLiteral("new one"));
    typeInto(form->txtPasswordAgain, QStringLiteral("new one"));
    click(form->cmdEnter);
    QCOMPARE(f.app.boxes().calls().size(), 1);
    checkAccessErrorBox(f.app.boxes().lastCall());
    QCOMPARE(frmPassword::instance(), form);
    QVERIFY(!main->isVisible());

    // Cancel with "No Password" ticked writes too, and fails the same way.
    click(form->chkPasswordNo);
    click(form->cmdCancel);
    QCOMPARE(f.app.boxes().calls().size(), 2);
    checkAccessErrorBox(f.app.boxes().lastCall());
    QCOMPARE(frmPassword::instance(), form);
    QVERIFY(!main->isVisible());
    QCOMPARE(f.stored(), QStringLiteral("void417"));
    QCOMPARE(f.app.settings().failedWrites(), 2);

    // Cancel without "No Password" writes nothing, so nothing can fail.
    click(form->chkPasswordNo);
    click(form->cmdCancel);
    QCOMPARE(f.app.boxes().calls().size(), 2);
    QCOMPARE(frmPassword::instance(), nullptr);
    QVERIFY(main->isVisible());
    QCOMPARE(f.app.settings().failedWrites(), 2);
}

void tst_passwordstore::realStoreReportsWhatItCannotWrite_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("settings folder is a file") << QStringLiteral("folder-is-file");
    QTest::newRow("settings file is a folder") << QStringLiteral("file-is-folder");
    QTest::newRow("settings file links into a missing folder") << QStringLiteral("dangling-link");
    QTest::newRow("settings file read-only") << QStringLiteral("read-only-file");
    QTest::newRow("settings folder read-only") << QStringLiteral("read-only-folder");
}

void tst_passwordstore::realStoreReportsWhatItCannotWrite()
{
    QFETCH(QString, damage);
    Fixture f;
    RealStore real;
    const QString folder = QFileInfo(iniPath(f.app)).absolutePath();
    const QString ini = iniPath(f.app);
    const bool root = ::geteuid() == 0;
    if (damage == QLatin1String("folder-is-file")) {
        QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else if (damage == QLatin1String("file-is-folder")) {
        QVERIFY(QDir().mkpath(ini));
    } else if (damage == QLatin1String("dangling-link")) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::link(folder + QStringLiteral("/gone/PLUMBLINE.ini"), ini));
    } else {
        writeIni(f.app, "[STARTUP]\ntxtPasswordPL35=void417\n");
        const QString target = damage == QLatin1String("read-only-file") ? ini : folder;
        const QFile::Permissions readOnly = damage == QLatin1String("read-only-file")
                                                ? QFile::ReadOwner | QFile::ReadUser
                                                : QFile::ReadOwner | QFile::ReadUser | QFile::ExeOwner | QFile::ExeUser;
        QVERIFY(QFile::setPermissions(target, readOnly));
        if (root) {
            // The administrator writes through permissions: only the reading is checked.
            QCOMPARE(platform::passwordhash::readSetting(), QStringLiteral("void417"));
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            return;
        }
    }

    try {
        platform::passwordhash::writeSetting(QStringLiteral("void417x"));
        QFAIL("a write that could not be stored was not reported");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 75);
        QCOMPARE(error.description(), QStringLiteral("Path/File access error"));
    }
    QVERIFY(platform::passwordhash::readSetting() != QStringLiteral("void417x"));
    if (damage.startsWith(QLatin1String("read-only")))
        QVERIFY(QFile::setPermissions(damage == QLatin1String("read-only-file") ? ini : folder,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void tst_passwordstore::unwritableSettingsFolderThroughTheDialog()
{
    // A settings folder the user cannot write, as one left behind by another account:
    // here a file where the folder should be, which stops the administrator too.
    Fixture f;
    RealStore real;
    const QString folder = QFileInfo(iniPath(f.app)).absolutePath();
    QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
    {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    startProgram();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    typeInto(form->txtPassword, QStringLiteral("abc"));
    typeInto(form->txtPasswordAgain, QStringLiteral("abc"));
    click(form->cmdEnter);
    QCOMPARE(f.app.boxes().calls().size(), 1);
    checkAccessErrorBox(f.app.boxes().lastCall());
    QCOMPARE(frmPassword::instance(), form);
    QCOMPARE(frmInvestData::instance(), nullptr);

    // With the folder put right, the same dialog stores the password.
    QVERIFY(QFile::remove(folder));
    click(form->cmdEnter);
    QVERIFY(frmInvestData::instance());
    QVERIFY(platform::passwordhash::matches(platform::passwordhash::readSetting(), QStringLiteral("abc")));
}

void tst_passwordstore::handEditedValueWithCommasReadsWhole_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("value");
    QTest::newRow("one comma") << QByteArray("txtPasswordPL35=pa,ss") << QStringLiteral("pa,ss");
    QTest::newRow("commas and blanks") << QByteArray("txtPasswordPL35=a b,c d,e") << QStringLiteral("a b,c d,e");
    QTest::newRow("trailing comma") << QByteArray("txtPasswordPL35=word,") << QStringLiteral("word,");
    QTest::newRow("quoted, as the program writes")
        << QByteArray("txtPasswordPL35=\"pa,ss\"") << QStringLiteral("pa,ss");
    QTest::newRow("no comma") << QByteArray("txtPasswordPL35=plain") << QStringLiteral("plain");
    QTest::newRow("hash copied by hand") << QByteArray("txtPasswordPL35=$argon2id$v=19$m=65536,t=2,p=1$c2FsdA$aGFzaA")
                                         << QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$c2FsdA$aGFzaA");
}

void tst_passwordstore::handEditedValueWithCommasReadsWhole()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, value);
    Fixture f;
    RealStore real;
    writeIni(f.app, "[STARTUP]\n" + line + "\n");
    QCOMPARE(platform::passwordhash::readSetting(), value);

    // What the program writes reads back the same.
    platform::passwordhash::writeSetting(value);
    QCOMPARE(platform::passwordhash::readSetting(), value);
}

void tst_passwordstore::legacyPasswordWithCommaOpensTheProgram()
{
    Fixture f;
    RealStore real;
    writeIni(f.app, "[STARTUP]\ntxtPasswordPL35=Smith,John\n");
    startProgram();
    frmEnterPassword *enter = frmEnterPassword::instance();
    QVERIFY(enter);
    QCOMPARE(frmPlSplash::m_strPlumbline35Password, QStringLiteral("Smith,John"));
    typeInto(enter->txtEnterPassword, QStringLiteral("Smith,John"));
    click(enter->cmdEnter);
    QCOMPARE(f.app.boxes().calls().size(), 0);
    QVERIFY(frmInvestData::instance());
}

void tst_passwordstore::passwordBoxesEchoStars()
{
    Fixture f;
    startProgram();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    for (QLineEdit *box : {form->txtPassword, form->txtPasswordAgain}) {
        typeInto(box, QStringLiteral("Secret 1"));
        QCOMPARE(box->displayText(), QStringLiteral("********"));
        QCOMPARE(box->text(), QStringLiteral("Secret 1"));
    }
    ui::UnloadAllForms();
    settle();

    f.app.settings().saveSetting(App, Section, Key, platform::passwordhash::hash(QStringLiteral("x")));
    startProgram();
    frmEnterPassword *enter = frmEnterPassword::instance();
    QVERIFY(enter);
    typeInto(enter->txtEnterPassword, QStringLiteral("abc"));
    QCOMPARE(enter->txtEnterPassword->displayText(), QStringLiteral("***"));
}

QTEST_MAIN(tst_passwordstore)
#include "tst_passwordstore.moc"
