// Every control of every window has a name and a description a screen reader can
// speak; the grid's cells say their column and row, and the page links are links.
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

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

using namespace mwtest;

using namespace a11ytest;

class tst_accessibility : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        frmPlSplash::setWaitPasses(-1);
        frmPlSplash::setAfterWaitHook(nullptr);
    }
    void everyGridCellSaysItsColumnAndRow();
    void pageLinksAreLinks();
    void everyControlOfEveryWindow();
};

void tst_accessibility::everyGridCellSaysItsColumnAndRow()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")}});
    app.writeHistory(historyLines(1, 14));
    frmInvestData *main = app.startMainWindow();
    QVERIFY(main);
    const QStringList titles = {QStringLiteral("Data Rec"),
                                QStringLiteral("Date"),
                                QStringLiteral("Original Amount"),
                                QStringLiteral("Current Amount"),
                                QStringLiteral("Inc/Dec"),
                                QStringLiteral("Profit/Loss"),
                                QStringLiteral("Inflation Rate (%)"),
                                QStringLiteral("Loss To Inflation"),
                                QStringLiteral("Current Amount AFI"),
                                QStringLiteral("Profit/Loss AFI")};
    QCOMPARE(titles.size(), Columns.size());
    QSet<QString> names;
    for (int c = 0; c < Columns.size(); ++c) {
        for (int row = 0; row < frmInvestData::GridRows; ++row) {
            QLineEdit *box = cell(main, Columns.at(c), row);
            QVERIFY(box);
            const QString expected = QStringLiteral("%1, row %2").arg(titles.at(c)).arg(row + 1);
            QCOMPARE(box->accessibleName(), expected);
            QCOMPARE(spoken(box, QAccessible::Name), expected);
            QVERIFY(!spoken(box, QAccessible::Description).isEmpty());
            // The figure itself is what the reader speaks as the cell's value.
            QCOMPARE(spoken(box, QAccessible::Value), box->text().trimmed());
            names.insert(expected);
        }
    }
    QCOMPARE(names.size(), 120);
    QCOMPARE(main->metCurAmntAFI[2]->accessibleName(), QStringLiteral("Current Amount AFI, row 3"));
    QVERIFY(!spoken(main->metCurAmntAFI[2], QAccessible::Value).isEmpty());
}

void tst_accessibility::pageLinksAreLinks()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")}});
    app.writeHistory(historyLines(1, 14));
    frmInvestData *main = app.startMainWindow();
    QVERIFY(main);
    QAccessibleInterface *next = QAccessible::queryAccessibleInterface(main->lblNextPg);
    QVERIFY(next);
    QCOMPARE(next->role(), QAccessible::Link);
    QCOMPARE(next->text(QAccessible::Name), QStringLiteral("Next page"));
    QAccessibleActionInterface *action = next->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // A screen reader's press turns the page as a click does.
    action->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    QCOMPARE(main->lblPageNum->text(), QStringLiteral("2"));
    QCOMPARE(shownRecordNumbers(main), range(13, 14));
    QCOMPARE(main->lblNextPg->text(), QStringLiteral("Next")); // the caption stays as it was
}

void tst_accessibility::everyControlOfEveryWindow()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")}});
    app.writeHistory(historyLines(1, 3));
    app.settings().saveSetting(platform::passwordhash::SettingApp, platform::passwordhash::SettingSection,
                               platform::passwordhash::SettingKey,
                               platform::passwordhash::hash(QStringLiteral("secret")));
    Checked checked;

    // The start-up: the splash (seen while it waits), then the password entry.
    frmPlSplash::setWaitPasses(1);
    frmPlSplash::setAfterWaitHook([&checked] { checked.check(frmPlSplash::instance()); });
    frmPlSplash::Load();
    frmEnterPassword *enter = frmEnterPassword::instance();
    QVERIFY(enter);
    checked.check(enter);
    QTest::keyClicks(enter->txtEnterPassword, QStringLiteral("secret"));
    click(enter->cmdEnter);
    QTRY_VERIFY(frmInvestData::instance() && frmInvestData::instance()->isVisible());
    frmInvestData *main = frmInvestData::instance();
    QTRY_VERIFY(main->isActiveWindow());
    checked.check(main);

    click(main->cmdAddNewRec);
    QTRY_VERIFY(frmInvestEntry::instance());
    checked.check(frmInvestEntry::instance());
    click(frmInvestEntry::instance()->cmdCancel);
    QTRY_VERIFY(!frmInvestEntry::instance() && main->isEnabled());

    click(main->cmdAddNew);
    QTRY_VERIFY(frmNewEditData::instance());
    checked.check(frmNewEditData::instance());
    click(frmNewEditData::instance()->cmdCancel);
    QTRY_VERIFY(!frmNewEditData::instance() && main->isEnabled());

    main->mnuFileBackup->trigger();
    QTRY_VERIFY(frmBackupFiles::instance());
    checked.check(frmBackupFiles::instance());
    // Exit passes over the investment file, then over the history, and closes.
    click(frmBackupFiles::instance()->cmdExit);
    QVERIFY(frmBackupFiles::instance());
    click(frmBackupFiles::instance()->cmdExit);
    QTRY_VERIFY(!frmBackupFiles::instance() && main->isEnabled());

    main->mnuHelpInstruct->trigger();
    QTRY_VERIFY(frmInstructions::instance());
    checked.check(frmInstructions::instance());
    click(frmInstructions::instance()->cmdExit);
    QTRY_VERIFY(!frmInstructions::instance());

    main->mnuFilePassword->trigger();
    QTRY_VERIFY(frmPassword::instance());
    checked.check(frmPassword::instance());
    click(frmPassword::instance()->cmdCancel);
    QTRY_VERIFY(!frmPassword::instance());

    checked.windows.sort();
    QCOMPARE(checked.windows, (QStringList{QStringLiteral("frmBackupFiles"), QStringLiteral("frmEnterPassword"),
                                           QStringLiteral("frmInstructions"), QStringLiteral("frmInvestData"),
                                           QStringLiteral("frmInvestEntry"), QStringLiteral("frmNewEditData"),
                                           QStringLiteral("frmPassword"), QStringLiteral("frmPlSplash")}));
    QVERIFY2(checked.problems.isEmpty(), qPrintable(checked.problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
