// What the user sees can be read: forced backgrounds keep a readable text colour under
// a dark desktop palette, and every box the program fills shows its first character.
#include "editingtesting.h"
#include "palettetesting.h"

#include "ui/colours.h"
#include "ui/startup/frmpassword.h"
#include "ui/tools/frmbackupfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QStyleFactory>

using namespace edtest;
using namespace palettetest;

namespace {

const QString LongType = QStringLiteral("Savings account with a very long name at the banks");      // 50
const QString LongInstitution = QStringLiteral("Cooperative Savings and Loan of the Upper Valley"); // 48

frmInvestData *startWithData(testing::AppFixture &app)
{
    app.writeInvestments({{LongType, LongInstitution}, {QStringLiteral("Bond"), QStringLiteral("Treasury")}});
    QStringList lines;
    for (int i = 0; i < 14; ++i)
        lines << historyLine(1, qPrintable(QStringLiteral("%1-01-15").arg(2000 + i)), "10000",
                             qPrintable(QString::number(10000 + 250 * i)), i == 0 ? "0" : "2.5");
    lines[1] = historyLine(1, "2001-01-15", "10000", "10250", "0.3333333");
    app.writeHistory(lines);
    return app.startMainWindow();
}

struct Tinted
{
    QString name;
    QPalette::ColorRole background;
    QColor colour; // what the program forces
};

// Every control of the window with a background the program forces: text boxes with
// their own Base, labels that fill their background.
QList<QWidget *> forcedBackgrounds(QWidget *window)
{
    QList<QWidget *> found;
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *w : children) {
        if (qobject_cast<QLineEdit *>(w) && w->palette().isBrushSet(QPalette::Active, QPalette::Base))
            found << w;
        else if (qobject_cast<QLabel *>(w) && w->autoFillBackground())
            found << w;
    }
    return found;
}

QPalette::ColorRole backgroundRoleOf(QWidget *w)
{
    return qobject_cast<QLineEdit *>(w) ? QPalette::Base : QPalette::Window;
}

// Each forced background reads with its text in every colour group.
void checkReadable(QWidget *window, const QStringList &mustInclude)
{
    const QList<QWidget *> controls = forcedBackgrounds(window);
    QStringList names;
    for (QWidget *w : controls) {
        names << w->objectName();
        const QPalette::ColorRole role = backgroundRoleOf(w);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const QColor background = w->palette().color(group, role);
            const QColor text = w->palette().color(group, ui::textRoleOn(role));
            const double ratio = ui::contrastRatio(background, text);
            QVERIFY2(ratio >= ui::MinimumContrast, qPrintable(QStringLiteral("%1 group %2: %3 on %4 is %5 : 1")
                                                                  .arg(w->objectName())
                                                                  .arg(int(group))
                                                                  .arg(text.name(), background.name())
                                                                  .arg(ratio, 0, 'f', 2)));
        }
    }
    for (const QString &name : mustInclude)
        QVERIFY2(names.contains(name), qPrintable(name + QStringLiteral(" has no forced background")));
}

void saveShot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (!dir.isEmpty())
        QVERIFY(w->grab().save(QDir(dir).filePath(name)));
}

// The box shows its first character: the cursor, which the box keeps in view, is at
// the start, and the start is inside the box once it has been painted.
void checkShowsStart(QLineEdit *box, const QString &expected)
{
    QVERIFY(box);
    QCOMPARE(box->text(), expected);
    box->grab(); // lays the text out as it is shown
    QVERIFY2(
        box->cursorPosition() == 0,
        qPrintable(QStringLiteral("%1 shows from character %2").arg(box->objectName()).arg(box->cursorPosition())));
    const QRect cursor = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QVERIFY2(
        cursor.left() > -4 && cursor.left() < box->width() / 2,
        qPrintable(
            QStringLiteral("%1: cursor at x %2 of %3").arg(box->objectName()).arg(cursor.left()).arg(box->width())));
}

} // namespace

class tst_readability : public QObject
{
    Q_OBJECT

private slots:
    void init() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void contrastRatioOfKnownColours();
    void mainWindowUnderDarkPalette();
    void specifiedBackgroundsStay();
    void dialogsUnderDarkPalette();
    void mainWindowPictures();
    void mainWindowBoxesShowTheirStart();
    void dialogBoxesShowTheirStart();
};

void tst_readability::contrastRatioOfKnownColours()
{
    QCOMPARE(qRound(ui::contrastRatio(Qt::black, Qt::white) * 100), 2100);
    QCOMPARE(ui::contrastRatio(Qt::white, Qt::white), 1.0);
    // The grey that just reaches the guidelines' 4.5 : 1 on white.
    QCOMPARE(qRound(ui::contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
}

void tst_readability::mainWindowUnderDarkPalette()
{
    DesktopPalette dark(darkPalette());
    testing::AppFixture app;
    frmInvestData *w = startWithData(app);
    QVERIFY(w);
    QStringList expected = {QStringLiteral("lblInvestRecord"), QStringLiteral("lblInvestRecNum"),
                            QStringLiteral("txtInvestment"),   QStringLiteral("txtInstitution"),
                            QStringLiteral("lblNextPg"),       QStringLiteral("lblPreviousPg")};
    for (int row = 0; row < frmInvestData::GridRows; ++row)
        expected << QStringLiteral("metCurrentAmount_%1").arg(row) << QStringLiteral("metCurAmntAFI_%1").arg(row);
    checkReadable(w, expected);

    // The window disabled while a dialog is open still reads.
    click(w->cmdAddNew);
    QVERIFY(!w->isEnabled());
    checkReadable(w, expected);
}

void tst_readability::specifiedBackgroundsStay()
{
    DesktopPalette dark(darkPalette());
    testing::AppFixture app;
    frmInvestData *w = startWithData(app);
    QVERIFY(w);
    const QList<Tinted> tinted = {
        {QStringLiteral("lblInvestRecord"), QPalette::Window, QColor(255, 224, 192)},
        {QStringLiteral("lblInvestRecNum"), QPalette::Window, QColor(255, 255, 192)},
        {QStringLiteral("txtInvestment"), QPalette::Base, QColor(255, 255, 192)},
        {QStringLiteral("metCurrentAmount_0"), QPalette::Base, QColor(192, 255, 192)},
        {QStringLiteral("metCurAmntAFI_1"), QPalette::Base, QColor(192, 255, 255)},
        {QStringLiteral("lblNextPg"), QPalette::Window, QColor(255, 192, 128)},
    };
    for (const Tinted &t : tinted) {
        auto *control = w->findChild<QWidget *>(t.name);
        QVERIFY2(control, qPrintable(t.name));
        QCOMPARE(control->palette().color(QPalette::Active, t.background), t.colour);
    }
    // Cells without a tint keep the desktop's own colours.
    QLineEdit *plain = mwtest::cell(w, QStringLiteral("metIncDec"), 0);
    QCOMPARE(plain->palette().color(QPalette::Text), darkPalette().color(QPalette::Text));
}

void tst_readability::dialogsUnderDarkPalette()
{
    DesktopPalette dark(darkPalette());
    testing::AppFixture app;
    frmInvestData *w = startWithData(app);
    QVERIFY(w);

    click(w->cmdAddNew);
    frmNewEditData *data = openedDialog<frmNewEditData>();
    QVERIFY(data);
    checkReadable(data,
                  {QStringLiteral("txtRecNumber"), QStringLiteral("txtInvestment"), QStringLiteral("txtInstitution")});
    saveShot(data, QStringLiteral("readability-dark-neweditdata.png"));
    click(data->cmdCancel);
    QVERIFY(backInMainWindow(w));

    click(w->cmdEditRec);
    frmInvestEntry *entry = openedDialog<frmInvestEntry>();
    QVERIFY(entry);
    checkReadable(entry, {QStringLiteral("lblRecNumber")});
    click(entry->cmdCancel);
    QVERIFY(backInMainWindow(w));

    // The password boxes: white while a password can be typed, button face when not.
    w->mnuFilePassword->trigger();
    frmPassword *password = frmPassword::instance();
    QVERIFY(password);
    checkReadable(password, {QStringLiteral("txtPassword"), QStringLiteral("txtPasswordAgain")});
    click(password->chkPasswordNo);
    checkReadable(password, {QStringLiteral("txtPassword"), QStringLiteral("txtPasswordAgain")});
    click(password->chkPasswordNo);
    checkReadable(password, {QStringLiteral("txtPassword"), QStringLiteral("txtPasswordAgain")});
    QCOMPARE(password->txtPassword->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
}

void tst_readability::mainWindowPictures()
{
    const QString dir = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (dir.isEmpty())
        QSKIP("PLUMBLINE_SCREENSHOTS_DIR is not set");
    for (const bool darkDesktop : {true, false}) {
        DesktopPalette palette(darkDesktop ? darkPalette() : QApplication::style()->standardPalette());
        testing::AppFixture app;
        frmInvestData *w = startWithData(app);
        QVERIFY(w);
        saveShot(w, darkDesktop ? QStringLiteral("readability-dark-main.png")
                                : QStringLiteral("readability-light-main.png"));
        click(w->lblNextPg);
        saveShot(w, darkDesktop ? QStringLiteral("readability-dark-main-page2.png")
                                : QStringLiteral("readability-light-main-page2.png"));
    }
}

void tst_readability::mainWindowBoxesShowTheirStart()
{
    testing::AppFixture app;
    frmInvestData *w = startWithData(app);
    QVERIFY(w);
    checkShowsStart(w->txtInvestment, LongType);
    checkShowsStart(w->txtInstitution, LongInstitution + QStringLiteral("  "));
    // A rate wider than its cell reads as itself, not as "3333333".
    checkShowsStart(mwtest::cell(w, QStringLiteral("txtInflRate"), 1), QStringLiteral("0.3333333"));
    for (const QString &column : mwtest::Columns)
        checkShowsStart(mwtest::cell(w, column, 0), mwtest::cellText(w, column, 0));

    // After moving on and back, the boxes are filled again and still show their start.
    click(w->cmdNext);
    click(w->cmdPrevious);
    checkShowsStart(w->txtInvestment, LongType);
}

void tst_readability::dialogBoxesShowTheirStart()
{
    testing::AppFixture app;
    frmInvestData *w = startWithData(app);
    QVERIFY(w);

    // The data record dialog, for an edit: top row and the record's boxes.
    click(w->cmdEdit);
    w->Record->setCurrentIndex(1);
    emit w->Record->activated(1);
    QCoreApplication::processEvents();
    frmNewEditData *data = openedDialog<frmNewEditData>();
    QVERIFY(data);
    checkShowsStart(data->txtInvestment, LongType);
    checkShowsStart(data->txtInstitution, LongInstitution + QStringLiteral("  "));
    checkShowsStart(data->txtInflRate, QStringLiteral("0.3333333"));
    click(data->cmdCancel);
    QVERIFY(backInMainWindow(w));

    // The investment dialog for an edit.
    click(w->cmdEditRec);
    frmInvestEntry *entry = openedDialog<frmInvestEntry>();
    QVERIFY(entry);
    // The box with the focus has its whole text selected on entering, from its start.
    checkShowsStart(entry->txtInvestment, LongType);
    QVERIFY(entry->txtInvestment->hasFocus());
    QCOMPARE(entry->txtInvestment->selectedText(), LongType);
    checkShowsStart(entry->txtInstitution, LongInstitution + QStringLiteral("  "));
    click(entry->cmdCancel);
    QVERIFY(backInMainWindow(w));

    // The backup dialog's boxes: a long data folder path shows where it starts.
    w->mnuFileBackup->trigger();
    frmBackupFiles *backup = openedDialog<frmBackupFiles>();
    QVERIFY(backup);
    auto *original = backup->findChild<QLineEdit *>(QStringLiteral("txtOrigFile"));
    QVERIFY(original);
    checkShowsStart(original, original->text());
}

QTEST_MAIN(tst_readability)
#include "tst_readability.moc"
