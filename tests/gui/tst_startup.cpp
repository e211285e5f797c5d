// Start-up through the splash, the password set-up and the password entry.
#include "appfixture.h"
#include "startuptesting.h"

#include "core/plmainmod.h"
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

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <sodium.h>

using platform::MsgButtons;
using platform::MsgIcon;

using namespace startuptest;

namespace {

// A stored value is the hash of `text`, checked with the library directly.
bool isHashOf(const QString &stored, const QString &text)
{
    if (!stored.startsWith(QLatin1String("$argon2id$")))
        return false;
    const QByteArray hash = stored.toLatin1();
    const QByteArray bytes = text.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

bool visibleOnScreen(QWidget *w)
{
    return w && w->isVisible();
}

void saveShot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (dir.isEmpty() || !w)
        return;
    w->grab().save(QDir(dir).filePath(name));
}

// Runs the splash and leaves whatever window it opened.
void startProgram()
{
    frmPlSplash::Load();
    QCOMPARE(frmPlSplash::instance(), nullptr);
    QCoreApplication::processEvents();
}

// A later run of the program on the same settings and data folder.
void restartProgram()
{
    ui::UnloadAllForms();
    settle();
    storage::discardAll();
    modPlMainMod::ResetAll();
    startProgram();
}

} // namespace

class tst_startup : public QObject
{
    Q_OBJECT

private slots:
    void splashLayoutAndWait();
    void splashKeysChangeNothing();
    void firstRunOpensSetupWithoutCancel();
    void noPasswordSettingOpensMainWindow();
    void settingPasswordStoresOnlyItsHash();
    void entriesAreCheckedBeforeStoring();
    void blankPasswordIsAccepted();
    void tickingAndUntickingNoPassword();
    void resetUnticksAndClears();
    void firstRunEscAndFrameClose();
    void wrongPasswordCanBeRetried();
    void caseDifferencesAreRefused();
    void legacyPlainTextIsAcceptedAndMigrated();
    void typedSentinelsStillProtect_data();
    void typedSentinelsStillProtect();
    void cancelEndsTheProgram();
    void menuPathHidesAndRestoresMainWindow();
    void realSettingsFileHoldsOnlyTheHash();
};

void tst_startup::splashLayoutAndWait()
{
    StartupFixture f;
    QCOMPARE(frmPlSplash::DefaultWaitPasses, 25000000L);
    frmPlSplash::setWaitPasses(-1);
    QCOMPARE(frmPlSplash::waitPasses(), 25000000L);

    bool seen = false;
    frmPlSplash::setAfterWaitHook([&] {
        frmPlSplash *splash = frmPlSplash::instance();
        QVERIFY(splash);
        seen = true;
        QVERIFY(splash->isVisible());
        QVERIFY(splash->windowTitle().trimmed().isEmpty()); // no caption text
        QCOMPARE(splash->size(), QSize(488, 283));
        QCOMPARE(splash->findChildren<QPushButton *>().size(), 0);
        QCOMPARE(splash->Frame1->geometry(), QRect(8, 0, 472, 278));
        QCOMPARE(splash->Frame1->palette().color(QPalette::Window), QColor(0, 128, 128));
        QCOMPARE(splash->lblProductName->text(), QStringLiteral("Plumbline"));
        QCOMPARE(splash->lblProductName->font().family(), QStringLiteral("Arial Black"));
        QVERIFY(splash->lblProductName->font().italic());
        QVERIFY(splash->lblProductName->font().bold());
        QCOMPARE(splash->lblProductName->font().pointSizeF(), 27.75);
        QCOMPARE(splash->Label1->text(), QStringLiteral("TM"));
        QCOMPARE(splash->lblQuillmoorSoft->text(), QStringLiteral("Quillmoor Software Inc."));
        QCOMPARE(splash->lblQuillmoorSoft->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        QCOMPARE(splash->lblPlatform->text(), QStringLiteral("For Windows"));
        QVERIFY(splash->lblPlatform->alignment() & Qt::AlignRight);
        QCOMPARE(splash->lblPlatform->palette().color(QPalette::Window), QColor(255, 192, 192));
        QCOMPARE(splash->lblVersion->text(), QString(15, QLatin1Char(' ')) + QStringLiteral("Version 3.5"));
        QCOMPARE(splash->lblCompany->text(), QStringLiteral("Quillmoor Software Inc."));
        QCOMPARE(splash->imgLogo->geometry(), QRect(56, 117, 177, 79));
        // Nothing is read before the wait is over.
        QVERIFY(frmPlSplash::m_strPlumbline35Password.isEmpty());
        saveShot(splash, QStringLiteral("splash.png"));
    });
    QElapsedTimer timer;
    timer.start();
    startProgram(); // the product's own wait
    QVERIFY(seen);
    qInfo("25,000,000 passes took %lld ms", timer.elapsed());
    QVERIFY(frmPassword::instance());
}

void tst_startup::splashKeysChangeNothing()
{
    StartupFixture f;
    bool seen = false;
    frmPlSplash::setAfterWaitHook([&] {
        frmPlSplash *splash = frmPlSplash::instance();
        QVERIFY(splash);
        seen = true;
        QTest::keyClicks(splash, QStringLiteral("void417"));
        QTest::keyClick(splash, Qt::Key_Return);
        QTest::keyClick(splash, Qt::Key_Escape);
        QTest::keyClick(splash, Qt::Key_F4, Qt::AltModifier);
        splash->close();
        QCoreApplication::processEvents();
        QCOMPARE(frmPlSplash::instance(), splash);
        QVERIFY(splash->isVisible());
    });
    startProgram();
    QVERIFY(seen);
    // The first-run branch ran as usual, untouched by the keys.
    QCOMPARE(f.app.settings().saveCount(), 0);
    QVERIFY(frmPassword::instance());
    QVERIFY(frmPassword::instance()->txtPassword->text().isEmpty());
    QVERIFY(f.app.boxes().calls().isEmpty());
    QCOMPARE(g_ends, 0);
}

void tst_startup::firstRunOpensSetupWithoutCancel()
{
    StartupFixture f;
    startProgram();
    QCOMPARE(frmPlSplash::m_strPlumbline35Password, QStringLiteral("larkspur"));
    frmPassword *form = frmPassword::instance();
    QVERIFY(visibleOnScreen(form));
    QCOMPARE(form->windowTitle(), QStringLiteral("Password?"));
    QCOMPARE(form->size(), QSize(368, 213));
    QVERIFY(!form->cmdCancel->isVisible());
    QCOMPARE(form->lblPasswordQuestion->text(),
             QStringLiteral("Do you want to make Plumbline  password protected, or change an existing password?"));
    QCOMPARE(form->chkPasswordNo->text(), QStringLiteral("No Password"));
    QCOMPARE(form->cmdEnter->text(), QStringLiteral("&Enter"));
    QVERIFY(form->cmdEnter->isDefault());
    QCOMPARE(form->txtPassword->echoMode(), QLineEdit::Password);
    QCOMPARE(form->txtPasswordAgain->echoMode(), QLineEdit::Password);
    QVERIFY(!form->m_blnNoPassword);
    QCOMPARE(frmInvestData::instance(), nullptr);
    QCOMPARE(frmEnterPassword::instance(), nullptr);
    // Tab order: the two boxes, the check box, Enter, Reset; the labels take no focus.
    QCOMPARE(QApplication::focusWidget(), form->txtPassword);
    const QList<QWidget *> order = {form->txtPasswordAgain, form->chkPasswordNo, form->cmdEnter, form->cmdReset,
                                    form->txtPassword};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    saveShot(form, QStringLiteral("password.png"));
}

void tst_startup::noPasswordSettingOpensMainWindow()
{
    StartupFixture f;
    f.store(QStringLiteral("void417"));
    startProgram();
    QVERIFY(frmInvestData::instance());
    QVERIFY(frmInvestData::instance()->isVisible());
    QCOMPARE(frmPassword::instance(), nullptr);
    QCOMPARE(frmEnterPassword::instance(), nullptr);
    QCOMPARE(frmInvestData::instance()->txtInvestment->text().trimmed(), QStringLiteral("Mutual fund"));
}

void tst_startup::settingPasswordStoresOnlyItsHash()
{
    StartupFixture f;
    startProgram();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    typeInto(form->txtPassword, QStringLiteral("Open Sesame"));
    typeInto(form->txtPasswordAgain, QStringLiteral("Open Sesame"));
    // Enter in the second box presses the default button.
    QTest::keyClick(form->txtPasswordAgain, Qt::Key_Return);

    QCOMPARE(f.app.boxes().calls().size(), 1);
    const platform::MessageBoxCall box = f.app.boxes().lastCall();
    QCOMPARE(box.text, QStringLiteral("Please write your password down and keep\r\nit in a safe place."));
    QCOMPARE(box.icon, MsgIcon::Information);
    QCOMPARE(box.buttons, MsgButtons::OK);
    QCOMPARE(box.title, platform::AppTitle);

    const QString stored = f.stored();
    QVERIFY(!stored.contains(QLatin1String("Open Sesame")));
    QVERIFY(!stored.contains(QLatin1String("Sesame")));
    QVERIFY2(isHashOf(stored, QStringLiteral("Open Sesame")), qPrintable(stored));
    QVERIFY(!isHashOf(stored, QStringLiteral("open sesame")));
    QCOMPARE(f.app.settings().values().size(), 1);
    QCOMPARE(frmPassword::instance(), nullptr);
    QVERIFY(frmInvestData::instance() && frmInvestData::instance()->isVisible());
    // The same text set again gets a new salt.
    QVERIFY(platform::passwordhash::hash(QStringLiteral("Open Sesame")) != stored);
}

void tst_startup::entriesAreCheckedBeforeStoring()
{
    StartupFixture f;
    startProgram();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    auto &boxes = f.app.boxes();

    click(form->cmdEnter);
    QCOMPARE(boxes.lastCall().text, QStringLiteral("No entry was made in 'Enter Password'."));
    QCOMPARE(boxes.lastCall().title, QStringLiteral("Please make an entry."));
    QCOMPARE(boxes.lastCall().icon, MsgIcon::Exclamation);
    QCOMPARE(boxes.lastCall().buttons, MsgButtons::OK);
    QCOMPARE(QApplication::focusWidget(), form->txtPassword);

    typeInto(form->txtPassword, QStringLiteral("Abc"));
    click(form->cmdEnter);
    QCOMPARE(boxes.lastCall().text, QStringLiteral("No entry was made in 'Enter Password Again'."));
    QCOMPARE(boxes.lastCall().title, QStringLiteral("Please make an entry."));
    QCOMPARE(boxes.lastCall().icon, MsgIcon::Exclamation);
    QCOMPARE(QApplication::focusWidget(), form->txtPasswordAgain);

    // Letters that differ only in case are different entries.
    typeInto(form->txtPasswordAgain, QStringLiteral("abc"));
    click(form->cmdEnter);
    QCOMPARE(boxes.lastCall().text, QStringLiteral("The second entry was not the same as the first.\r\n"
                                                   "Please re-enter the second, or both entries."));
    QCOMPARE(boxes.lastCall().title, platform::AppTitle);
    QCOMPARE(boxes.lastCall().icon, MsgIcon::Exclamation);
    QCOMPARE(QApplication::focusWidget(), form->txtPasswordAgain);
    QCOMPARE(form->txtPassword->text(), QStringLiteral("Abc"));
    QCOMPARE(form->txtPasswordAgain->text(), QStringLiteral("abc"));
    QCOMPARE(boxes.calls().size(), 3);

    QCOMPARE(f.app.settings().saveCount(), 0);
    QCOMPARE(frmPassword::instance(), form);
    QCOMPARE(frmInvestData::instance(), nullptr);
}

void tst_startup::blankPasswordIsAccepted()
{
    StartupFixture f;
    startProgram();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    typeInto(form->txtPassword, QStringLiteral("   "));
    typeInto(form->txtPasswordAgain, QStringLiteral("   "));
    click(form->cmdEnter);
    QVERIFY(isHashOf(f.stored(), QStringLiteral("   ")));
    QVERIFY(frmInvestData::instance());
}

void tst_startup::tickingAndUntickingNoPassword()
{
    StartupFixture f;
    startProgram();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    typeInto(form->txtPassword, QStringLiteral("first"));
    typeInto(form->txtPasswordAgain, QStringLiteral("second"));

    click(form->chkPasswordNo);
    QVERIFY(form->chkPasswordNo->isChecked());
    QVERIFY(form->m_blnNoPassword);
    QVERIFY(form->txtPassword->text().isEmpty());
    QVERIFY(form->txtPasswordAgain->text().isEmpty());
    QVERIFY(!form->txtPassword->isEnabled());
    QVERIFY(!form->txtPasswordAgain->isEnabled());
    QVERIFY(!form->lblPassword->isEnabled());
    QVERIFY(!form->lblPasswordAgain->isEnabled());
    const QColor buttonFace = form->palette().color(QPalette::Active, QPalette::Button);
    QCOMPARE(form->txtPassword->palette().color(QPalette::Disabled, QPalette::Base), buttonFace);
    QCOMPARE(form->txtPasswordAgain->palette().color(QPalette::Disabled, QPalette::Base), buttonFace);

    click(form->chkPasswordNo);
    QVERIFY(!form->chkPasswordNo->isChecked());
    QVERIFY(!form->m_blnNoPassword);
    QVERIFY(form->txtPassword->isEnabled());
    QVERIFY(form->txtPasswordAgain->isEnabled());
    QVERIFY(form->lblPassword->isEnabled());
    QVERIFY(form->lblPasswordAgain->isEnabled());
    QCOMPARE(form->txtPassword->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 255));
    // Unticking does not bring the former texts back.
    QVERIFY(form->txtPassword->text().isEmpty());
    QVERIFY(form->txtPasswordAgain->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), form->txtPassword);
    QCOMPARE(f.app.settings().saveCount(), 0);

    // Ticked and confirmed: the no-password word, and no password message.
    click(form->chkPasswordNo);
    click(form->cmdEnter);
    QCOMPARE(f.stored(), QStringLiteral("void417"));
    QVERIFY(f.app.boxes().calls().isEmpty());
    QVERIFY(frmInvestData::instance());
    QCOMPARE(frmPassword::instance(), nullptr);

    // The next start-up goes straight to the main window.
    restartProgram();
    QVERIFY(frmInvestData::instance());
    QCOMPARE(frmEnterPassword::instance(), nullptr);
    QCOMPARE(frmPassword::instance(), nullptr);
}

void tst_startup::resetUnticksAndClears()
{
    StartupFixture f;
    startProgram();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    typeInto(form->txtPassword, QStringLiteral("abc"));
    typeInto(form->txtPasswordAgain, QStringLiteral("abd"));
    click(form->cmdReset);
    QVERIFY(form->txtPassword->text().isEmpty());
    QVERIFY(form->txtPasswordAgain->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), form->txtPassword);

    click(form->chkPasswordNo);
    QVERIFY(form->m_blnNoPassword);
    click(form->cmdReset);
    QVERIFY(!form->chkPasswordNo->isChecked());
    QVERIFY(!form->m_blnNoPassword);
    QVERIFY(form->txtPassword->isEnabled());
    QVERIFY(form->txtPasswordAgain->isEnabled());
    QVERIFY(form->lblPassword->isEnabled());
    QCOMPARE(QApplication::focusWidget(), form->txtPassword);
    QCOMPARE(f.app.settings().saveCount(), 0);
    QVERIFY(f.app.boxes().calls().isEmpty());
}

void tst_startup::firstRunEscAndFrameClose()
{
    StartupFixture f;
    startProgram();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    // Esc does nothing while Cancel is hidden.
    QTest::keyClick(form->txtPassword, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QCOMPARE(frmPassword::instance(), form);
    QVERIFY(form->isVisible());

    // Closing by the frame ends the program and writes nothing, ticked box or not.
    click(form->chkPasswordNo);
    QVERIFY(!form->close());
    QCOMPARE(frmPassword::instance(), nullptr);
    QCOMPARE(g_ends, 1);
    QCOMPARE(f.app.settings().saveCount(), 0);
    QCOMPARE(frmInvestData::instance(), nullptr);
    settle();
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(topLevels.cbegin(), topLevels.cend(), [](QWidget *w) { return w->isVisible(); }));

    // And the next start-up is a first run again.
    restartProgram();
    QVERIFY(frmPassword::instance());
}

void tst_startup::wrongPasswordCanBeRetried()
{
    StartupFixture f;
    const QString hash = platform::passwordhash::hash(QStringLiteral("Open Sesame"));
    f.store(hash);
    startProgram();
    frmEnterPassword *form = frmEnterPassword::instance();
    QVERIFY(visibleOnScreen(form));
    QCOMPARE(form->windowTitle(), QStringLiteral("Plumbline 3.5"));
    QCOMPARE(form->size(), QSize(373, 140));
    QCOMPARE(form->lblEnterPassword->text(), QStringLiteral("Please Enter Your Password"));
    QCOMPARE(form->cmdClear->text(), QStringLiteral("C&lear"));
    QVERIFY(form->cmdEnter->isDefault());
    QCOMPARE(form->txtEnterPassword->echoMode(), QLineEdit::Password);
    QCOMPARE(frmInvestData::instance(), nullptr);
    saveShot(form, QStringLiteral("enterpassword.png"));
    auto &boxes = f.app.boxes();

    click(form->cmdEnter);
    QCOMPARE(boxes.lastCall().text, QStringLiteral("You have not entered a password. Please do so."));
    QCOMPARE(boxes.lastCall().title, QStringLiteral("No Entry"));
    QCOMPARE(boxes.lastCall().icon, MsgIcon::Exclamation);
    QCOMPARE(QApplication::focusWidget(), form->txtEnterPassword);

    for (int attempt = 0; attempt < 5; ++attempt) {
        typeInto(form->txtEnterPassword, QStringLiteral("Open Sesam%1").arg(attempt));
        click(form->cmdEnter);
        QCOMPARE(boxes.lastCall().text, QStringLiteral("Sorry, the password you've entered is incorrect."));
        QCOMPARE(boxes.lastCall().title, QStringLiteral("Please try again."));
        QCOMPARE(boxes.lastCall().icon, MsgIcon::Exclamation);
        QCOMPARE(form->txtEnterPassword->text(), QStringLiteral("Open Sesam%1").arg(attempt));
        QCOMPARE(QApplication::focusWidget(), form->txtEnterPassword);
        QCOMPARE(frmEnterPassword::instance(), form);
    }
    click(form->cmdClear);
    QVERIFY(form->txtEnterPassword->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), form->txtEnterPassword);

    const int before = int(boxes.calls().size());
    typeInto(form->txtEnterPassword, QStringLiteral("Open Sesame"));
    QTest::keyClick(form->txtEnterPassword, Qt::Key_Return);
    QCOMPARE(int(boxes.calls().size()), before);
    QCOMPARE(frmEnterPassword::instance(), nullptr);
    QVERIFY(frmInvestData::instance() && frmInvestData::instance()->isVisible());
    // A hash stays as it is.
    QCOMPARE(f.stored(), hash);
    QCOMPARE(f.app.settings().saveCount(), 1);
}

void tst_startup::caseDifferencesAreRefused()
{
    StartupFixture f;
    f.store(platform::passwordhash::hash(QStringLiteral("Secret")));
    startProgram();
    frmEnterPassword *form = frmEnterPassword::instance();
    QVERIFY(form);
    for (const QString &typed : {QStringLiteral("secret"), QStringLiteral("SECRET"), QStringLiteral("Secret ")}) {
        typeInto(form->txtEnterPassword, typed);
        click(form->cmdEnter);
        QCOMPARE(f.app.boxes().lastCall().text, QStringLiteral("Sorry, the password you've entered is incorrect."));
        QCOMPARE(frmEnterPassword::instance(), form);
    }
    typeInto(form->txtEnterPassword, QStringLiteral("Secret"));
    click(form->cmdEnter);
    QVERIFY(frmInvestData::instance());
}

void tst_startup::legacyPlainTextIsAcceptedAndMigrated()
{
    StartupFixture f;
    f.store(QStringLiteral("tulip garden"));
    startProgram();
    frmEnterPassword *form = frmEnterPassword::instance();
    QVERIFY(form);
    QCOMPARE(frmPlSplash::m_strPlumbline35Password, QStringLiteral("tulip garden"));
    typeInto(form->txtEnterPassword, QStringLiteral("Tulip garden"));
    click(form->cmdEnter);
    QCOMPARE(f.app.boxes().lastCall().text, QStringLiteral("Sorry, the password you've entered is incorrect."));
    QCOMPARE(f.stored(), QStringLiteral("tulip garden"));

    typeInto(form->txtEnterPassword, QStringLiteral("tulip garden"));
    click(form->cmdEnter);
    QVERIFY(frmInvestData::instance());
    // Replaced by its hash at the first successful entry.
    QVERIFY2(isHashOf(f.stored(), QStringLiteral("tulip garden")), qPrintable(f.stored()));

    restartProgram();
    form = frmEnterPassword::instance();
    QVERIFY(form);
    typeInto(form->txtEnterPassword, QStringLiteral("tulip garden"));
    click(form->cmdEnter);
    QVERIFY(frmInvestData::instance());
    QCOMPARE(frmEnterPassword::instance(), nullptr);

    // A stored "VOID417" is no sentinel but a password of an earlier version.
    f.store(QStringLiteral("VOID417"));
    restartProgram();
    form = frmEnterPassword::instance();
    QVERIFY(form);
    typeInto(form->txtEnterPassword, QStringLiteral("void417"));
    click(form->cmdEnter);
    QCOMPARE(frmEnterPassword::instance(), form);
    typeInto(form->txtEnterPassword, QStringLiteral("VOID417"));
    click(form->cmdEnter);
    QVERIFY(frmInvestData::instance());
    QVERIFY(isHashOf(f.stored(), QStringLiteral("VOID417")));
}

void tst_startup::typedSentinelsStillProtect_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("void417") << QStringLiteral("void417");
    QTest::newRow("larkspur") << QStringLiteral("larkspur");
}

void tst_startup::typedSentinelsStillProtect()
{
    QFETCH(QString, word);
    {
        StartupFixture f;
        startProgram();
        frmPassword *form = frmPassword::instance();
        QVERIFY(form);
        typeInto(form->txtPassword, word);
        typeInto(form->txtPasswordAgain, word);
        click(form->cmdEnter);
        QVERIFY(frmInvestData::instance());
        QVERIFY(f.stored() != word);
        QVERIFY(isHashOf(f.stored(), word));

        // Next start-up: the password is asked for, not skipped or set up again.
        restartProgram();
        QCOMPARE(frmInvestData::instance(), nullptr);
        QCOMPARE(frmPassword::instance(), nullptr);
        frmEnterPassword *enter = frmEnterPassword::instance();
        QVERIFY(enter);
        typeInto(enter->txtEnterPassword, QStringLiteral("something else"));
        click(enter->cmdEnter);
        QCOMPARE(frmEnterPassword::instance(), enter);
        typeInto(enter->txtEnterPassword, word);
        click(enter->cmdEnter);
        QVERIFY(frmInvestData::instance());
    }
}

void tst_startup::cancelEndsTheProgram()
{
    StartupFixture f;
    f.store(platform::passwordhash::hash(QStringLiteral("pw")));
    // Cancel, Esc and the frame all end the program without opening the main window.
    for (int way = 0; way < 3; ++way) {
        g_ends = 0;
        restartProgram();
        frmEnterPassword *form = frmEnterPassword::instance();
        QVERIFY(form);
        typeInto(form->txtEnterPassword, QStringLiteral("pw"));
        if (way == 0) {
            QCOMPARE(form->cmdCancel->text(), QStringLiteral("&Cancel"));
            click(form->cmdCancel);
        } else if (way == 1) {
            QTest::keyClick(form->txtEnterPassword, Qt::Key_Escape);
        } else {
            form->close();
        }
        QCOMPARE(frmEnterPassword::instance(), nullptr);
        QCOMPARE(frmInvestData::instance(), nullptr);
        QCOMPARE(g_ends, 1);
        settle();
    }
    QCOMPARE(f.app.settings().saveCount(), 1); // only the test's own
}

void tst_startup::menuPathHidesAndRestoresMainWindow()
{
    StartupFixture f;
    f.app.writeInvestments(
        {{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")}, {QStringLiteral("Bond"), QStringLiteral("")}});
    f.store(QStringLiteral("void417"));
    startProgram();
    frmInvestData *main = f.app.startMainWindow();
    QVERIFY(main);
    main->cmdNext->click();
    const QString shownType = main->txtInvestment->text();
    QCOMPARE(shownType.trimmed(), QStringLiteral("Bond"));

    // Cancel, Esc and the frame: main window hidden meanwhile, shown again unchanged.
    for (int way = 0; way < 3; ++way) {
        main->mnuFilePassword->trigger();
        frmPassword *form = frmPassword::instance();
        QVERIFY(form);
        QVERIFY(!main->isVisible());
        QVERIFY(form->isVisible());
        QVERIFY(form->cmdCancel->isVisible());
        QCOMPARE(form->cmdCancel->text(), QStringLiteral("&Cancel"));
        typeInto(form->txtPassword, QStringLiteral("unused"));
        if (way == 0)
            click(form->cmdCancel);
        else if (way == 1)
            QTest::keyClick(form->txtPassword, Qt::Key_Escape);
        else
            form->close();
        QCOMPARE(frmPassword::instance(), nullptr);
        QVERIFY(main->isVisible());
        QCOMPARE(frmInvestData::instance(), main);
        QCOMPARE(main->txtInvestment->text(), shownType);
        QCOMPARE(f.stored(), QStringLiteral("void417"));
        QCOMPARE(g_ends, 0);
        QVERIFY(QTest::qWaitForWindowActive(main));
    }
    QCOMPARE(f.app.settings().saveCount(), 1);

    // A new password from the menu: stored as a hash, main window back.
    main->mnuFilePassword->trigger();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    typeInto(form->txtPassword, QStringLiteral("Changed 2"));
    typeInto(form->txtPasswordAgain, QStringLiteral("Changed 2"));
    click(form->cmdEnter);
    QVERIFY(isHashOf(f.stored(), QStringLiteral("Changed 2")));
    QVERIFY(main->isVisible());
    QCOMPARE(frmInvestData::instance(), main);

    // Cancel with "No Password" ticked stores the no-password word, as Enter would.
    main->mnuFilePassword->trigger();
    form = frmPassword::instance();
    QVERIFY(form);
    click(form->chkPasswordNo);
    click(form->cmdCancel);
    QCOMPARE(f.stored(), QStringLiteral("void417"));
    QVERIFY(main->isVisible());
    QVERIFY(f.app.boxes().calls().size() == 1); // the reminder after Enter
}

void tst_startup::realSettingsFileHoldsOnlyTheHash()
{
    StartupFixture f;
    // The per-user INI store, kept in the test's own settings folder.
    platform::SettingsStore::setInstance(nullptr);
    struct Restore
    {
        platform::SettingsStore *store;
        ~Restore() { platform::SettingsStore::setInstance(store); }
    } restore{&f.app.settings()};
    startProgram();
    frmPassword *form = frmPassword::instance();
    QVERIFY(form);
    typeInto(form->txtPassword, QStringLiteral("pa$$ = zebra;"));
    typeInto(form->txtPasswordAgain, QStringLiteral("pa$$ = zebra;"));
    click(form->cmdEnter);
    QVERIFY(frmInvestData::instance());

    const QString iniPath = QDir(f.app.folder().settingsPath()).filePath(QStringLiteral("PLUMBLINE/PLUMBLINE.ini"));
    QFile ini(iniPath);
    QVERIFY2(ini.open(QIODevice::ReadOnly), qPrintable(iniPath));
    const QByteArray content = ini.readAll();
    ini.close();
    QVERIFY(content.contains("[STARTUP]"));
    QVERIFY(content.contains("txtPasswordPL35="));
    QVERIFY(content.contains("argon2id"));
    QVERIFY(!content.contains("zebra"));

    restartProgram();
    frmEnterPassword *enter = frmEnterPassword::instance();
    QVERIFY(enter);
    typeInto(enter->txtEnterPassword, QStringLiteral("pa$$ = zebra;"));
    click(enter->cmdEnter);
    QVERIFY(frmInvestData::instance());
    QVERIFY(f.app.boxes().calls().size() == 1);
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
