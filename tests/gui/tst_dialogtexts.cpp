// With a translation installed, the entry dialogs, the start-up windows, the backup and the
// instructions show it everywhere: captions, menus, toolbar, messages and what a screen reader
// speaks. A pseudo-translation brackets every text it is asked for, so any text still built
// past the translation shows up unbracketed.
#include "accessibilitytesting.h"
#include "mainwindowtesting.h"

#include "platform/passwordhash.h"
#include "ui/dialogs/frminvestentry.h"
#include "ui/dialogs/frmneweditdata.h"
#include "ui/startup/frmenterpassword.h"
#include "ui/startup/frmpassword.h"
#include "ui/startup/frmplsplash.h"
#include "ui/tools/frmbackupfiles.h"
#include "ui/tools/frminstructions.h"

#include "markingtranslator.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

using namespace mwtest;

namespace {

const QString Open = testing::MarkingTranslator::open();
const QString Close = testing::MarkingTranslator::close();

bool bracketed(const QString &text)
{
    // Padding in front of a caption is layout, not words.
    const QString words = text.trimmed();
    return words.startsWith(Open) && words.endsWith(Close);
}

// Names, numbers and data the program shows as they are, in every language.
const QStringList Untranslated = {
    QStringLiteral("frmPlSplash.lblQuillmoorSoft"), QStringLiteral("frmPlSplash.lblProductName"),
    QStringLiteral("frmPlSplash.Label1"),           QStringLiteral("frmPlSplash.lblCompany"),
    QStringLiteral("frmEnterPassword.windowTitle"), QStringLiteral("frmInvestEntry.lblRecNumber"),
    QStringLiteral("frmBackupFiles.lblBackupDesc"), // checked on its own (it changes)
};

// The price-index suggestion inside the record dialog translates its own captions.
bool insideSuggestion(const QWidget *widget)
{
    for (const QWidget *p = widget->parentWidget(); p; p = p->parentWidget()) {
        if (p->objectName() == QLatin1String("RateSuggestion"))
            return true;
    }
    return false;
}

struct Texts
{
    QStringList problems;
    int seen = 0;

    void expect(const QString &where, const QString &text)
    {
        if (text.trimmed().isEmpty() || Untranslated.contains(where))
            return;
        ++seen;
        if (!bracketed(text))
            problems << where + QStringLiteral(": ") + text;
    }

    // Every caption, menu, toolbar text and spoken text of one window.
    void check(QWidget *window)
    {
        QVERIFY(window);
        const QString w = window->objectName();
        expect(w + QStringLiteral(".windowTitle"), window->windowTitle());
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (!insideSuggestion(label))
                expect(w + QLatin1Char('.') + label->objectName(), label->text());
        }
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (!button->objectName().startsWith(QLatin1String("qt_")) && !insideSuggestion(button))
                expect(w + QLatin1Char('.') + button->objectName(), button->text());
        }
        for (QGroupBox *box : window->findChildren<QGroupBox *>())
            expect(w + QLatin1Char('.') + box->objectName(), box->title());
        for (QMenu *menu : window->findChildren<QMenu *>()) {
            expect(w + QLatin1Char('.') + menu->objectName(), menu->title());
            for (QAction *action : menu->actions())
                expect(w + QLatin1Char('.') + action->objectName(), action->text());
        }
        for (QToolBar *bar : window->findChildren<QToolBar *>()) {
            for (QAction *action : bar->actions()) {
                expect(w + QStringLiteral(".toolbar ") + action->objectName(), action->text());
                expect(w + QStringLiteral(".tooltip ") + action->objectName(), action->toolTip());
            }
        }
        QList<QWidget *> all = a11ytest::controls(window);
        all << window;
        for (QWidget *control : all) {
            const QString where = w + QLatin1Char('.') + control->objectName() + QStringLiteral(" (spoken)");
            expect(where + QStringLiteral(" name"), control->accessibleName());
            expect(where + QStringLiteral(" description"), control->accessibleDescription());
        }
    }
};

} // namespace

class tst_dialogtexts : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(QCoreApplication::installTranslator(&m_pseudo)); }
    void cleanup()
    {
        QCoreApplication::removeTranslator(&m_pseudo);
        frmPlSplash::setWaitPasses(-1);
        frmPlSplash::setAfterWaitHook(nullptr);
    }
    void everyWindowShowsTheTranslation();
    void messagesAreTranslated();
    void instructionsAreTranslatedByParagraph();

private:
    testing::MarkingTranslator m_pseudo;
};

void tst_dialogtexts::everyWindowShowsTheTranslation()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")}});
    app.writeHistory(historyLines(1, 3));
    app.settings().saveSetting(platform::passwordhash::SettingApp, platform::passwordhash::SettingSection,
                               platform::passwordhash::SettingKey,
                               platform::passwordhash::hash(QStringLiteral("secret")));
    Texts texts;

    frmPlSplash::setWaitPasses(1);
    frmPlSplash::setAfterWaitHook([&texts] { texts.check(frmPlSplash::instance()); });
    frmPlSplash::Load();
    frmEnterPassword *enter = frmEnterPassword::instance();
    QVERIFY(enter);
    texts.check(enter);
    QTest::keyClicks(enter->txtEnterPassword, QStringLiteral("secret"));
    click(enter->cmdEnter);
    QTRY_VERIFY(frmInvestData::instance() && frmInvestData::instance()->isVisible());
    frmInvestData *main = frmInvestData::instance();

    click(main->cmdAddNewRec);
    QTRY_VERIFY(frmInvestEntry::instance());
    texts.check(frmInvestEntry::instance());
    click(frmInvestEntry::instance()->cmdCancel);
    QTRY_VERIFY(!frmInvestEntry::instance() && main->isEnabled());

    // Each of the three modes has its own title.
    click(main->cmdAddNew);
    QTRY_VERIFY(frmNewEditData::instance());
    texts.check(frmNewEditData::instance());
    QCOMPARE(frmNewEditData::instance()->windowTitle(), Open + QStringLiteral("Add New Record") + Close);
    click(frmNewEditData::instance()->cmdCancel);
    QTRY_VERIFY(!frmNewEditData::instance() && main->isEnabled());

    // Both steps of the backup name the file they copy.
    main->mnuFileBackup->trigger();
    QTRY_VERIFY(frmBackupFiles::instance());
    texts.check(frmBackupFiles::instance());
    QCOMPARE(frmBackupFiles::instance()->lblBackupDesc->text(),
             Open + QStringLiteral("The Investment Information file") + Close);
    click(frmBackupFiles::instance()->cmdExit);
    QVERIFY(frmBackupFiles::instance());
    QCOMPARE(frmBackupFiles::instance()->lblBackupDesc->text(),
             Open + QStringLiteral("The Investment Data file") + Close);
    click(frmBackupFiles::instance()->cmdExit);
    QTRY_VERIFY(!frmBackupFiles::instance() && main->isEnabled());

    main->mnuHelpInstruct->trigger();
    QTRY_VERIFY(frmInstructions::instance());
    texts.check(frmInstructions::instance());
    click(frmInstructions::instance()->cmdExit);
    QTRY_VERIFY(!frmInstructions::instance());

    main->mnuFilePassword->trigger();
    QTRY_VERIFY(frmPassword::instance());
    texts.check(frmPassword::instance());
    click(frmPassword::instance()->cmdCancel);
    QTRY_VERIFY(!frmPassword::instance());

    QVERIFY2(texts.problems.isEmpty(), qPrintable(texts.problems.join(QLatin1Char('\n'))));
    QVERIFY(texts.seen > 150);
}

void tst_dialogtexts::messagesAreTranslated()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")}});
    app.writeHistory(historyLines(1, 3));
    frmInvestData *main = app.startMainWindow();
    QVERIFY(main);

    // The investment dialog refuses an empty type.
    click(main->cmdAddNewRec);
    QTRY_VERIFY(frmInvestEntry::instance());
    click(frmInvestEntry::instance()->cmdDone);
    QCOMPARE(app.boxes().lastCall().text,
             Open + QStringLiteral("Sorry, there is no entry in 'Investment'. You must make an entry.") + Close);
    click(frmInvestEntry::instance()->cmdCancel);
    QTRY_VERIFY(!frmInvestEntry::instance() && main->isEnabled());

    // The record dialog names the empty box in a sentence of its own, and refuses a wrong date.
    click(main->cmdAddNew);
    QTRY_VERIFY(frmNewEditData::instance());
    frmNewEditData *data = frmNewEditData::instance();
    click(data->cmdDone);
    platform::MessageBoxCall call = app.boxes().lastCall();
    QCOMPARE(call.text, Open +
                            QStringLiteral("There is no entry in 'Original Amount'. Please make an entry if you "
                                           "want to\r\ncreate a new record.") +
                            Close);
    QCOMPARE(call.title, Open + QStringLiteral("No Entry") + Close);
    data->txtDate->setText(QStringLiteral("not a date"));
    click(data->cmdDone);
    call = app.boxes().lastCall();
    QCOMPARE(call.text, Open + QStringLiteral("Wrong entry. Please enter a date.") + Close);
    QCOMPARE(call.title, Open + QStringLiteral("Date") + Close);
    click(data->cmdCancel);
    QTRY_VERIFY(!frmNewEditData::instance() && main->isEnabled());

    // The backup refuses a folder that does not exist, naming it as typed.
    main->mnuFileBackup->trigger();
    QTRY_VERIFY(frmBackupFiles::instance());
    frmBackupFiles *backup = frmBackupFiles::instance();
    const QString missing = QDir(app.folder().dir()).filePath(QStringLiteral("no such folder"));
    backup->txtBackupPath->setText(missing);
    click(backup->cmdSave);
    QCOMPARE(app.boxes().lastCall().text,
             Open +
                 QStringLiteral("The folder \"%1\" does not exist.\r\n"
                                "Please type the path of an existing folder and try again.")
                     .arg(missing) +
                 Close);
    click(backup->cmdExit);
    click(frmBackupFiles::instance()->cmdExit);
    QTRY_VERIFY(!frmBackupFiles::instance());
}

void tst_dialogtexts::instructionsAreTranslatedByParagraph()
{
    testing::AppFixture app;
    // Every paragraph is one translated text, the last one running on past its line break
    // into the backup's second step; only the indent and the blank lines are the program's.
    const QString text = frmInstructions::guideText();
    QVERIFY(text.startsWith(QString(36, QLatin1Char(' ')) + Open + QStringLiteral("PLUMBLINE 3.5  INSTRUCTIONS") +
                            Close + QStringLiteral("\n\n")));
    const QStringList paragraphs = text.trimmed().split(QStringLiteral("\n\n"));
    QCOMPARE(paragraphs.size(), 17);
    for (qsizetype i = 1; i < paragraphs.size(); ++i)
        QVERIFY2(bracketed(paragraphs.at(i)), qPrintable(paragraphs.at(i).left(60)));
    QVERIFY(paragraphs.last().contains(QStringLiteral("then Exit,\nand the form changes")));
    QVERIFY(paragraphs.last().contains(QDir::toNativeSeparators(app.folder().dir())));
}

QTEST_MAIN(tst_dialogtexts)
#include "tst_dialogtexts.moc"
