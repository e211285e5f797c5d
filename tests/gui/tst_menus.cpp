// Menus, toolbar and clipboard of the main window, and the instructions window.
#include "appfixture.h"

#include "core/plmainmod.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "ui/dialogs/frminvestentry.h"
#include "ui/main/frminvestdata.h"
#include "ui/tools/frmbackupfiles.h"
#include "ui/tools/frminstructions.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

QString padded(const QString &text)
{
    return text.leftJustified(50, QLatin1Char(' '));
}

void click(QWidget *widget)
{
    QVERIFY(widget);
    QVERIFY(widget->isVisible());
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QCoreApplication::processEvents();
}

QAction *toolbarAction(frmInvestData *main, const QString &key)
{
    const QList<QAction *> actions = main->tbToolBar->actions();
    for (QAction *action : actions) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}

void clickToolbar(frmInvestData *main, const QString &key)
{
    QAction *action = toolbarAction(main, key);
    QVERIFY2(action, qPrintable(key));
    click(main->tbToolBar->widgetForAction(action));
}

struct MenuFixture
{
    testing::AppFixture app;
    frmInvestData *main = nullptr;

    explicit MenuFixture(bool withInvestments = true)
    {
        if (withInvestments)
            app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")},
                                  {QStringLiteral("Savings account"), QStringLiteral("Credit Union")}});
        else
            app.writeInvestments({});
        app.writeHistory(
            {QStringLiteral("1,#2001-01-02#,10000,10000,0"), QStringLiteral("1,#2002-01-02#,10000,10800,1.6")});
        main = app.startMainWindow();
    }
};

const QStringList OpeningWords = {
    QStringLiteral("Welcome to Plumbline 3.5."),
    QStringLiteral("The Plumbline 3.5 main form is divided into two main areas."),
    QStringLiteral("The Investment entry form will appear"),
    QStringLiteral("Tab over to the INSTITUTION box"),
    QStringLiteral("Now go down to the buttons on the bottom of the form"),
    QStringLiteral("This is the way we suggest you start Plumbline"),
    QStringLiteral("It is in the Data Grid where you can see the figures"),
    QStringLiteral("When creating new records for an investment"),
    QStringLiteral("If you've had an investment for several years"),
    QStringLiteral("Notice that the INC/DEC number"),
    QStringLiteral("The next figure, CURRENT AMOUNT AFI"),
    QStringLiteral("You can edit the basic information"),
    QStringLiteral("To edit or delete a Data record"),
    QStringLiteral("You can insert a new record within a group of Data records."),
    QStringLiteral("You can also get a printout"),
    QStringLiteral("Files containing the Investment records"),
};

} // namespace

class tst_menus : public QObject
{
    Q_OBJECT

private slots:
    void menuTree();
    void toolbarButtons();
    void noAccessKeyOrShortcutClashes();
    void toolbarKeysDispatch();
    void toolbarDeleteWhileDeleteButtonDisabled();
    void copyTakesTheWholePaddedText();
    void copyWithoutATopBoxCodeCopiesNothing();
    void exitFromTheMenu();
    void instructionsText();
    void instructionsNameTheExplanationDocument_data();
    void instructionsNameTheExplanationDocument();
    void instructionsWindow();
};

void tst_menus::menuTree()
{
    MenuFixture f;
    QVERIFY(f.main);
    const QList<QAction *> top = f.main->menuBar()->actions();
    // View (the chart, the portfolio and the price index) sits between Edit and Help.
    QCOMPARE(top.size(), 4);
    QCOMPARE(top.at(0)->menu(), f.main->mnuFile);
    QCOMPARE(top.at(1)->menu(), f.main->mnuEdit);
    QCOMPARE(top.at(2)->menu(), f.main->mnuView);
    QCOMPARE(top.at(3)->menu(), f.main->mnuHelp);
    QCOMPARE(f.main->mnuView->title(), QStringLiteral("&View"));
    QCOMPARE(f.main->mnuView->actions().size(), 3);
    QCOMPARE(f.main->mnuView->actions().at(0), f.main->mnuViewChart);
    QCOMPARE(f.main->mnuView->actions().at(1), f.main->mnuViewPortfolio);
    QCOMPARE(f.main->mnuView->actions().at(2)->objectName(), QStringLiteral("mnuViewPriceIndex"));
    QCOMPARE(f.main->mnuFile->title(), QStringLiteral("&File"));
    QCOMPARE(f.main->mnuEdit->title(), QStringLiteral("E&dit"));
    QCOMPARE(f.main->mnuHelp->title(), QStringLiteral("&Help"));
    auto *import = f.main->findChild<QAction *>(QStringLiteral("mnuFileImportIndex"));
    auto *about = f.main->findChild<QAction *>(QStringLiteral("mnuHelpAbout"));
    auto *records = f.main->findChild<QAction *>(QStringLiteral("mnuFileImportRecords"));
    auto *fill = f.main->findChild<QAction *>(QStringLiteral("mnuEditFillRates"));
    auto *restoreVersion = f.main->findChild<QAction *>(QStringLiteral("mnuFileRestoreVersion"));
    auto *restoreBackup = f.main->findChild<QAction *>(QStringLiteral("mnuFileRestoreBackup"));
    auto *undo = f.main->findChild<QAction *>(QStringLiteral("mnuEditUndo"));
    auto *redo = f.main->findChild<QAction *>(QStringLiteral("mnuEditRedo"));
    QVERIFY(import && about && records && fill && restoreVersion && restoreBackup && undo && redo);
    QCOMPARE(f.main->mnuFile->actions(),
             (QList<QAction *>{f.main->mnuFileBackup, f.main->mnuFilePassword, f.main->mnuFileReport, import, records,
                               restoreVersion, restoreBackup, f.main->mnuFileExit}));
    const QList<QAction *> edit = f.main->mnuEdit->actions();
    QCOMPARE(edit.size(), 5);
    QCOMPARE(edit.at(0), undo);
    QCOMPARE(edit.at(1), redo);
    QVERIFY(edit.at(2)->isSeparator());
    QCOMPARE(edit.at(3), f.main->mnuEditCopy);
    QCOMPARE(edit.at(4), fill);
    QCOMPARE(records->text(), QStringLiteral("Import Recor&ds…"));
    // R is Redo's in the Edit menu.
    QCOMPARE(fill->text(), QStringLiteral("&Fill Missing Rates…"));
    QCOMPARE(f.main->mnuHelp->actions(), (QList<QAction *>{f.main->mnuHelpInstruct, about}));
    QCOMPARE(import->text(), QStringLiteral("&Import Price Index…"));
    QCOMPARE(about->text(), QStringLiteral("About Plumbline…"));
    QCOMPARE(f.main->mnuView->actions().at(2)->text(), QStringLiteral("Price &Index…"));
    QCOMPARE(f.main->mnuViewPortfolio->text(), QStringLiteral("P&ortfolio…"));
    QCOMPARE(f.main->mnuFileBackup->text(), QStringLiteral("&Backup Data Files"));
    QCOMPARE(f.main->mnuFileReport->text(), QStringLiteral("&Report\u2026"));
    QCOMPARE(f.main->mnuFilePassword->text(), QStringLiteral("Pass&word"));
    QCOMPARE(f.main->mnuFileExit->text(), QStringLiteral("E&xit"));
    QCOMPARE(f.main->mnuEditCopy->text(), QStringLiteral("&Copy"));
    QCOMPARE(f.main->mnuHelpInstruct->text(), QStringLiteral("&Instructions"));
    for (const char *name : {"mnuFile", "mnuEdit", "mnuHelp"})
        QVERIFY(f.main->findChild<QMenu *>(QLatin1String(name)));
    for (const char *name :
         {"mnuFileBackup", "mnuFileReport", "mnuFilePassword", "mnuFileExit", "mnuEditCopy", "mnuHelpInstruct"})
        QVERIFY(f.main->findChild<QAction *>(QLatin1String(name)));
}

void tst_menus::toolbarButtons()
{
    MenuFixture f;
    QVERIFY(f.main);
    QToolBar *bar = f.main->tbToolBar;
    QVERIFY(bar);
    QCOMPARE(bar->objectName(), QStringLiteral("tbToolBar"));
    QCOMPARE(bar->parentWidget(), f.main->centralWidget());
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->y(), 0);
    const QList<QAction *> actions = bar->actions();
    // The chart's and the portfolio's buttons come after the program's own, behind a separator.
    QCOMPARE(actions.size(), 10);
    const QStringList keys = {QStringLiteral("Save"),
                              QStringLiteral("New"),
                              QString(),
                              QStringLiteral("Copy"),
                              QStringLiteral("Delete"),
                              QString(),
                              QStringLiteral("Help"),
                              QString(),
                              QStringLiteral("Chart"),
                              QStringLiteral("Portfolio")};
    const QStringList tips = {QStringLiteral("Backup Copies"),
                              QStringLiteral("New Investment Record"),
                              QString(),
                              QStringLiteral("Copy Investment Info"),
                              QStringLiteral("Delete Investment Record"),
                              QString(),
                              QStringLiteral("Instructions"),
                              QString(),
                              QStringLiteral("Chart"),
                              QStringLiteral("Portfolio")};
    int previousRight = -1;
    for (int i = 0; i < actions.size(); ++i) {
        QAction *action = actions.at(i);
        if (keys.at(i).isEmpty()) {
            QVERIFY(action->isSeparator());
            continue;
        }
        QVERIFY(!action->isSeparator());
        QCOMPARE(action->data().toString(), keys.at(i));
        QCOMPARE(action->objectName(), keys.at(i));
        QCOMPARE(action->toolTip(), tips.at(i));
        QVERIFY(!action->icon().isNull());
        QVERIFY(!action->icon().pixmap(16, 16).isNull());
        QWidget *button = bar->widgetForAction(action);
        QVERIFY(button && button->isVisible());
        // Left to right in their order.
        QVERIFY(button->x() > previousRight);
        previousRight = button->x() + button->width() - 1;
    }
    const QString shots = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (!shots.isEmpty())
        f.main->grab().save(QDir(shots).filePath(QStringLiteral("mainwindow.png")));
}

// The letter after '&' in a caption, lower case; none for a caption without one.
static QChar accessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (caption.at(i + 1) != QLatin1Char('&'))
                return caption.at(i + 1).toLower();
            ++i;
        }
    }
    return QChar();
}

void tst_menus::noAccessKeyOrShortcutClashes()
{
    MenuFixture f;
    QVERIFY(f.main);
    // Within the menu bar and within each menu, no two entries share an access key.
    QList<QMenu *> menus;
    QStringList barKeys;
    const QList<QAction *> top = f.main->menuBar()->actions();
    for (QAction *action : top) {
        QVERIFY(action->menu());
        menus << action->menu();
        const QChar key = accessKey(action->text());
        QVERIFY2(!key.isNull(), qPrintable(action->text()));
        QVERIFY2(!barKeys.contains(key), qPrintable(action->text()));
        barKeys << key;
    }
    QList<QKeySequence> shortcuts;
    QList<QAction *> owners;
    int withKeys = 0;
    for (QMenu *menu : menus) {
        QStringList keys;
        const QList<QAction *> entries = menu->actions();
        for (QAction *entry : entries) {
            if (entry->isSeparator())
                continue;
            const QChar key = accessKey(entry->text());
            if (!key.isNull()) {
                QVERIFY2(!keys.contains(key), qPrintable(menu->title() + QStringLiteral(": ") + entry->text()));
                keys << key;
                ++withKeys;
            }
            const QList<QKeySequence> own = entry->shortcuts();
            for (const QKeySequence &shortcut : own) {
                QVERIFY2(!shortcuts.contains(shortcut), qPrintable(shortcut.toString()));
                shortcuts << shortcut;
                owners << entry;
            }
        }
    }
    QVERIFY(withKeys >= 10);
    QVERIFY(shortcuts.contains(QKeySequence(QStringLiteral("Ctrl+G"))));
    QVERIFY(shortcuts.contains(QKeySequence(QStringLiteral("Ctrl+Shift+G"))));
    // No shortcut is one of the desktop's standard keys for something else (Print, Open, Save,
    // Find, Undo, ...), and none is Alt and a letter, which the window's buttons take. Undo and
    // Redo have the desktop's keys for them.
    for (qsizetype i = 0; i < shortcuts.size(); ++i) {
        const QKeySequence &shortcut = shortcuts.at(i);
        const QString owner = owners.at(i)->objectName();
        const QList<QKeySequence::StandardKey> standard = {
            QKeySequence::Print, QKeySequence::Open,  QKeySequence::Save,      QKeySequence::Find,
            QKeySequence::Undo,  QKeySequence::Redo,  QKeySequence::Cut,       QKeySequence::Paste,
            QKeySequence::New,   QKeySequence::Close, QKeySequence::SelectAll, QKeySequence::Refresh};
        for (QKeySequence::StandardKey key : standard) {
            if ((key == QKeySequence::Undo && owner == QLatin1String("mnuEditUndo")) ||
                (key == QKeySequence::Redo && owner == QLatin1String("mnuEditRedo")))
                continue;
            QVERIFY2(!QKeySequence::keyBindings(key).contains(shortcut), qPrintable(shortcut.toString()));
        }
        QVERIFY2((shortcut[0].keyboardModifiers() & ~Qt::ShiftModifier) != Qt::AltModifier,
                 qPrintable(shortcut.toString()));
    }
}

void tst_menus::toolbarKeysDispatch()
{
    MenuFixture f;
    QVERIFY(f.main);
    auto &boxes = f.app.boxes();

    clickToolbar(f.main, QStringLiteral("Help"));
    QVERIFY(frmInstructions::instance());
    QVERIFY(f.main->isEnabled());
    frmInstructions::instance()->cmdExit->click();
    QCOMPARE(frmInstructions::instance(), nullptr);

    clickToolbar(f.main, QStringLiteral("Save"));
    frmBackupFiles *backup = frmBackupFiles::instance();
    QVERIFY(backup);
    QVERIFY(!f.main->isEnabled());
    backup->cmdExit->click();
    backup->cmdExit->click();
    QCOMPARE(frmBackupFiles::instance(), nullptr);
    QVERIFY(f.main->isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(f.main));

    click(f.main->txtInstitution);
    clickToolbar(f.main, QStringLiteral("Copy"));
    QCOMPARE(f.app.clipboard().text(), padded(QStringLiteral("First Bank")));

    clickToolbar(f.main, QStringLiteral("New"));
    QCOMPARE(modPlMainMod::strOperation, QStringLiteral("ADDNEWREC"));
    QVERIFY(frmInvestEntry::instance());
    QVERIFY(!f.main->isEnabled());
    frmInvestEntry::instance()->cmdCancel->click();
    QCOMPARE(frmInvestEntry::instance(), nullptr);
    QVERIFY(f.main->isEnabled());

    // Keys are compared exactly; any other key does nothing.
    const int clipboardSets = f.app.clipboard().setCount();
    for (const QString &key : {QStringLiteral("copy"), QStringLiteral("HELP"), QStringLiteral("Open"), QString()})
        f.main->tbToolBar_ButtonClick(key);
    QCOMPARE(f.app.clipboard().setCount(), clipboardSets);
    QCOMPARE(frmInstructions::instance(), nullptr);
    QVERIFY(boxes.calls().isEmpty());
}

void tst_menus::toolbarDeleteWhileDeleteButtonDisabled()
{
    // A run that starts without investments keeps the Delete button disabled after the
    // first investment is added; the toolbar still reaches the deletion.
    MenuFixture f(false);
    QVERIFY(f.main);
    QVERIFY(!f.main->cmdDeleteRec->isEnabled());
    clickToolbar(f.main, QStringLiteral("New"));
    frmInvestEntry *entry = frmInvestEntry::instance();
    QVERIFY(entry);
    entry->txtInvestment->setFocus();
    QTest::keyClicks(entry->txtInvestment, QStringLiteral("Bond"));
    click(entry->cmdDone);
    QCOMPARE(frmInvestEntry::instance(), nullptr);
    QVERIFY(QTest::qWaitForWindowActive(f.main));
    QCoreApplication::processEvents();
    QCOMPARE(f.app.investBytes(), testing::investRecordBytes(1, QStringLiteral("Bond"), QString()));
    QVERIFY(!f.main->cmdDeleteRec->isEnabled());

    f.app.boxes().enqueue(MsgResult::Yes);
    clickToolbar(f.main, QStringLiteral("Delete"));
    QCOMPARE(f.app.boxes().calls().size(), 1);
    const platform::MessageBoxCall box = f.app.boxes().lastCall();
    QCOMPARE(box.text, QStringLiteral("Are you sure you want to Delete this record?\r\n"
                                      "If you delete it, all the corresponding records\r\n"
                                      "In it's data file will be\r\n"
                                      "deleted too."));
    QCOMPARE(box.icon, MsgIcon::Question);
    QCOMPARE(box.buttons, MsgButtons::YesNo);
    QVERIFY(!f.app.boxes().unexpectedQuestion());
    QCOMPARE(f.app.investBytes(), QByteArray());
}

void tst_menus::copyTakesTheWholePaddedText()
{
    MenuFixture f;
    QVERIFY(f.main);
    click(f.main->txtInstitution);
    QCOMPARE(int(modPlMainMod::intCopySource), 2);
    f.main->mnuEditCopy->trigger();
    QCOMPARE(f.app.clipboard().text(), padded(QStringLiteral("First Bank")));
    QCOMPARE(f.app.clipboard().text().size(), 50);
    QVERIFY(modPlMainMod::blnCopyMade);

    click(f.main->txtInvestment);
    f.main->mnuEditCopy->trigger();
    QCOMPARE(f.app.clipboard().text(), padded(QStringLiteral("Mutual fund")));

    // The toolbar's Copy does the same for the next investment.
    click(f.main->cmdNext);
    click(f.main->txtInstitution);
    clickToolbar(f.main, QStringLiteral("Copy"));
    QCOMPARE(f.app.clipboard().text(), padded(QStringLiteral("Credit Union")));
    QCOMPARE(f.app.clipboard().setCount(), 3);
    QVERIFY(f.app.boxes().calls().isEmpty());
}

void tst_menus::copyWithoutATopBoxCodeCopiesNothing()
{
    MenuFixture f;
    QVERIFY(f.main);
    // The start-up focus is a visit of txtInvestment (code 1); a code another window
    // left, or none, names no box here.
    QCOMPARE(int(modPlMainMod::intCopySource), 1);
    modPlMainMod::intCopySource = 3;
    f.main->mnuEditCopy->trigger();
    clickToolbar(f.main, QStringLiteral("Copy"));
    QCOMPARE(f.app.clipboard().setCount(), 0);
    QVERIFY(f.app.clipboard().text().isEmpty());
    QVERIFY(f.app.boxes().calls().isEmpty());
    QVERIFY(modPlMainMod::blnCopyMade);
}

void tst_menus::exitFromTheMenu()
{
    MenuFixture f;
    QVERIFY(f.main);
    f.main->mnuFileExit->trigger();
    QVERIFY(f.app.quitRequested());
    QCOMPARE(frmInvestData::instance(), nullptr);
}

void tst_menus::instructionsText()
{
    const QString text = frmInstructions::guideText();
    QCOMPARE(text.size(), 8800);
    QCOMPARE(frmInstructions::BufferLength, 8800);
    const QString title = QString(36, QLatin1Char(' ')) + QStringLiteral("PLUMBLINE 3.5  INSTRUCTIONS");
    QVERIFY(text.startsWith(title + QStringLiteral("\n\n")));
    // The guide ends in a run of blanks.
    const QString body = text.trimmed();
    QVERIFY(text.size() - text.indexOf(body) - body.size() > 100);
    QVERIFY(text.endsWith(QStringLiteral("          ")));

    const QStringList blocks = text.mid(title.size() + 2).split(QStringLiteral("\n\n"));
    QCOMPARE(blocks.size(), 16);
    for (int i = 0; i < 16; ++i) {
        QVERIFY2(blocks.at(i).startsWith(QStringLiteral("   ") + OpeningWords.at(i)), qPrintable(blocks.at(i)));
        if (i < 15)
            QVERIFY2(!blocks.at(i).contains(QLatin1Char('\n')), qPrintable(blocks.at(i)));
    }
    // The last paragraph goes on after a single line break.
    const QStringList last = blocks.at(15).split(QLatin1Char('\n'));
    QCOMPARE(last.size(), 2);
    QVERIFY(last.at(1).startsWith(QStringLiteral("and the form changes")));
    QVERIFY(last.at(1).contains(QStringLiteral("PlDataHist.txt")));
    QVERIFY(last.at(0).contains(QStringLiteral("PlumblineData")));
    QVERIFY(last.at(0).contains(QDir::toNativeSeparators(storage::programFolder())));
    QVERIFY(last.at(0).contains(QStringLiteral("home folder")));
}

void tst_menus::instructionsNameTheExplanationDocument_data()
{
    // Where the program is, relative to a prefix, and where its document lies.
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("document");
    QTest::newRow("installed") << QStringLiteral("bin") << QStringLiteral("share/doc/plumbline/user-guide.md");
    QTest::newRow("beside the program") << QStringLiteral("bin") << QStringLiteral("bin/user-guide.md");
    QTest::newRow("build folder of the sources") << QStringLiteral("build") << QStringLiteral("docs/user-guide.md");
    QTest::newRow("not found: where an installation puts it")
        << QStringLiteral("bin") << QStringLiteral("-share/doc/plumbline/user-guide.md");
}

void tst_menus::instructionsNameTheExplanationDocument()
{
    QFETCH(QString, program);
    QFETCH(QString, document);
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QVERIFY(QDir(prefix.path()).mkpath(program));
    const bool present = !document.startsWith(QLatin1Char('-'));
    if (!present)
        document.remove(0, 1);
    if (present) {
        QVERIFY(QDir(prefix.path()).mkpath(QFileInfo(document).path()));
        QFile file(prefix.filePath(document));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString expected = QDir::toNativeSeparators(QDir::cleanPath(prefix.filePath(document)));
    QCOMPARE(frmInstructions::explanationDocumentPath(prefix.filePath(program)), expected);

    // The instructions keep their sentence and say where the document is.
    const QString text = frmInstructions::guideText();
    const QString promise = QStringLiteral("a separate explanation document in the program folder: ") +
                            frmInstructions::explanationDocumentPath() + QLatin1Char('.');
    QVERIFY2(text.contains(promise), qPrintable(promise));
    QVERIFY(frmInstructions::explanationDocumentPath().endsWith(QStringLiteral("user-guide.md")));
}

void tst_menus::instructionsWindow()
{
    MenuFixture f;
    QVERIFY(f.main);
    f.main->mnuHelpInstruct->trigger();
    frmInstructions *form = frmInstructions::instance();
    QVERIFY(form && form->isVisible());
    QVERIFY(f.main->isEnabled());
    QCOMPARE(form->windowTitle(), QStringLiteral("Plumbline 3.5 Instructions"));
    QCOMPARE(form->size(), QSize(434, 442));
    QPlainTextEdit *box = form->txtInstructions;
    QCOMPARE(box->objectName(), QStringLiteral("txtInstructions"));
    QCOMPARE(box->toPlainText().size(), 8800);
    QCOMPARE(box->toPlainText(), frmInstructions::guideText());
    QVERIFY(box->isReadOnly());
    QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(form->cmdExit->text(), QStringLiteral("E&xit"));
    QVERIFY(form->cmdExit->isDefault());
    const QString shots = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (!shots.isEmpty())
        form->grab().save(QDir(shots).filePath(QStringLiteral("instructions.png")));

    // Tab never enters the text.
    QVERIFY(QTest::qWaitForWindowActive(form));
    form->cmdExit->setFocus();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != box);
    }
    // Typing into it changes nothing.
    click(box->viewport());
    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->toPlainText(), frmInstructions::guideText());

    // Help, Instructions again leaves the open window as it is.
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum() / 2);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(1234);
    box->setTextCursor(cursor);
    const int scrolled = box->verticalScrollBar()->value();
    f.main->mnuHelpInstruct->trigger();
    clickToolbar(f.main, QStringLiteral("Help"));
    QCOMPARE(frmInstructions::instance(), form);
    QCOMPARE(box->verticalScrollBar()->value(), scrolled);
    QCOMPARE(box->textCursor().position(), 1234);
    QCOMPARE(box->toPlainText().size(), 8800);

    click(form->cmdExit);
    QCOMPARE(frmInstructions::instance(), nullptr);
    QVERIFY(f.main->isEnabled());

    // The frame is Exit too.
    f.main->mnuHelpInstruct->trigger();
    form = frmInstructions::instance();
    QVERIFY(form);
    form->close();
    QCOMPARE(frmInstructions::instance(), nullptr);
    QVERIFY(f.app.boxes().calls().isEmpty());
}

QTEST_MAIN(tst_menus)
#include "tst_menus.moc"
