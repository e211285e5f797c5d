// Every control of every window has a name and a description a screen reader can
// speak; the grid's cells say their column and row, and the page links are links.
#include "mainwindowtesting.h"

#include "ui/dialogs/frminvestentry.h"
#include "ui/dialogs/frmneweditdata.h"
#include "ui/startup/frmenterpassword.h"
#include "ui/startup/frmpassword.h"
#include "ui/startup/frmplsplash.h"
#include "ui/startup/passwordhash.h"
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

namespace {

bool insideCompoundControl(QWidget *w, QWidget *window)
{
    // The parts of a list box or text area are spoken as the control they belong to, and
    // Qt's own helpers (the overflow button of a toolbar) as Qt names them.
    for (QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<QComboBox *>(p) || qobject_cast<QPlainTextEdit *>(p) ||
            p->objectName().startsWith(QLatin1String("qt_")))
            return true;
    }
    return false;
}

// The controls of a window: every widget the program named, every button (the toolbar's
// too) and every menu; not Qt's own inner parts.
QList<QWidget *> controls(QWidget *window)
{
    QList<QWidget *> found;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        const QString name = w->objectName();
        if (name.startsWith(QLatin1String("qt_")) || name == QLatin1String("client") ||
            insideCompoundControl(w, window))
            continue;
        // A menu without a title is the menu bar's overflow list, shown only when the bar is too narrow.
        const auto *menu = qobject_cast<QMenu *>(w);
        if (menu && menu->title().isEmpty())
            continue;
        if (!name.isEmpty() || qobject_cast<QAbstractButton *>(w) || menu || qobject_cast<QMenuBar *>(w))
            found << w;
    }
    return found;
}

QString spoken(QWidget *w, QAccessible::Text kind)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(kind).trimmed() : QString();
}

struct Checked
{
    QStringList windows;
    QStringList problems;

    void check(QWidget *window)
    {
        QVERIFY(window);
        windows << window->objectName();
        int count = 0;
        QList<QWidget *> all = controls(window);
        all << window;
        for (QWidget *w : all) {
            ++count;
            const QString where =
                window->objectName() + QLatin1Char('.') +
                (w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName());
            if (spoken(w, QAccessible::Name).isEmpty())
                problems << where + QStringLiteral(": no name");
            if (spoken(w, QAccessible::Description).isEmpty())
                problems << where + QStringLiteral(": no description");
        }
        QVERIFY2(count > 2, qPrintable(window->objectName()));
    }
};

} // namespace

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
    app.settings().saveSetting(ui::passwordhash::SettingApp, ui::passwordhash::SettingSection,
                               ui::passwordhash::SettingKey, ui::passwordhash::hash(QStringLiteral("secret")));
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
